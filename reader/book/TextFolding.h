#pragma once

#include <string>

// Text as a search compares it: in lower case and without accents ("Génesis" as "genesis"), one
// UTF-16 unit for each unit of the text as Windows shows it, so that a place in the one is the same
// place in the other. Latin, Greek and Cyrillic letters are folded; every other character stays.
std::u16string FoldedText(const std::string& utf8);
char16_t FoldedCharacter(char16_t c);

// A letter or digit, which a whole word is made of.
bool IsWordCharacter(char16_t c);
