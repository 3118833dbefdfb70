#pragma once

#include <cstdint>

// The bytes of one record that may be read: a size of 0 means the record reads as the empty text.
struct RecordExtent {
    std::uint32_t start = 0;
    std::uint32_t size = 0;
};

// The readable extent of a record from its data offset, the offset where it ends and the file's length.
// A data offset of 0, one that reads as a negative 32-bit number, one at or beyond the end of
// the file, and an end before the offset all give nothing; an end beyond the file is cut at its
// end, which reads the same as the zero bytes a short read leaves, without asking for the memory.
RecordExtent ReadableExtent(std::uint32_t offset, std::uint64_t end, std::uint64_t fileLength);
