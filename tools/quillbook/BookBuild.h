#pragma once

#include "reader/book/BookLayout.h"

#include <cstdint>
#include <string>
#include <vector>

// A book file made from the text of a book source.
struct BuiltBook {
    std::string bytes;
    // What the author should know of a book that is still made, one sentence each.
    std::vector<std::string> warnings;
};

// Makes the book file of sourceText, of the kind given, named sourceName in what it says, dated
// palmTime; false, with a reason, when the text is no book source or holds more verses than a
// book can.
bool BuildBook(const std::string& sourceText, const std::string& sourceName, std::uint32_t palmTime, BuiltBook& book,
               std::string& error, BookKind kind = BookKind::calendar);
