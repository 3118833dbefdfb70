#include "reader/book/VerseNumbers.h"

#include <gtest/gtest.h>

TEST(VerseNumbers, GoFromTheStartOfEveryVerseAndNothingElse) {
    const struct {
        const char* text;
        const char* without;
    } cases[] = {
        {"Psalms 23\r\n\r\nPsalm 23\r\n1 The LORD is my shepherd\r\n2 He maketh me",
         "Psalms 23\r\n\r\nPsalm 23\r\nThe LORD is my shepherd\r\nHe maketh me"},
        {"1 Corinthians 12:31-13:1\r\n\r\n1 Corinthians 12\r\n31 But covet\r\n\r\n1 Corinthians 13\r\n1 Though I",
         "1 Corinthians 12:31-13:1\r\n\r\n1 Corinthians 12\r\nBut covet\r\n\r\n1 Corinthians 13\r\nThough I"},
        {"Judges 7\r\n\r\n7 300 men lapped\r\n176 x", "Judges 7\r\n\r\n300 men lapped\r\nx"},
        {"John 3:16\r\n\r\nFor God so loved", "John 3:16\r\n\r\nFor God so loved"},
        {"1 John 4:8\n\n8 He that loveth not", "1 John 4:8\n\nHe that loveth not"},
        {"Day\r\n1234 not a verse\r\n12\r\n12:3 no\r\n", "Day\r\n1234 not a verse\r\n12\r\n12:3 no\r\n"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutVerseNumbers(c.text), c.without) << c.text;
}

TEST(VerseNumbers, GoFromAShownDayAfterItsHeadingAndPlacesFollow) {
    EXPECT_EQ(ShownWithoutVerseNumbers("Day 3 of 90:\r\n\r\n1 Kings 3\r\n\r\n1 Kings 3\r\n5 In Gibeon"),
              "Day 3 of 90:\r\n\r\n1 Kings 3\r\n\r\n1 Kings 3\r\nIn Gibeon");
    EXPECT_EQ(ShownWithoutVerseNumbers("Verse 7:\n\n7 Ask, and it shall"), "Verse 7:\n\n7 Ask, and it shall")
        << "the record's first line names its passage";
    EXPECT_EQ(ShownWithoutVerseNumbers("Plan ended:"), "Plan ended:");

    const std::string text = "Ps 23\r\n\r\nPsalm 23\r\n1 The LORD\r\n2 He maketh me";
    const std::string without = WithoutVerseNumbers(text);
    for (const char* word : {"Psalm", "The", "LORD", "He", "maketh", "me"}) {
        const int at = static_cast<int>(text.find(word));
        EXPECT_EQ(without.substr(UnitWithoutVerseNumbers(text, at), 2), std::string(word, 2)) << word;
    }
    EXPECT_EQ(UnitWithoutVerseNumbers(text, static_cast<int>(text.find("2 He")) + 1),
              static_cast<int>(without.find("He")))
        << "within a number";
    EXPECT_EQ(UnitWithoutVerseNumbers("Día\n1 ñ\n2 x", 8), 6) << "places count UTF-16 units";
}
