#pragma once

#include <string>

// A record's text without the number at the start of each verse: "16 For God so loved" reads "For
// God so loved". The first line, which names the passage, and the chapters' headings ("Psalm 23",
// "1 Corinthians 13") stay whole, and a verse that itself begins with a number loses only its own.
std::string WithoutVerseNumbers(const std::string& text);

// A day's text as the reader shows it, its heading up to the first empty line and the record after
// it, with the record's verse numbers gone.
std::string ShownWithoutVerseNumbers(const std::string& shown);

// Where unit, a place in text counted in UTF-16 units, lies in WithoutVerseNumbers(text): a place
// within a verse number moves to the start of its verse.
int UnitWithoutVerseNumbers(const std::string& text, int unit);
