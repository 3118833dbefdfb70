#include "reader/logic/ProgressFile.h"

#include "framework/core/CFile.h"
#include "framework/core/LittleEndian.h"
#include "framework/core/SaveFile.h"
#include "reader/book/BookLayout.h"

#include <algorithm>

namespace {

constexpr char magic[] = "QMPR";
constexpr std::uint32_t version = 1;
// A file larger than this is no progress file the reader wrote.
constexpr std::uint64_t largestFile = 64u << 20;

// Reads the fields of a progress file in turn; each read fails once the bytes run out.
class FieldReader {
public:
    explicit FieldReader(const std::string& bytes) : m_bytes(bytes) {}
    bool Number(std::uint32_t& value) {
        if (m_bytes.size() - m_at < 4) return false;
        value = ReadLittleEndian32(reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_at);
        m_at += 4;
        return true;
    }
    bool Text(std::size_t length, std::string& text) {
        if (m_bytes.size() - m_at < length) return false;
        text = m_bytes.substr(m_at, length);
        m_at += length;
        return true;
    }

private:
    const std::string& m_bytes;
    std::size_t m_at = 0;
};

// Days in order, each once; a plan's only those of the plan.
std::vector<int> Canonical(std::vector<int> days, bool plan) {
    if (plan)
        days.erase(std::remove_if(days.begin(), days.end(), [](int day) { return day < 1 || day > mostPlanDays; }),
                   days.end());
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

bool ReadBook(FieldReader& fields, BookProgress& book) {
    std::uint32_t titleLength = 0, hasStart = 0, start = 0, count = 0;
    if (!fields.Number(titleLength) || titleLength > longestProgressTitle || !fields.Text(titleLength, book.title) ||
        !fields.Number(hasStart) || !fields.Number(start) || !fields.Number(count) || count > mostDaysRead)
        return false;
    std::vector<int> days(count);
    for (int& day : days) {
        std::uint32_t value = 0;
        if (!fields.Number(value)) return false;
        day = static_cast<int>(value);
    }
    book.start = hasStart ? DateOfDaysSinceEpoch(static_cast<int>(start)) : Date{};
    book.read = Canonical(std::move(days), hasStart != 0);
    return true;
}

} // namespace

std::string ProgressBytes(const std::vector<BookProgress>& books) {
    std::string bytes(magic, 4);
    AppendLittleEndian32(bytes, version);
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(books.size()));
    for (const BookProgress& book : books) {
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(book.title.size()));
        bytes += book.title;
        const bool hasStart = book.start.year != 0;
        AppendLittleEndian32(bytes, hasStart);
        AppendLittleEndian32(bytes, hasStart ? static_cast<std::uint32_t>(DaysSinceEpoch(book.start)) : 0);
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(book.read.size()));
        for (int day : book.read)
            AppendLittleEndian32(bytes, static_cast<std::uint32_t>(day));
    }
    return bytes;
}

std::vector<BookProgress> ParseProgress(const std::string& bytes) {
    std::vector<BookProgress> books;
    FieldReader fields(bytes);
    std::string tag;
    std::uint32_t fileVersion = 0, count = 0;
    if (!fields.Text(4, tag) || tag != magic || !fields.Number(fileVersion) || fileVersion != version ||
        !fields.Number(count))
        return books;
    for (std::uint32_t i = 0; i < count; ++i) {
        BookProgress book;
        if (!ReadBook(fields, book)) break;
        books.push_back(std::move(book));
    }
    return books;
}

std::vector<BookProgress> ReadProgressFile(const char* path) {
    std::string bytes;
    return CFile::ReadAll(path, largestFile, bytes) ? ParseProgress(bytes) : std::vector<BookProgress>{};
}

bool WriteProgressFile(const char* path, const std::vector<BookProgress>& books) {
    const std::string bytes = ProgressBytes(books);
    return SaveFile(path, bytes.data(), bytes.size());
}
