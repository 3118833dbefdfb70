#pragma once

#include <string>

// Words that translators added to a verse (<transChange type="added">) and that the markup sets
// directly after the word before, with no blank: most are words of their own ("hay allí" +
// "también"), but a Spanish object pronoun added to a verb is written on to it ("alcánce" + "la" is
// "alcáncela", "manifestaré" + "lo aún" is "manifestarélo aún"). True where added, in UTF-8,
// begins with such a pronoun and word, the word before it, reads
// as a verb that takes one: an infinitive or an imperative in -r, -d or -z, a gerund in -ndo, a short
// imperative or preterite (da, di, vi, ...), or a form with a written accent, as the Reina-Valera
// of 1909 writes a verb with its pronoun. A capital word within a sentence is a name (Jehová,
// Josué), and an accented question word (cuánto) no verb. sentenceStart says whether word begins
// its sentence.
bool JoinsAsPronoun(const std::string& word, const std::string& added, bool sentenceStart);
