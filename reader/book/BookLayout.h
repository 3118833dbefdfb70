#pragma once

#include <cstdint>

// The layout of a book file, a Palm Database: a 78-byte header whose last two bytes are the
// record count, then the record list, one 8-byte entry for each record, the first four bytes of
// which are the record's data offset. All numbers are big-endian.
constexpr std::uint64_t recordCountOffset = 76;
constexpr std::uint64_t recordListOffset = 78;
constexpr std::uint64_t recordEntrySize = 8;
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
