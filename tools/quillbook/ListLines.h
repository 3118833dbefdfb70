#pragma once

#include <string>
#include <vector>

// A line of a list the book tool reads, trimmed of blanks, and its number, counted from 1.
struct ListLine {
    std::string text;
    int number = 0;
};

// The lines of text that hold something: empty lines and lines that start with "#" are left out.
std::vector<ListLine> ListLines(const std::string& text);

// text without the blanks, tabs and carriage returns at its ends.
std::string Trimmed(const std::string& text);
