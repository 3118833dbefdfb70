#include "reader/book/BookFile.h"

#include "reader/book/RecordExtent.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {
constexpr std::uint64_t recordCountOffset = 76;
constexpr std::uint64_t recordListOffset = 78;
constexpr std::uint64_t recordEntrySize = 8;
} // namespace

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
    CString text;
    const std::int32_t count = GetRecordCount();
    if (index >= 0 && index < count) {
        const auto offset = static_cast<std::uint32_t>(GetRecordOffset(index));
        const RecordExtent extent = ReadableExtent(offset, GetRecordEnd(index, count), GetLength());
        if (extent.size > 0) {
            std::vector<char> buffer(extent.size, '\0');
            if (Seek(extent.start)) Read(buffer.data(), extent.size);
            text = CString(buffer.data(), static_cast<int>(buffer.size()));
            text.Replace("\n", "\r\n");
        }
    }
    Close();
    return text;
}

void BookFile::GetTitleAndDescription(CString& title, CString& description) {
    const CString text = GetRecordText(0);
    const int dollar = text.Find('$');
    title = text.Left(dollar);
    description = text.Right(text.GetLength() - dollar - 1);
}

std::int32_t BookFile::GetRecordCount() {
    return ReadByteAt(recordCountOffset) * 256 + ReadByteAt(recordCountOffset + 1);
}

std::int32_t BookFile::GetRecordOffset(std::int32_t index) {
    const std::uint64_t entry = recordListOffset + recordEntrySize * static_cast<std::uint64_t>(index);
    std::uint32_t offset = 0;
    for (std::uint64_t i = 0; i < 4; ++i)
        offset = offset << 8 | ReadByteAt(entry + i);
    return static_cast<std::int32_t>(offset);
}

std::uint64_t BookFile::GetRecordEnd(std::int32_t index, std::int32_t count) {
    // The list is read a block of entries at a time, so that a long run of records without data
    // costs a few reads rather than four for each entry.
    constexpr std::int32_t entriesPerBlock = 512;
    unsigned char block[entriesPerBlock * recordEntrySize];
    for (std::int32_t next = index + 1; next < count; next += entriesPerBlock) {
        std::fill(std::begin(block), std::end(block), 0);
        if (Seek(recordListOffset + recordEntrySize * static_cast<std::uint64_t>(next))) Read(block, sizeof block);
        for (std::int32_t i = 0; i < entriesPerBlock && next + i < count; ++i) {
            const unsigned char* entry = block + recordEntrySize * i;
            const std::uint32_t offset = std::uint32_t{entry[0]} << 24 | entry[1] << 16 | entry[2] << 8 | entry[3];
            if (offset != 0) return offset;
        }
    }
    return GetLength();
}

bool BookFile::OpenForReading() { return Open(m_path, typeBinary | modeRead); }

unsigned char BookFile::ReadByteAt(std::uint64_t offset) {
    unsigned char byte = 0;
    if (Seek(offset)) Read(&byte, 1);
    return byte;
}
