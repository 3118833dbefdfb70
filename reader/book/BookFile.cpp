#include "reader/book/BookFile.h"

#include "framework/core/CodePage.h"
#include "reader/book/BookLayout.h"
#include "reader/book/RecordExtent.h"

#include <algorithm>
#include <vector>

BookFile::~BookFile() = default;

bool BookFile::OpenBook(const CString& path) {
    CloseBook();
    m_path = path;
    if (!OpenForReading()) return false;
    m_recordCount = GetRecordCount();
    Close();
    return true;
}

void BookFile::CloseBook() {}

CString BookFile::GetRecordText(std::int32_t index) {
    if (!OpenForReading()) return CString();
    const CString text = ReadRecordText(index, GetRecordCount());
    Close();
    return text;
}

std::vector<std::string> BookFile::GetRecordTexts(std::int32_t first, std::int32_t count) {
    std::vector<std::string> texts;
    if (!OpenForReading()) return std::vector<std::string>(static_cast<std::size_t>(std::max(count, 0)));
    const std::int32_t records = GetRecordCount();
    for (std::int32_t index = first; index < first + count; ++index)
        texts.emplace_back(static_cast<const char*>(ReadRecordText(index, records)));
    Close();
    return texts;
}

CString BookFile::ReadRecordText(std::int32_t index, std::int32_t count) {
    CString text;
    if (index < 0 || index >= count) return text;
    const auto offset = static_cast<std::uint32_t>(GetRecordOffset(index));
    const RecordExtent extent = ReadableExtent(offset, GetRecordEnd(index, count), GetLength());
    if (extent.size == 0) return text;
    std::vector<char> buffer(extent.size, '\0');
    if (Seek(extent.start)) Read(buffer.data(), extent.size);
    text = CString(buffer.data(), static_cast<int>(buffer.size()));
    if (m_textCodePage) text = ToUtf8(static_cast<const char*>(text), *m_textCodePage).c_str();
    text.Replace("\n", "\r\n");
    return text;
}

void BookFile::GetTitleAndDescription(CString& title, CString& description) {
    const CString text = GetRecordText(0);
    const int dollar = text.Find('$');
    title = text.Left(dollar);
    description = text.Right(text.GetLength() - dollar - 1);
}

BookInfo BookFile::GetBookInfo() {
    BookInfo info;
    if (!OpenForReading()) return info;
    unsigned char offsetField[4], block[bookInfo::size];
    ReadBytesAt(header::appInfoOffset.offset, offsetField, sizeof offsetField);
    const std::uint32_t offset = ReadBigEndian(offsetField, sizeof offsetField);
    const std::uint64_t planDaysEnd = offset + std::uint64_t{bookInfo::planDays.offset + bookInfo::planDays.size};
    if (offset >= header::size && offset + std::uint64_t{bookInfo::planDays.offset} <= GetLength()) {
        ReadBytesAt(offset, block, sizeof block);
        const auto field = [&](BookField f) { return ReadBigEndian(block + f.offset, static_cast<int>(f.size)); };
        if (std::equal(block, block + bookInfo::tagField.size, bookInfo::tag)) {
            info.kind = field(bookInfo::kind) == 1 ? BookKind::plan : BookKind::calendar;
            info.codePage = static_cast<std::uint16_t>(field(bookInfo::codePage));
            // The days' field, where the block holds it: the records' data begins after it.
            const std::uint32_t days = field(bookInfo::planDays);
            if (info.kind == BookKind::plan && GetRecordCount() > 0 &&
                static_cast<std::uint32_t>(GetRecordOffset(0)) >= planDaysEnd && planDaysEnd <= GetLength() &&
                days >= 1 && days <= mostPlanDays)
                info.planDays = static_cast<std::uint16_t>(days);
        }
    }
    Close();
    return info;
}

std::int32_t BookFile::GetRecordCount() {
    unsigned char count[2];
    ReadBytesAt(recordCountOffset, count, sizeof count);
    return static_cast<std::int32_t>(ReadBigEndian(count, sizeof count));
}

std::int32_t BookFile::GetRecordOffset(std::int32_t index) {
    unsigned char offset[4];
    ReadBytesAt(RecordListEnd(static_cast<std::uint64_t>(index)), offset, sizeof offset);
    return static_cast<std::int32_t>(ReadBigEndian(offset, sizeof offset));
}

std::uint64_t BookFile::GetRecordEnd(std::int32_t index, std::int32_t count) {
    // The list is read a block of entries at a time, so that a long run of records without data
    // costs a few reads rather than four for each entry.
    constexpr std::int32_t entriesPerBlock = 512;
    unsigned char block[entriesPerBlock * recordEntrySize];
    for (std::int32_t next = index + 1; next < count; next += entriesPerBlock) {
        ReadBytesAt(RecordListEnd(static_cast<std::uint64_t>(next)), block, sizeof block);
        for (std::int32_t i = 0; i < entriesPerBlock && next + i < count; ++i) {
            const std::uint32_t offset = ReadBigEndian(block + recordEntrySize * i, 4);
            if (offset != 0) return offset;
        }
    }
    return GetLength();
}

bool BookFile::OpenForReading() { return Open(m_path, typeBinary | modeRead); }

void BookFile::ReadBytesAt(std::uint64_t offset, unsigned char* bytes, unsigned size) {
    std::fill(bytes, bytes + size, 0);
    if (Seek(offset)) Read(bytes, size);
}
