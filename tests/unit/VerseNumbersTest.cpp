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
