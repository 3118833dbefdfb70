#pragma once

#include <cstdint>
#include <vector>

// A Windows language id: the primary language in its low 10 bits, the country's variant above.
using LanguageId = std::uint16_t;

// Of the languages a program's texts exist in, the one for a user whose display language is
// wanted: that one itself, else the first of the same primary language (Spanish of Mexico reads
// Spanish of Spain), else fallback.
LanguageId ChooseLanguage(LanguageId wanted, const std::vector<LanguageId>& available, LanguageId fallback);
