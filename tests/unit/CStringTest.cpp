#include "framework/core/CString.h"

#include <gtest/gtest.h>

TEST(CString, TextWithLengthEndsAtItsFirstNul) {
    EXPECT_EQ(CString("ab\0cd", 5), CString("ab"));
    EXPECT_EQ(CString("abcd", 2), CString("ab"));
    EXPECT_TRUE(CString("abc", 0).IsEmpty());
    EXPECT_TRUE(CString(nullptr).IsEmpty());
}

TEST(CString, FindsFirstAndLastCharacter) {
    const CString text("a$b$c");
    EXPECT_EQ(text.Find('$'), 1);
    EXPECT_EQ(text.ReverseFind('$'), 3);
    EXPECT_EQ(text.Find('x'), -1);
    EXPECT_EQ(text.ReverseFind('x'), -1);
}

TEST(CString, LeftAndRightClampTheirCount) {
    const CString text("abc");
    EXPECT_EQ(text.Left(2), CString("ab"));
    EXPECT_EQ(text.Left(-1), CString(""));
    EXPECT_EQ(text.Left(9), CString("abc"));
    EXPECT_EQ(text.Right(2), CString("bc"));
    EXPECT_EQ(text.Right(0), CString(""));
    EXPECT_EQ(text.Right(9), CString("abc"));
}

TEST(CString, ReplaceWidensEveryLfOfTheOriginalText) {
    const struct {
        const char *text, *expected;
        int count;
    } cases[] = {
        {"a\nb\n", "a\r\nb\r\n", 2},
        {"a\r\nb", "a\r\r\nb", 1},
        {"\n\n", "\r\n\r\n", 2},
        {"none", "none", 0},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        CString text(c.text);
        EXPECT_EQ(text.Replace("\n", "\r\n"), c.count) << c.text;
        EXPECT_EQ(text, CString(c.expected)) << c.text;
    }
}

TEST(CString, ReplaceMatchesLongerPatternsLeftToRightWithoutOverlap) {
    const struct {
        const char *text, *old, *replacement, *expected;
        int count;
    } cases[] = {
        {"a\r\nb\r\n", "\r\n", "\n", "a\nb\n", 2},
        {"\r\r\n\n", "\r\n", "\n", "\r\n\n", 1}, // no second look at what was replaced
        {"aaaa", "aa", "b", "bb", 2},
        {"aaa", "aa", "", "a", 1},
        {"xabcx", "abc", "", "xx", 1},
        {"ab", "abc", "z", "ab", 0},
        {"abc", "", "z", "abc", 0},
    };
    for (const auto& c : cases) {
        CString text(c.text);
        EXPECT_EQ(text.Replace(c.old, c.replacement), c.count) << c.text << " / " << c.old;
        EXPECT_EQ(text, CString(c.expected)) << c.text << " / " << c.old;
    }
}

TEST(CString, FormatsLikePrintfAtAnyLength) {
    CString text;
    text.Format("Verse %d:\r\n\r\n%s", 365, "end");
    EXPECT_EQ(text, CString("Verse 365:\r\n\r\nend"));
    const std::string longText(5000, 'x');
    text.Format("%s!", longText.c_str());
    EXPECT_EQ(text.GetLength(), 5001);
}

TEST(CString, JoinsAndCompares) {
    CString text("C:\\Quill\\");
    text += CString("quillmere.pdb");
    EXPECT_EQ(text, CString("C:\\Quill\\quillmere.pdb"));
    EXPECT_EQ(CString("a") + CString("b"), CString("ab"));
    EXPECT_NE(CString("a"), CString("b"));
}
