#pragma once

#include "framework/core/Calendar.h"
#include "reader/book/BookLayout.h"
#include "reader/book/BookNames.h"

#include <cstddef>
#include <string>
#include <vector>

// A verse that a plan reads: its book (0 to 65), chapter, verse, and text in UTF-8, never empty.
struct PlanVerse {
    int book = 0, chapter = 0, verse = 0;
    std::string text;
};

// The whole-book plans, chronological among them: the Bible in the order its events happened;
// verseList: the passages of a list of references, one a day; and readings:
// a plan of one's own, a line of passages a day.
enum class Plan { bible, newTestament, psalms, chronological, proverbsMonthly, verseList, readings };

// What the book tool knows of each plan, in one table.
struct PlanFacts {
    Plan plan;
    // On the command line; a list is named "list:FILE", readings "readings:FILE".
    const char* name;
    const char* summary;
    // The books the whole-book plans read, first to last.
    int firstBook, lastBook;
    // Its books are plans, read from the day the reader begins them, or calendar books.
    BookKind kind;
    // The book's own title and description, in English and in Spanish, in UTF-8.
    const char* title[2];
    const char* description[2];
};

const PlanFacts& FactsOf(Plan plan);
// The whole-book plans by their names on the command line; false for others.
bool PlanByName(const std::string& name, Plan& plan);
// The plans' names and summaries, a line each, for the command's help.
std::string PlanNamesHelp();

// Where a day of the plan may end after verses[i]: at the end of a chapter, and for the New
// Testament and the Psalms also after a verse that ends a sentence.
bool MayEndDay(Plan plan, const std::vector<PlanVerse>& verses, std::size_t i);
bool EndsSentence(const std::string& text);

// The verses of each of the plan's days, as indexes into verses: the plan's books in order, none
// left out. The whole-book plans cut their books into days days of about the same length in
// characters, each ending where MayEndDay allows or, within a chapter longer than 2.5 days, after
// a verse that ends a sentence; where that leaves fewer places than days, also within a chapter
// longer than a day: after a verse that ends a sentence, or at last after any verse.
// proverbs-monthly reads on each day of the year the chapter of Proverbs named by the day of the
// month, and has 365 days. Empty where verses cannot make the plan: fewer verses than days, no
// chapter for a day, or days not from 1 to mostPlanDays.
std::vector<std::vector<std::size_t>> PlanDays(Plan plan, const std::vector<PlanVerse>& verses,
                                               int days = daysInCommonYear);
