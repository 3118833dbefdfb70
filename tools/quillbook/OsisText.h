#pragma once

#include <string>

// The text of one entry of a SWORD module as a reader reads it, from its OSIS markup, in UTF-8:
// the words of the verse and of a canonical psalm title (which stands at the start of its verse);
// no notes, cross-references or other headings, no tags, entities decoded, white space made single
// blanks, none at either end. A note leaves a blank between the words on either side of it, and
// none before the punctuation after it. An element that begins where another ended starts another
// word, unless it is a pronoun written on to its verb (AddedWords.h). Nothing after the end of the
// book is read: what follows it (a glossary, in one module) is no verse text.
std::string PlainVerseText(const std::string& markup);
