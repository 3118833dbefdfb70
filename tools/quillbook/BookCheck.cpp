#include "tools/quillbook/BookCheck.h"

#include "framework/core/Calendar.h"
#include "reader/book/BookLayout.h"
#include "reader/book/RecordExtent.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string Describe(const char* format, long long a, long long b = 0, long long c = 0) {
    char line[200];
    std::snprintf(line, sizeof line, format, a, b, c);
    return line;
}

bool ExtentHasNul(BookFile& book, const RecordExtent& extent) {
    if (extent.size == 0 || !book.Seek(extent.start)) return false;
    std::vector<char> bytes(extent.size);
    const unsigned got = book.Read(bytes.data(), extent.size);
    return std::memchr(bytes.data(), '\0', got) != nullptr;
}

} // namespace

BookReport CheckBook(BookFile& book, const char* path) {
    BookReport report;
    std::vector<std::string>& problems = report.problems;
    book.OpenBook(path);
    const BookInfo info = book.GetBookInfo();
    if (!book.Open(path, CFile::typeBinary | CFile::modeRead)) {
        problems.push_back("the file cannot be opened");
        return report;
    }
    const std::uint64_t length = book.GetLength();
    const std::int32_t count = report.recordCount = book.GetRecordCount();
    const std::uint64_t listEnd = RecordListEnd(static_cast<std::uint64_t>(count));
    if (listEnd > length)
        problems.push_back(Describe("the record list of %lld records ends at byte %lld, beyond the end of the file "
                                    "(%lld bytes)",
                                    count, listEnd, length));
    // The header record and a text for each day: of the year, or of the plan.
    const std::int32_t recordsNeeded = (info.kind == BookKind::plan ? info.planDays : daysInCommonYear) + 1;
    if (count < recordsNeeded)
        problems.push_back(Describe("only %lld records: a book needs %lld, the header record and a verse for each day",
                                    count, recordsNeeded));

    std::uint32_t previous = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const auto offset = static_cast<std::uint32_t>(book.GetRecordOffset(i));
        if (offset == 0) continue;
        if (offset < previous)
            problems.push_back(Describe("record %lld: data offset %lld is smaller than the one before it (%lld)", i,
                                        offset, previous));
        previous = offset;
        if (offset >= length) {
            problems.push_back(Describe("record %lld: data offset %lld lies at or beyond the end of the file "
                                        "(%lld bytes)",
                                        i, offset, length));
            continue;
        }
        if (!ExtentHasNul(book, ReadableExtent(offset, book.GetRecordEnd(i, count), length)))
            problems.push_back(Describe("record %lld: no NUL byte ends its text", i));
    }
    book.Close();
    return report;
}
