#pragma once

#include <string>
#include <vector>

// A book as its author writes it: the first line is the title, the lines up to the first line
// that holds only "%%" the description, and each following block up to the next "%%" line is
// the verse of the next day; a "%%" line at the very end closes the last verse. Line breaks
// become LF, empty lines at the end of a block are dropped, and all other bytes are kept as they are.
struct BookSource {
    std::string title;
    std::string description;
    std::vector<std::string> verses;
};

// False, with a reason, when the text is no book source.
bool ParseBookSource(const std::string& text, BookSource& book, std::string& error);

// Record 0 and the verse records, each ended by a NUL.
std::vector<std::string> BookRecords(const BookSource& book);
