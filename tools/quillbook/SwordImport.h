#pragma once

#include <string>
#include <vector>

// One verse of a SWORD module: its book as mod2imp names it (in English, whatever the module's
// language), its chapter and verse, and its plain text in UTF-8, empty for a verse the module
// leaves out.
struct ModuleVerse {
    std::string book;
    int chapter = 0;
    int verse = 0;
    std::string text;
};

// The verses of a SWORD import file as mod2imp writes a module: a "$$$BOOK C:V" line before the
// markup of each entry. Entries that are no verse (module and testament headings, and the book
// and chapter introductions of chapter or verse 0) are left out. False, with a reason, when the
// text is no import file.
bool ReadSwordImport(const std::string& text, std::vector<ModuleVerse>& verses, std::string& error);
