#pragma once

#include "reader/book/BookFile.h"

#include <string>
#include <vector>

struct BookReport {
    std::int32_t recordCount = 0;
    // What keeps the book from being read as its author meant, one sentence each: a record list
    // beyond the end of the file, fewer than 366 records, data offsets that decrease or lie beyond
    // the end, and records whose text has no NUL. Empty for a sound book.
    std::vector<std::string> problems;
};

// Checks the structure of the book file at path, read through book.
BookReport CheckBook(BookFile& book, const char* path);
