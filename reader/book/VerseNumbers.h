#pragma once

#include <string>

// A record's text without the number at the start of each verse: "16 For God so loved" reads "For
// God so loved". The first line, which names the passage, and the chapters' headings ("Psalm 23",
// "1 Corinthians 13") stay whole, and a verse that itself begins with a number loses only its own.
std::string WithoutVerseNumbers(const std::string& text);
