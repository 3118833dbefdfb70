#include "tools/quillbook/OsisText.h"
#include "tools/quillbook/TextMarks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Plain(const std::string& markup) { return PlainVerseText(markup); }

struct Reading {
    const char* markup;
    const char* text;
};

void ExpectReadings(std::initializer_list<Reading> readings) {
    for (const Reading& reading : readings)
        EXPECT_EQ(Plain(reading.markup), reading.text) << reading.markup;
}

} // namespace

// Each piece of markup as the three modules write it, and what a reader reads of it.
// Each mark of quotations and asides is known at its place and at the end, by its whole length.
TEST(TextMarks, EachMarkIsMeasuredWhole) {
    for (const char* mark : {"(", "[", "\xE2\x80\x9C", "\xE2\x80\x98", "\xC2\xAB", "\xC2\xBF", "\xC2\xA1"}) {
        EXPECT_EQ(OpeningMarkAt(std::string("a") + mark + "b", 1), std::strlen(mark)) << mark;
        EXPECT_EQ(OpeningMarkAtEnd(std::string("a") + mark), std::strlen(mark)) << mark;
        EXPECT_EQ(ClosingMarkAt(std::string("a") + mark, 1), 0u) << mark;
    }
    for (const char* mark : {")", "]", "\xE2\x80\x9D", "\xE2\x80\x99", "\xC2\xBB"}) {
        EXPECT_EQ(ClosingMarkAt(std::string("a") + mark + "b", 1), std::strlen(mark)) << mark;
        EXPECT_EQ(ClosingMarkAtEnd(std::string("a") + mark), std::strlen(mark)) << mark;
        EXPECT_EQ(OpeningMarkAtEnd(std::string("a") + mark), 0u) << mark;
    }
}

TEST(OsisText, ReadsTheWordsOfAVerseAndNothingElse) {
    ExpectReadings({
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
        // an empty element within a note ends nothing: the note ends at its own end tag
        {"<note>see <reference osisRef=\"x\"/> there</note> words", "words"},
        {"life<note type=\"x\">or, <lb/>breath<milestone type=\"x\"/></note> and", "life and"},
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
    });
}

// Numeric references of any length, in decimal or in hexadecimal of either case, become the UTF-8
// of their character, of one to four bytes; a reference to no character (0, or past U+10FFFF) is
// left as it is written, and the words after it are read.
TEST(OsisText, NumericReferencesBecomeUtf8AndThoseToNoCharacterStayAsWritten) {
    ExpectReadings({
        {"&#8220;Hear&#8221;", "\xE2\x80\x9CHear\xE2\x80\x9D"},
        {"&#00065;&#65;", "AA"},
        {"Israel&#X2019;s &#x2019;", "Israel\xE2\x80\x99s \xE2\x80\x99"},
        // the last character of each length of sequence, and the first of the next
        {"&#x7F;", "\x7F"},
        {"&#x80;", "\xC2\x80"},
        {"&#x7FF;", "\xDF\xBF"},
        {"&#x800;", "\xE0\xA0\x80"},
        {"&#xFFFF;", "\xEF\xBF\xBF"},
        {"&#x10000;", "\xF0\x90\x80\x80"},
        {"&#x10FFFF; &#1114111;", "\xF4\x8F\xBF\xBF \xF4\x8F\xBF\xBF"},
        // no character
        {"a&#0;b", "a&#0;b"},
        {"&#x0; and more", "&#x0; and more"},
        {"&#x110000; &#1114112; end", "&#x110000; &#1114112; end"},
        {"&#; &#x; &#-1;", "&#; &#x; &#-1;"},
    });
}

// Words of elements set side by side with no blank between: after an element has ended, the next
// element starts a word of its own, as an added word between two words does. What goes on after
// the end tag without a new element stays on the word, and so does an added object pronoun that
// the Reina-Valera of 1909 writes on to its verb, a verb that opens a question among them, but not
// one after a name or a question word.
TEST(OsisText, AnElementThatBeginsWhereAnotherEndedStartsAWordUnlessItIsWrittenOn) {
    ExpectReadings({
        {"<w>hay all\xC3\xAD</w><transChange type=\"added\">tambi\xC3\xA9n</transChange><w>bdelio</w>",
         "hay all\xC3\xAD tambi\xC3\xA9n bdelio"},
        {"<w>righteousness</w>.\xE2\x80\x9D</q><w>Then</w>", "righteousness.\xE2\x80\x9D Then"},
        // joined
        {"<w>with tear</w>s,", "with tears,"},
        {"<w>y alc\xC3\xA1nce</w><transChange type=\"added\">la</transChange>;", "y alc\xC3\xA1ncela;"},
        {"y dijo \xC2\xBF<w>Haz</w><transChange type=\"added\">lo</transChange>?", "y dijo \xC2\xBFHazlo?"},
        {"<w>y manifestar\xC3\xA9</w><transChange type=\"added\">lo a\xC3\xBAn</transChange>;",
         "y manifestar\xC3\xA9lo a\xC3\xBAn;"},
        // parted again
        {"a los cuales <w>Josu\xC3\xA9</w><transChange type=\"added\">los</transChange> <w>circuncid\xC3\xB3</w>",
         "a los cuales Josu\xC3\xA9 los circuncid\xC3\xB3"},
        {"<w>cu\xC3\xA1nto</w><transChange type=\"added\">nos</transChange>", "cu\xC3\xA1nto nos"},
    });
}

TEST(OsisText, NothingAfterTheEndOfTheBookIsVerseText) {
    EXPECT_EQ(Plain("the grace. <div eID=\"gen1\" type=\"book\"/> <div type=\"glossary\"/>Abba: Father"), "the grace.");
    EXPECT_EQ(Plain("<div sID=\"gen1\" type=\"book\"/>Begins here"), "Begins here")
        << "the start of a book ends nothing";
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
