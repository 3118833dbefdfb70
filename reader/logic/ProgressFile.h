#pragma once

#include "framework/core/Calendar.h"

#include <string>
#include <vector>

// What the user has read, kept in "progress.dat" beside the programs, apart from settings.dat,
// whose layout older readers read. A book is known by its title, so that it keeps its progress
// when it moves to another folder or the setup replaces it with a newer copy.
struct BookProgress {
    // In UTF-8.
    std::string title;
    // A plan's first day; a calendar book has none (year 0).
    Date start;
    // The days read, in order, none twice: a plan's days 1 to its last, or a calendar book's dates as
    // DaysSinceEpoch counts them.
    std::vector<int> read;

    friend bool operator==(const BookProgress& a, const BookProgress& b) {
        return a.title == b.title && a.start == b.start && a.read == b.read;
    }
};

// The longest title and the most days a file is taken to hold for one book: more is no progress
// that the reader wrote.
constexpr std::size_t longestProgressTitle = 4096;
constexpr std::size_t mostDaysRead = 366 * 200;

// The bytes of a progress file: "QMPR", the version 1, the number of books, then for each its
// title's length and bytes, 1 or 0 for a start and the start as a day number, the number of days
// read and each of them; all numbers 32-bit little-endian.
std::string ProgressBytes(const std::vector<BookProgress>& books);

// The books of a progress file's bytes, however many there are: a book that the bytes do not hold
// whole, and all after it, are left out, and so is everything of a file of another kind. Days
// read come back in order, each once, a plan's only from 1 to 2,000, the most days a plan has.
std::vector<BookProgress> ParseProgress(const std::string& bytes);

// Reads the progress file at path; empty when it cannot be read.
std::vector<BookProgress> ReadProgressFile(const char* path);

// Writes the progress file at path as durably as settings.dat (SaveFile); false, with the old
// file as it was, when it could not be written.
bool WriteProgressFile(const char* path, const std::vector<BookProgress>& books);
