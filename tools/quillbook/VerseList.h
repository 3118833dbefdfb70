#pragma once

#include <string>
#include <vector>

// A passage of one chapter: a verse, or verses first to last.
struct VerseReference {
    int book = 0; // 0 to 65
    int chapter = 0;
    int firstVerse = 0;
    int lastVerse = 0;
};

// "John 3:16", "Romans 8:38-39", "1 Cor 13:4-7": a book, named as mod2imp names it or by an
// English name or short form (BookByAnyName), then CHAPTER:VERSE or CHAPTER:FIRST-LAST.
bool ParseVerseReference(const std::string& text, VerseReference& reference);

// A reference of a list, and its line there, counted from 1.
struct ListedReference {
    VerseReference reference;
    int line = 0;
};

// A list of references, one a line; empty lines and lines that start with "#" are skipped. False,
// with a reason that names the line, for a line that is no reference.
bool ReadVerseList(const std::string& text, std::vector<ListedReference>& references, std::string& error);
