#pragma once

#include <optional>
#include <string>

// A passage as people name it: a book (0 to 65), a chapter, and a verse or verses where given.
struct PassageReference {
    int book;
    int chapter;
    int verse = 0; // 0 for the whole chapter
    int lastVerse = 0;
    int lastChapter = 0; // of a range of whole chapters ("Genesis 1-3"); 0 for one chapter
};

// How many chapters the book has.
int ChapterCount(int book);

// The passage that text names as people type it: "John 3", "jn 3:16", "1Co 13:4-7", "Gen 1-3", "Salmo 23",
// "Juan 3,16", "San Juan 3", a book alone for its first chapter, and for a book of one chapter a
// number alone for a verse ("Jude 5"); names and short forms in English or Spanish, in any letter
// case, with accents or without. None for text that names no book, or a chapter or verse that no
// book has.
std::optional<PassageReference> ReadPassageReference(const std::string& text);
