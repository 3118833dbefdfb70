#include "reader/book/TextDirection.h"

#include <gtest/gtest.h>

TEST(TextDirection, TheScriptOfMostLettersDecides) {
    const std::string hebrew = "\xD7\x91\xD6\xBC\xD7\xA8\xD7\x90\xD7\xA9\xD7\x99\xD7\xAA";  // בּראשית
    const std::string arabic = "\xD9\x81\xD9\x8A \xD8\xA7\xD9\x84\xD8\xA8\xD8\xAF\xD8\xA1"; // في البدء
    EXPECT_TRUE(ReadsRightToLeft(hebrew));
    EXPECT_TRUE(ReadsRightToLeft(arabic));
    EXPECT_TRUE(ReadsRightToLeft("Day 1 of 365:\r\n\r\n1 " + hebrew + " " + hebrew)) << "a heading in English";
    EXPECT_FALSE(ReadsRightToLeft("Verse 12:\r\n\r\nGenesis 1 " + hebrew)) << "a Hebrew word in English text";
    EXPECT_FALSE(ReadsRightToLeft("\xCE\x95\xCE\xBD \xD0\x92 \xE9\x81\x93")) << "Greek, Cyrillic and Chinese";
    EXPECT_FALSE(ReadsRightToLeft("")) << "nothing, left to right";
    EXPECT_FALSE(ReadsRightToLeft("1:1 \xD9\xA1\xD9\xA2 !")) << "digits, even Arabic ones, read either way";
    // Points and cantillation marks are no letters: a pointed word counts as its letters.
    EXPECT_FALSE(ReadsRightToLeft("\xD7\x90\xD6\xB0\xD6\xB0\xD6\xB0\xD6\xB0 ab"));
    EXPECT_FALSE(ReadsRightToLeft("\xD7\xFF\xE0\x80 abc")) << "broken sequences are no letters";
}
