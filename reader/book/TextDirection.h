#pragma once

#include <string>

// Whether UTF-8 text reads right to left: more of its letters are of a right-to-left script
// (Hebrew, Arabic, Syriac, Thaana, N'Ko, Samaritan, Mandaic) than of any other. Headings and
// numbers in another script do not turn a Hebrew day around.
bool ReadsRightToLeft(const std::string& text);
