#include "tools/quillbook/AddedWords.h"

#include "framework/core/Utf8.h"

#include <cstring>

namespace {

bool OneOf(const std::string& text, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (text == word) return true;
    return false;
}

bool EndsWith(const std::string& text, const char* end) {
    const std::size_t length = std::strlen(end);
    return text.size() >= length && text.compare(text.size() - length, length, end) == 0;
}

bool IsVowel(const std::string& text, std::size_t at, bool& accented, bool& weak) {
    static const struct {
        const char* letter;
        bool accented, weak;
    } vowels[] = {{"a", false, false},       {"e", false, false},       {"o", false, false},
                  {"i", false, true},        {"u", false, true},        {"\xC3\xA1", true, false},
                  {"\xC3\xA9", true, false}, {"\xC3\xB3", true, false}, {"\xC3\xAD", true, true},
                  {"\xC3\xBA", true, true},  {"\xC3\xBC", false, true}};
    for (const auto& vowel : vowels) {
        if (text.compare(at, std::strlen(vowel.letter), vowel.letter) == 0) {
            accented = vowel.accented;
            weak = vowel.weak;
            return true;
        }
    }
    return false;
}

// How many syllables follow the one that word's written accent stresses; -1 where it has none. A
// weak vowel (i, u) next to another makes one syllable with it, unless the accent falls on it.
int SyllablesAfterAccent(const std::string& word) {
    int after = -1;
    bool inVowels = false, previousStrong = false, previousAccented = false;
    for (std::size_t at = 0; at < word.size();) {
        bool accented = false, weak = false;
        if (!IsVowel(word, at, accented, weak)) {
            inVowels = false;
            at += Utf8SequenceLength(static_cast<unsigned char>(word[at]));
            continue;
        }
        const bool newSyllable =
            !inVowels || (!weak && previousStrong) || (previousAccented && weak) || (accented && weak);
        if (accented) {
            after = 0;
        } else if (after >= 0 && newSyllable) {
            ++after;
        }
        inVowels = true;
        previousStrong = !weak;
        previousAccented = accented && weak;
        at += Utf8SequenceLength(static_cast<unsigned char>(word[at]));
    }
    return after;
}

const std::initializer_list<const char*> pronouns = {"lo", "la", "los", "las", "le", "les",
                                                     "me", "te", "se",  "nos", "os"};

// Whether word ends in a pronoun already, leaving out the endings that a plural has anyway.
bool EndsWithPronoun(const std::string& word) {
    for (const char* pronoun : {"me", "te", "se", "le", "lo", "la", "nos"})
        if (EndsWith(word, pronoun)) return true;
    return false;
}

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// The first letter of text as a capital: an ASCII capital, or an accented capital of Latin-1.
bool BeginsWithCapital(const std::string& text) {
    if (text.empty()) return false;
    if (IsCapital(text[0])) return true;
    return text.size() > 1 && text[0] == '\xC3' && static_cast<unsigned char>(text[1]) >= 0x80 &&
           static_cast<unsigned char>(text[1]) <= 0x9E;
}

} // namespace

bool JoinsAsPronoun(const std::string& word, const std::string& added, bool sentenceStart) {
    if (!OneOf(added.substr(0, added.find(' ')), pronouns)) return false;
    if (BeginsWithCapital(word) && !sentenceStart) return false;
    std::string lower = word;
    if (!lower.empty() && IsCapital(lower[0])) lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
    if (OneOf(lower, {"cu\xC3\xA1nto", "cu\xC3\xA1nta", "cu\xC3\xA1ntos", "cu\xC3\xA1ntas", "qu\xC3\xA9", "c\xC3\xB3mo",
                      "d\xC3\xB3nde", "cu\xC3\xA1ndo", "qui\xC3\xA9n"}))
        return false;
    if (OneOf(lower, {"da", "di", "vi", "ve", "ten", "pon", "ven", "haz", "id"})) return true;
    if (EndsWith(lower, "r") || EndsWith(lower, "d") || EndsWith(lower, "z") || EndsWith(lower, "ndo")) return true;
    // A written accent on the last two syllables marks a verb that keeps its stress with the
    // pronoun on (sáca, alcánce, plantó); further back it is a word's own (ejército), unless the
    // word holds a pronoun already (Júrame).
    const int after = SyllablesAfterAccent(lower);
    return after >= 0 && (after <= 1 || EndsWithPronoun(lower));
}
