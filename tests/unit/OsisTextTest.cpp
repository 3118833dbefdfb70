#include "tools/quillbook/OsisText.h"

#include <gtest/gtest.h>

namespace {

std::string Plain(const std::string& markup) {
    bool bookEnds = false;
    return PlainVerseText(markup, bookEnds);
}

} // namespace

// Each piece of markup as the three modules write it, and what a reader reads of it.
TEST(OsisText, ReadsTheWordsOfAVerseAndNothingElse) {
    const struct {
        const char* markup;
        const char* text;
    } cases[] = {
        {"In the <w lemma=\"strong:H7225\">beginning</w> God.", "In the beginning God."},
        {"darkness <transChange type=\"added\">was</transChange> upon", "darkness was upon"},
        {"of the <divineName><w lemma=\"strong:H3068\">LORD</w></divineName>.", "of the LORD."},
        // a note leaves a blank between words, none before punctuation after it
        {"<w>knew</w><note placement=\"foot\"><reference>4:1 </reference>or, lay with</note><w>Eve</w>", "knew Eve"},
        {"conceived,<note placement=\"foot\">or, became pregnant</note><w>and</w>", "conceived, and"},
        {"offspring.<note placement=\"foot\">or, seed</note>\xE2\x80\x9D <div eID=\"x\" type=\"x-p\"/>",
         "offspring.\xE2\x80\x9D"},
        {"coins</q> <note placement=\"foot\">An assarion</note>? Not", "coins? Not"},
        {"walk\xE2\x80\x99</q> ?\xE2\x80\x9D", "walk\xE2\x80\x99?\xE2\x80\x9D"},
        {"word<note>a <note>nested</note> note</note> next", "word next"},
        // a canonical psalm title stays at the start, other headings go
        {"<title canonical=\"true\" type=\"psalm\">A Psalm of David.</title> <lg sID=\"a\"/>LORD, how",
         "A Psalm of David. LORD, how"},
        {"<title type=\"main\">The Second Book</title>In", "In"},
        {"<title>BETH</title><w>Wherewithal</w>", "Wherewithal"},
        {"<speaker>Beloved</speaker> <lg sID=\"x\"/>Let him", "Let him"},
        // lines of poetry and paragraphs part words; milestones and empty elements do not show
        {"increased!<l eID=\"a\" level=\"1\"/><l level=\"2\" sID=\"b\"/>Many", "increased! Many"},
        {"<milestone type=\"x-usfm-toc1\" n=\"Genesis\"/><chapter n=\"1\" sID=\"Gen.1\"/>Text", "Text"},
        {"<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"pv1\"/>Now", "Now"},
        // entities, and white space
        {"salt &amp; light &lt;&gt; &quot;q&quot; &apos;a&apos; &#233;t&#xE9;",
         "salt & light <> \"q\" 'a' \xC3\xA9t\xC3\xA9"},
        {"AT&T &bogus; &", "AT&T &bogus; &"},
        {"  several\t\r\n blanks   here  ", "several blanks here"},
        {"<q marker=\"\">quoted</q>, said he", "quoted, said he"},
        {"\xC2\xBF<w>Qui\xC3\xA9n</w>? \xC2\xA1Oh!", "\xC2\xBFQui\xC3\xA9n? \xC2\xA1Oh!"},
        {"", ""},
        {"<unclosed", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plain(c.markup), c.text) << c.markup;
}

TEST(OsisText, NothingAfterTheEndOfTheBookIsVerseText) {
    bool bookEnds = false;
    EXPECT_EQ(
        PlainVerseText("the grace. <div eID=\"gen1\" type=\"book\"/> <div type=\"glossary\"/>Abba: Father", bookEnds),
        "the grace.");
    EXPECT_TRUE(bookEnds);
    EXPECT_EQ(PlainVerseText("<div sID=\"gen1\" type=\"book\"/>Begins", bookEnds), "Begins");
    EXPECT_FALSE(bookEnds) << "the start of a book ends nothing";
}

// Whatever the markup, the text has no tag, no double blank and no blank at either end.
TEST(OsisText, NoMarkupEverLeavesATagOrAStrayBlank) {
    const std::string pieces[] = {
        "<w>",  "</w>",  "<note>",  "</note>",  " ",  "word",         ",",
        "<l/>", "&amp;", "<title>", "</title>", "\n", "\xE2\x80\x9D", "<div eID=\"a\" type=\"x-p\"/>"};
    unsigned seed = 7;
    for (int round = 0; round < 3000; ++round) {
        std::string markup;
        for (int n = 0; n < 12; ++n) {
            seed = seed * 1103515245 + 12345;
            markup += pieces[(seed >> 16) % std::size(pieces)];
        }
        const std::string text = Plain(markup);
        ASSERT_EQ(text.find('<'), std::string::npos) << markup;
        ASSERT_EQ(text.find("  "), std::string::npos) << markup;
        ASSERT_EQ(text.find('\n'), std::string::npos) << markup;
        if (!text.empty()) {
            ASSERT_NE(text.front(), ' ') << markup;
            ASSERT_NE(text.back(), ' ') << markup;
        }
    }
}
