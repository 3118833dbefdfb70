#pragma once

#include <cstdint>
#include <string>

// The 32-bit little-endian field of the programs' files: four bytes, the lowest first.

inline std::uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

inline void AppendLittleEndian32(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>(value >> shift & 0xFF);
}
