#pragma once

#include "reader/book/PassageReference.h"

#include <optional>
#include <string>
#include <vector>

// Where a passage is in a book's records: the record, and where its verses, or its chapter's
// heading, start and how long they are, in UTF-16 units of the record's text as Windows shows it.
struct PassagePlace {
    int record;
    int start;
    int length;
};

// Finds passage in the records that texts holds, record N at texts[N - 1], in their order. A
// record names its passage on its first line ("John 3:16", "Psalms 28:4-8"), and a chapter on a
// line of its own ("Psalm 28") above its verses, each a line that starts with its number; a
// record of one verse may give it no number. None where no record holds the passage.
std::optional<PassagePlace> FindPassage(const std::vector<std::string>& texts, const PassageReference& passage);

// Whether any record of texts names a passage: an old calendar book names none.
bool NamesPassages(const std::vector<std::string>& texts);
