#pragma once

#include "reader/book/BookLayout.h"

#include <cstdint>
#include <string>
#include <vector>

// A Palm Database laid out by hand, for books no writer would make: the header, the record
// count, the data offsets exactly as given, then body.
inline std::string RawBook(std::uint16_t count, const std::vector<std::uint32_t>& offsets, const std::string& body) {
    std::string bytes(recordCountOffset, '\0');
    bytes += static_cast<char>(count >> 8);
    bytes += static_cast<char>(count & 0xFF);
    for (std::uint32_t offset : offsets) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>(offset >> shift & 0xFF);
        bytes.append(4, '\0');
    }
    return bytes + body;
}
