#pragma once

#include "reader/book/BookNames.h"
#include "tools/quillbook/ReadingPlan.h"

#include <cstdint>
#include <string>
#include <vector>

struct PlanOptions {
    Plan plan = Plan::bible;
    Language language = Language::english;
    unsigned codePage = 1252;
    // In UTF-8; empty for the plan's own, in the book's language.
    std::string title;
    std::string description;
    // The text of the list of references of a verseList plan, or of the lines of a readings plan.
    std::string list;
    // Where given, in UTF-8: the translation that the plan's own title names in parentheses
    // ("The Bible in a year (KJV)"), and a sentence on where the text comes from, which ends the
    // plan's own description.
    std::string translation;
    std::string source;
    // The days of a whole-book plan.
    int days = 365;
};

// The text of one day, in UTF-8 with LF line breaks: what the day reads ("Genesis 1-3"), an
// empty line, then for each chapter its name before its first verse of the day and its verses,
// each led by its number, with an empty line between chapters.
std::string DayText(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day, Language language);

// What a day reads: "Genesis 1-3" or "Genesis 50 - Exodus 2" for whole chapters, "Matthew 5:1-26",
// "Matthew 5:27-6:4" or "Jude 1:20 - Revelation 1:3" for parts of them.
std::string DayReading(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day, Language language);

// The text of a day of chosen verses: its reference ("John 3:16", "Psalm 23:1-3"), an empty line,
// and the text; where the day holds more than one verse, each on a line of its own, led by its
// number.
std::string ChosenDayText(const std::vector<PlanVerse>& passage, Language language);

// The verses of the plan's books in a module's verses, in order, without the empty ones. False,
// with a reason, when a book of the plan has no verse there.
bool PlanVerses(const std::vector<struct ModuleVerse>& module, Plan plan, std::vector<PlanVerse>& verses,
                std::string& error);

// The book file of the plan made from a SWORD import file's text; false, with a reason, when
// the text is no import file, lacks a book of the plan, or holds a character that the code page
// cannot hold, or the title or description cannot be a book's. A verseList plan also fails where
// its list holds another number of references than 365, or a line that is no reference or names
// a verse that the source does not have (or has empty); the reason names the line. A readings plan
// fails where a line is no reading (ReadReadings) or names a passage the source lacks, naming the
// line; it has a day for each line.
bool MakePlanBook(const std::string& importText, const PlanOptions& options, std::uint32_t palmTime, std::string& bytes,
                  std::string& error);
