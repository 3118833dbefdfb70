#include "reader/book/TextFolding.h"
#include "reader/book/WordSearch.h"

#include <gtest/gtest.h>

// A few letters of each script folded, one unit for one, and a place after a character beyond the
// first 65,536 counted as Windows counts it.
TEST(TextFolding, FoldsCaseAndAccentsUnitForUnit) {
    EXPECT_EQ(FoldedText("JEHOVÁ Señor Ñandú Ÿ Œ Łódź"), u"jehova senor nandu y œ lodz");
    EXPECT_EQ(FoldedText("ΑΓΆΠΗ ἀγάπη ς"), u"αγαπη ἀγαπη σ");
    EXPECT_EQ(FoldedText("ЁЛКА Слово"), u"елка слово");
    EXPECT_EQ(FoldedText("\xF0\x9F\x98\x80 vine").size(), 7u);
    const auto found = FindWords({"\xF0\x9F\x98\x80 vine, \xCE\xB1\xCE\xB3\xCE\xAC\xCF\x80\xCE\xB7\xC2\xB7"},
                                 SearchWords("VINE αγαπη"), true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].matches.front().start, 3);
    EXPECT_EQ(found[0].matches.back().start, 9);
}
