#include "tools/quillbook/AddedWords.h"

#include <gtest/gtest.h>

// Cases from the Reina-Valera of 1909, where translators' pronouns follow a word with no blank.
TEST(AddedWords, APronounJoinsTheVerbBeforeItAndNoOtherWord) {
    const struct {
        const char* word;
        const char* added;
        bool sentenceStart, joins;
    } cases[] = {
        {"alc\xC3\xA1nce", "la", false, true},                // a written accent marks the verb with its pronoun
        {"manifestar\xC3\xA9", "lo a\xC3\xBAn", false, true}, // the pronoun begins a longer addition
        {"apretar", "le", false, true},                       // an infinitive
        {"alabad", "le", false, true},                        // an imperative
        {"haz", "la", false, true},
        {"poni\xC3\xA9ndo", "le", false, true},          // a gerund
        {"diciendo", "les", false, true},                // a gerund by its whole ending alone
        {"lado", "la", false, false},                    // ending as a gerund does only in part
        {"di", "les", false, true},                      // a short imperative
        {"Medit\xC3\xA9", "lo", true, true},             // a capital at the start of a sentence
        {"J\xC3\xBArame", "lo", true, true},             // stressed further back, with a pronoun on already
        {"ej\xC3\xA9rcito", "se llamaba", false, false}, // stressed further back: a word's own accent
        {"env\xC3\xAD"
         "a",
         "lo", false, true},                    // an accented weak vowel is a syllable of its own
        {"Jehov\xC3\xA1", "los", false, false}, // a capital within a sentence is a name
        {"Josu\xC3\xA9", "los", false, false},
        {"cu\xC3\xA1nto", "nos", false, false}, // a question word
        {"Dios", "lo", false, false},
        {"y", "la", false, false},
        {"os", "lo", false, false},
        {"no", "lo", false, false},
        {"hay all\xC3\xAD", "tambi\xC3\xA9n", false, false}, // no pronoun: a word of its own
        {"Se\xC3\xB1or", "es", false, false},
        {"ver", "losa", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinsAsPronoun(c.word, c.added, c.sentenceStart), c.joins) << c.word << " + " << c.added;
}
