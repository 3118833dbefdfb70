// Any bytes as progress.dat: reading never fails, no book holds a day outside its plan, and what
// was read writes back to bytes that read the same.
#include "reader/logic/ProgressFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::vector<BookProgress> books = ParseProgress(std::string(reinterpret_cast<const char*>(data), size));
    for (const BookProgress& book : books) {
        if (book.title.size() > longestProgressTitle) std::abort();
        for (int day : book.read)
            if (book.start.year != 0 && (day < 1 || day > daysInCommonYear)) std::abort();
    }
    if (!(ParseProgress(ProgressBytes(books)) == books)) std::abort();
    return 0;
}
