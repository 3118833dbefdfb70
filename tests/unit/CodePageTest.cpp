#include "framework/core/CodePage.h"

#include <gtest/gtest.h>

// Each code page's bytes for "ñ¿", "Ж" and "道", and the UTF-8 they stand for.
TEST(CodePage, TextGoesToUtf8AndBackInEachCodePage) {
    const struct {
        unsigned codePage;
        std::string bytes, utf8;
    } cases[] = {
        {1252, "\xF1\xBF\x93\x94", "\xC3\xB1\xC2\xBF\xE2\x80\x9C\xE2\x80\x9D"},
        {1251, "\xC6", "\xD0\x96"},
        {936, "\xB5\xC0", "\xE9\x81\x93"},
        {utf8CodePage, "\xE9\x81\x93", "\xE9\x81\x93"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(ToUtf8(c.bytes, c.codePage), c.utf8);
        std::string back;
        EXPECT_TRUE(FromUtf8(c.utf8, c.codePage, back));
        EXPECT_EQ(back, c.bytes);
    }
}

TEST(CodePage, WhatACodePageLacksIsMarkedAndReported) {
    std::string out;
    EXPECT_FALSE(FromUtf8("C:\\\xC5\x81\xC3\xB3"
                          "d\xC5\xBA\\\xE6\x97\xA5.pdb",
                          1252, out))
        << "Ł and 日 are no 1252";
    EXPECT_EQ(out, "C:\\?\xF3"
                   "d?\\?.pdb");
    EXPECT_FALSE(FromUtf8("bad \xE9 byte", 1252, out)) << "no UTF-8";
    EXPECT_FALSE(FromUtf8("a", 1, out)) << "no code page";
    EXPECT_TRUE(FromUtf8("", 1252, out));
    EXPECT_EQ(out, "");
    // The ANSI code page: Windows-1252 stands for it where the system has none.
    EXPECT_TRUE(FromUtf8("caf\xC3\xA9", ansiCodePage, out));
    EXPECT_FALSE(KnownCodePage(ansiCodePage)) << "a book that names no code page names none";
    EXPECT_TRUE(KnownCodePage(1251));
}

// What a byte that is no character becomes is the platform's (Windows gives 0x81 of 1252 as U+0081);
// it never takes the characters around it along.
TEST(CodePage, BytesThatAreNoCharacterLeaveTheirNeighboursWhole) {
    const std::string unassigned = ToUtf8("a\x81"
                                          "b",
                                          1252);
    EXPECT_EQ(unassigned.front(), 'a');
    EXPECT_EQ(unassigned.back(), 'b');
    EXPECT_EQ(ToUtf8("z\xB5", 936).front(), 'z') << "a lead byte without its trail";
    EXPECT_EQ(ToUtf8("a\xC3", utf8CodePage), "a\xEF\xBF\xBD") << "a cut UTF-8 sequence";
    EXPECT_EQ(ToUtf8("as is", 1), "as is") << "an unknown code page changes nothing";
}
