#pragma once

#include <string>

// The 66 books of the Bible in the King James Version's order, known by the names that mod2imp
// gives them and shown in the language of a book.
enum class Language { english, spanish };

constexpr int bookCount = 66;
constexpr int firstNewTestamentBook = 39; // Matthew
constexpr int psalmsBook = 18;
constexpr int proverbsBook = 19;

// The book's place, 0 to 65, or -1 for a name that is none of them.
int BookIndex(const std::string& importName);
const char* ImportName(int book);
// In UTF-8.
const char* BookName(int book, Language language);
// What one chapter of the book is called: "Psalm 23" of the Psalms, the book's name otherwise.
const char* ChapterName(int book, Language language);
// "en" or "english", "es" or "spanish"; false for others.
bool LanguageByName(const std::string& name, Language& language);

// The book named by name as mod2imp names it ("I Corinthians", "Revelation of John"), by its
// English or Spanish name ("1 Corinthians", "Génesis", "San Juan") or by a common short form of
// either ("1 Cor", "1Cor", "Rev", "Ps", "Matt.", "Sal", "1 Co"), in any letter case, with accents
// or without; -1 for none.
int BookByAnyName(const std::string& name);
// The short forms that BookByAnyName knows, for the usage: "Gen, Ex, ..."
std::string ShortBookNames();
