#include "reader/book/RecordExtent.h"

#include <algorithm>

RecordExtent ReadableExtent(std::uint32_t offset, std::uint64_t end, std::uint64_t fileLength) {
    if (offset == 0 || offset > INT32_MAX || offset >= fileLength) return {};
    end = std::min(end, fileLength);
    if (end <= offset) return {};
    return {offset, static_cast<std::uint32_t>(end - offset)};
}
