#pragma once

#include <cstdint>

// The layout of a book file, a Palm Database: a 78-byte header, then the record list, one 8-byte
// entry for each record, two bytes of gap, then the records' data. All numbers are big-endian. The
// reader reads only the record count and the records' data offsets; the book tool writes every
// field from this layout.

// A field of the header or of a record entry: where it starts and how many bytes it has.
struct BookField {
    std::uint32_t offset;
    std::uint32_t size;
};

namespace header {
// The dates count seconds since 1904-01-01; the name is zero-terminated.
constexpr BookField name{0, 32}, attributes{32, 2}, version{34, 2}, creationDate{36, 4}, modificationDate{40, 4};
constexpr BookField backupDate{44, 4}, modificationNumber{48, 4}, appInfoOffset{52, 4}, sortInfoOffset{56, 4};
constexpr BookField type{60, 4}, creator{64, 4}, uniqueIdSeed{68, 4}, nextRecordList{72, 4}, recordCount{76, 2};
constexpr std::uint32_t size = 78;
} // namespace header

namespace recordEntry {
constexpr BookField dataOffset{0, 4}, attributes{4, 1}, uniqueId{5, 3};
constexpr std::uint32_t size = 8;
} // namespace recordEntry

// The two bytes of zero that follow the record list, as Palm OS writes them.
constexpr std::uint32_t recordListGap = 2;

// What kind of book it is: a calendar book has the verse of day N of the year in record N; a plan
// is read in order from the day the reader begins it, day N in record N.
enum class BookKind : std::uint16_t { calendar = 0, plan = 1 };

// A plan has from 1 to this many days.
constexpr int mostPlanDays = 2000;

// What the book tool says of a book beyond its records, in an app-info block that follows the
// record list and that the header's appInfoOffset names: the kind of book, the Windows code page
// of its text, 0 where it says none, and how many days a plan has. A reader that reads only the
// record list reads the book as before; a book without the block is a calendar book in the system's
// code page, and a block of the first 8 bytes alone, as books had before plans of any length, says
// a plan of 365 days.
struct BookInfo {
    BookKind kind = BookKind::calendar;
    std::uint16_t codePage = 0;
    std::uint16_t planDays = 365;
};

namespace bookInfo {
constexpr char tag[] = "QMBK";
constexpr BookField tagField{0, 4}, kind{4, 2}, codePage{6, 2}, planDays{8, 2};
constexpr std::uint32_t size = 10;
} // namespace bookInfo

constexpr std::uint64_t recordCountOffset = header::recordCount.offset;
constexpr std::uint64_t recordListOffset = header::size;
constexpr std::uint64_t recordEntrySize = recordEntry::size;
// The record count is a 16-bit field.
constexpr std::uint32_t mostRecords = 65535;

// Where the record list of count entries ends, and so where the records' data may begin.
constexpr std::uint64_t RecordListEnd(std::uint64_t count) { return recordListOffset + recordEntrySize * count; }

// The big-endian number in the size bytes at bytes (at most 4).
inline std::uint32_t ReadBigEndian(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | bytes[i];
    return value;
}
