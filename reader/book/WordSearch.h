#pragma once

#include <string>
#include <vector>

// Where a word searched for is in a record's text, in UTF-16 units as Windows shows the text.
struct WordMatch {
    int start;
    int length;
};

// A record that holds every word searched for: every place where one of them is, in the text's
// order, and a few words around the first, in UTF-8.
struct RecordFound {
    int record;
    std::vector<WordMatch> matches;
    std::string around;
};

// The words of a search, folded as FoldedText folds them; none for one of blanks only.
std::vector<std::u16string> SearchWords(const std::string& query);

// The records of texts, record N at texts[N - 1], that hold all of words, in their order. Letter
// case and accents never matter; a word matches whole words only, unless wholeWords is false.
std::vector<RecordFound> FindWords(const std::vector<std::string>& texts, const std::vector<std::u16string>& words,
                                   bool wholeWords);
