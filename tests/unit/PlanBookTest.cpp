#include "reader/book/BookFile.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/CodePage.h"
#include "tools/quillbook/PlanBook.h"
#include "tools/quillbook/SwordImport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// An import file as mod2imp writes one: headings, introductions, then the verses given, each
// "BOOK C:V=MARKUP".
std::string ImportFile(const std::vector<std::string>& entries) {
    std::string text = "$$$[ Module Heading ]\n\n$$$[ Testament 1 Heading ]\n<milestone type=\"x-importer\"/>\n";
    for (const std::string& entry : entries) {
        const std::size_t equals = entry.find('=');
        text += "$$$" + entry.substr(0, equals) + "\n" + entry.substr(equals + 1) + "\n";
    }
    return text;
}

std::vector<PlanVerse> Verses(const std::vector<std::tuple<int, int, int>>& keys) {
    std::vector<PlanVerse> verses;
    for (const auto& [book, chapter, verse] : keys)
        verses.push_back({book, chapter, verse, "text"});
    return verses;
}

PlanOptions Options(Plan plan, Language language = Language::english, const std::string& title = "",
                    const std::string& description = "") {
    return {plan, language, 1252, title, description, "", "", ""};
}

// Proverbs in 31 chapters of two verses; chapter 3's first verse as given.
std::string Proverbs(const std::string& firstOfChapter3 = "Trust") {
    std::vector<std::string> entries;
    for (int chapter = 1; chapter <= 31; ++chapter) {
        entries.push_back("Proverbs " + std::to_string(chapter) + ":0=<chapter n=\"" + std::to_string(chapter) +
                          "\"/>");
        entries.push_back("Proverbs " + std::to_string(chapter) + ":1=" + (chapter == 3 ? firstOfChapter3 : "Wisdom."));
        entries.push_back("Proverbs " + std::to_string(chapter) + ":2=<w>Hear</w> \xE2\x80\x9Cthis\xE2\x80\x9D.");
    }
    return ImportFile(entries);
}

} // namespace

TEST(SwordImport, ReadsTheVersesAndLeavesOutHeadingsAndIntroductions) {
    std::vector<ModuleVerse> verses;
    std::string error;
    ASSERT_TRUE(ReadSwordImport(
        ImportFile({"Genesis 0:0=<title>The First Book</title>", "Genesis 1:0=<chapter/>",
                    "Genesis 1:1=In the <w>beginning</w>", "Genesis 1:2=", "Song of Solomon 2:10=Rise up"}),
        verses, error))
        << error;
    ASSERT_EQ(verses.size(), 3u);
    EXPECT_EQ(verses[0].book, "Genesis");
    EXPECT_EQ(verses[0].text, "In the beginning");
    EXPECT_EQ(verses[1].text, "") << "an empty verse is kept, empty";
    EXPECT_EQ(verses[2].book, "Song of Solomon");
    EXPECT_EQ(verses[2].chapter, 2);
    EXPECT_EQ(verses[2].verse, 10);

    ASSERT_TRUE(ReadSwordImport("$$$John 3:16\r\nFor God\r\n", verses, error));
    EXPECT_EQ(verses[0].text, "For God");
}

TEST(SwordImport, TextThatIsNoImportFileIsRefused) {
    std::vector<ModuleVerse> verses;
    std::string error;
    for (const char* text : {"", "The Book of Proverbs\n%%\nverse\n", "$$$[ Module Heading ]\n"}) {
        EXPECT_FALSE(ReadSwordImport(text, verses, error)) << text;
        EXPECT_NE(error.find("no SWORD import file"), std::string::npos) << error;
    }
}

// Only the first line tells an import file: a file that begins with another line, such as a
// title over the entries, is no import file, whatever follows.
TEST(SwordImport, AFileWhoseFirstLineIsNoEntryIsRefusedThoughEntriesFollow) {
    std::vector<ModuleVerse> verses;
    std::string error;
    for (const char* text : {"The Bible\n$$$John 3:16\nFor God\n", "John 3:16\n$$$John 3:17\nFor God sent\n",
                             "%%\r\n$$$John 3:16\r\nFor God\r\n"}) {
        EXPECT_FALSE(ReadSwordImport(text, verses, error)) << text;
        EXPECT_NE(error.find("no SWORD import file"), std::string::npos) << error;
    }
}

TEST(PlanBook, TheReadingOfADayNamesItsFirstAndLastVerse) {
    const auto wholeAndParts = Verses({{0, 1, 1}, {0, 1, 2}, {0, 2, 1}, {0, 2, 2}, {1, 1, 1}, {1, 1, 2}});
    const std::pair<std::vector<std::size_t>, const char*> cases[] = {
        {{0, 1}, "Genesis 1"},
        {{0, 1, 2, 3}, "Genesis 1-2"},
        {{2, 3, 4, 5}, "Genesis 2 - Exodus 1"},
        {{1}, "Genesis 1:2"},
        {{0}, "Genesis 1:1"},
        {{1, 2}, "Genesis 1:2-2:1"},
        {{0, 1, 2}, "Genesis 1:1-2:1"},
        {{3, 4}, "Genesis 2:2 - Exodus 1:1"},
    };
    for (const auto& [day, reading] : cases)
        EXPECT_EQ(DayReading(wholeAndParts, day, Language::english), reading) << reading;

    const auto psalms = Verses({{psalmsBook, 23, 1}, {psalmsBook, 24, 1}});
    EXPECT_EQ(DayReading(psalms, {0}, Language::english), "Psalm 23");
    EXPECT_EQ(DayReading(psalms, {0, 1}, Language::english), "Psalms 23-24");
    EXPECT_EQ(DayReading(psalms, {0, 1}, Language::spanish), "Salmos 23-24");
    EXPECT_EQ(DayReading(Verses({{65, 1, 1}}), {0}, Language::spanish), "Apocalipsis 1");
}

// A book of one chapter ends that chapter where the next book begins, though the next begins
// again at chapter 1: a day that begins or ends at that change reads whole chapters.
TEST(PlanBook, ADayNextToABookOfOneChapterReadsWholeChapters) {
    const int obadiah = BookIndex("Obadiah"), jonah = BookIndex("Jonah"), jude = BookIndex("Jude"),
              revelation = BookIndex("Revelation of John");
    const auto verses = Verses({{obadiah, 1, 1}, {obadiah, 1, 2}, {jonah, 1, 1}, {jonah, 1, 2}, {jonah, 2, 1}});
    const auto end = Verses({{jude, 1, 1}, {jude, 1, 2}, {revelation, 1, 1}, {revelation, 1, 2}});
    const struct {
        const std::vector<PlanVerse>& verses;
        std::vector<std::size_t> day;
        const char* reading;
    } cases[] = {
        {verses, {2, 3, 4}, "Jonah 1-2"},
        {verses, {2, 3}, "Jonah 1"},
        {verses, {0, 1}, "Obadiah 1"},
        {verses, {0, 1, 2, 3}, "Obadiah 1 - Jonah 1"},
        {verses, {1, 2}, "Obadiah 1:2 - Jonah 1:1"},
        {end, {2, 3}, "Revelation 1"},
        {end, {0, 1}, "Jude 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayReading(c.verses, c.day, Language::english), c.reading) << c.reading;
    EXPECT_EQ(DayReading(verses, {2, 3, 4}, Language::spanish), "Jon\xC3\xA1s 1-2");
}

TEST(PlanBook, ADayShowsItsReadingThenEachChapterNamedBeforeItsNumberedVerses) {
    auto verses = Verses({{0, 1, 29}, {0, 1, 30}, {0, 1, 31}, {0, 2, 1}, {0, 2, 2}});
    verses[1].text = "And to every beast.";
    verses[2].text = "And God saw.";
    verses[3].text = "Thus the heavens.";
    EXPECT_EQ(
        DayText(verses, {1, 2, 3}, Language::english),
        "Genesis 1:30-2:1\n\nGenesis 1\n30 And to every beast.\n31 And God saw.\n\nGenesis 2\n1 Thus the heavens.");
    EXPECT_EQ(DayText(Verses({{psalmsBook, 117, 1}}), {0}, Language::spanish), "Salmo 117\n\nSalmo 117\n1 text");
}

TEST(PlanBook, AProverbsBookInCodePage1252) {
    std::string bytes, error;
    ASSERT_TRUE(MakePlanBook(Proverbs(), Options(Plan::proverbsMonthly, Language::spanish), 0, bytes, error)) << error;
    TempFolder folder;
    BookFile book;
    ASSERT_TRUE(book.OpenBook(folder.Write("book.pdb", bytes).c_str()));
    EXPECT_NE(std::string(book.GetRecordText(365)), "");
    EXPECT_EQ(std::string(book.GetRecordText(366)), "") << "365 days";
    CString title, description;
    book.GetTitleAndDescription(title, description);
    EXPECT_EQ(std::string(title), "Proverbios, un cap\xEDtulo al d\xED"
                                  "a")
        << "in code page 1252";
    EXPECT_EQ(std::string(book.GetRecordText(32)),
              "Proverbios 1\r\n\r\nProverbios 1\r\n1 Wisdom.\r\n2 Hear \x93this\x94.");
}

TEST(PlanBook, ErrorsSayWhatIsWrongAndMakeNoBook) {
    const struct {
        std::string text;
        PlanOptions options;
        const char* says;
    } cases[] = {
        {"no import file", Options(Plan::proverbsMonthly), "no SWORD import file"},
        {Proverbs(), Options(Plan::psalms), "no verse of Psalms"},
        {Proverbs("Trust in the \xE2\x88\x9E LORD"), Options(Plan::proverbsMonthly),
         "Proverbs 3:1 holds \xE2\x80\x9C\xE2\x88\x9E\xE2\x80\x9D (U+221E), which code page 1252 cannot hold"},
        {Proverbs("\xD0\x96"), Options(Plan::proverbsMonthly), "(U+0416)"},
        {Proverbs(), Options(Plan::proverbsMonthly, Language::english, "Title $ with a dollar"), "\"$\""},
        {Proverbs(), Options(Plan::proverbsMonthly, Language::english, "", "\xE2\x98\x83"), "the description holds"},
    };
    for (const auto& c : cases) {
        std::string bytes = "untouched", error;
        EXPECT_FALSE(MakePlanBook(c.text, c.options, 0, bytes, error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_TRUE(bytes == "untouched") << "a book was made";
    }
}

// Where a day holds several characters that the code page cannot hold, in verses of its own and
// in later days, the error names the first: its verse, and the first such character in that verse.
TEST(PlanBook, OfSeveralCharactersTheCodePageLacksTheFirstIsNamed) {
    const std::map<std::pair<int, int>, std::string> texts = {
        {{3, 1}, "Trust in the \xE2\x88\x9E LORD, \xD0\x96"},
        {{3, 2}, "Hear \xD0\x96."},
        {{5, 1}, "\xE2\x98\x83 snow."},
    };
    std::vector<std::string> entries;
    for (int chapter = 1; chapter <= 31; ++chapter) {
        for (int verse = 1; verse <= 2; ++verse) {
            const auto text = texts.find({chapter, verse});
            entries.push_back("Proverbs " + std::to_string(chapter) + ":" + std::to_string(verse) + "=" +
                              (text == texts.end() ? "Wisdom." : text->second));
        }
    }
    std::string bytes, error;
    EXPECT_FALSE(MakePlanBook(ImportFile(entries), Options(Plan::proverbsMonthly), 0, bytes, error));
    EXPECT_EQ(error, "Proverbs 3:1 holds \xE2\x80\x9C\xE2\x88\x9E\xE2\x80\x9D (U+221E), which code page 1252 "
                     "cannot hold");
}

TEST(CodePage, Utf8GoesOverToItsOwnBytesOrIsNamed) {
    std::string out, unwritable;
    ASSERT_TRUE(FromUtf8("\xE2\x80\x9CQui\xC3\xA9n\xE2\x80\x9D \xE2\x80\x94 \xC2\xBF\xC3\xB1?", 1252, out, unwritable));
    EXPECT_EQ(out, "\x93Qui\xE9n\x94 \x97 \xBF\xF1?");
    EXPECT_FALSE(FromUtf8("a\xE2\x88\x9E", 1252, out, unwritable));
    EXPECT_EQ(unwritable, "\xE2\x80\x9C\xE2\x88\x9E\xE2\x80\x9D (U+221E)");
    EXPECT_FALSE(FromUtf8("bad \xE9 byte", 1252, out, unwritable));
    EXPECT_EQ(unwritable, "a byte that is no UTF-8");
    ASSERT_TRUE(FromUtf8("\xD0\x96", 1251, out, unwritable)) << "Cyrillic in its own code page";
    EXPECT_EQ(out, "\xC6");
    EXPECT_TRUE(KnownCodePage(1252));
    EXPECT_FALSE(KnownCodePage(1));
    EXPECT_FALSE(FromUtf8("a", 1, out, unwritable));
}

// Bytes that begin no character, or begin one that is not there whole, are named as bytes that
// are no UTF-8, not as the character a code page would read in them.
TEST(CodePage, BytesThatAreNoUtf8AreNamedAsSuch) {
    const char* const texts[] = {
        "a\x80 b",              // a continuation byte with no lead byte
        "\xBF",                 // the same, alone
        "\xC3\xA9\x80",         // after a whole character
        "\xE2\x80\x9C\x80\x80", // after a whole character of three bytes
        "\xE2\x80",             // a character cut short at the end
        "\xE2\x80 x",           // and before a blank
    };
    for (const char* text : texts) {
        std::string out, unwritable;
        EXPECT_FALSE(FromUtf8(text, 1252, out, unwritable)) << text;
        EXPECT_EQ(unwritable, "a byte that is no UTF-8") << text;
    }
}

namespace {

// Genesis 1-3, Psalms 1 and 23, John 3 and Jude, three verses each, Genesis 2:2 empty in the module.
std::string SmallBible() {
    std::vector<std::string> entries;
    for (const auto& [book, chapters] :
         std::vector<std::pair<std::string, int>>{{"Genesis", 3}, {"Psalms", 23}, {"John", 3}, {"Jude", 1}})
        for (int chapter = 1; chapter <= chapters; chapter += chapters == 23 ? 22 : 1)
            for (int verse = 1; verse <= 3; ++verse)
                entries.push_back(book + " " + std::to_string(chapter) + ":" + std::to_string(verse) + "=" +
                                  (book == "Genesis" && chapter == 2 && verse == 2
                                       ? ""
                                       : book.substr(0, 2) + std::to_string(chapter) + "v" + std::to_string(verse)));
    return ImportFile(entries);
}

} // namespace

// A plan of one's own: a day for each line, every line's passages in their order, read back through
// the reader's own reading of books; a line that is no reading, or names what the module lacks,
// is named and makes no book.
TEST(PlanBook, ReadingsMakeADayOfEachLine) {
    PlanOptions options = Options(Plan::readings);
    options.list = "# my church's plan\nGen 1-2; Ps 23\n\nSalmo 1:2-3\r\nJude 2; Juan 3:1\n";
    std::string bytes, error;
    ASSERT_TRUE(MakePlanBook(SmallBible(), options, 0, bytes, error)) << error;
    TempFolder folder;
    BookFile book;
    ASSERT_TRUE(book.OpenBook(folder.Write("own.pdb", bytes).c_str()));
    EXPECT_EQ(book.GetBookInfo().kind, BookKind::plan);
    EXPECT_EQ(book.GetBookInfo().planDays, 3);
    EXPECT_EQ(std::string(book.GetRecordText(1)), "Genesis 1-2; Psalm 23\r\n\r\nGenesis 1\r\n1 Ge1v1\r\n2 Ge1v2\r\n3 "
                                                  "Ge1v3\r\n\r\nGenesis 2\r\n1 Ge2v1\r\n3 Ge2v3\r\n\r\nPsalm 23\r\n1 "
                                                  "Ps23v1\r\n2 Ps23v2\r\n3 Ps23v3");
    EXPECT_EQ(std::string(book.GetRecordText(2)), "Psalms 1:2-3\r\n\r\nPsalm 1\r\n2 Ps1v2\r\n3 Ps1v3");
    EXPECT_EQ(std::string(book.GetRecordText(3)),
              "Jude 1:2; John 3:1\r\n\r\nJude 1\r\n2 Ju1v2\r\n\r\nJohn 3\r\n1 Jo3v1");

    const struct {
        std::string lines;
        std::string error;
    } bad[] = {
        {"Gen 1\nGen 0\n", "line 2: \"Gen 0\" is not a passage"},
        {"Hezekiah 1", "line 1: \"Hezekiah 1\" is not a passage"},
        {"John 3:99", "line 1: the source has no John 3:99"},
        {"Gen 2:2", "line 1: the source has no Genesis 2:2"},
        {"Ps 119:200-1", "line 1: \"Ps 119:200-1\" is not a passage"},
        {"Gen 1; ; Ps 1", "line 1: a reading is missing between two \";\""},
        {"Ps 2", "line 1: the source has no Psalms 2"},
        {std::string(10000, 'x'), "line 1: \"" + std::string(60, 'x') + "\" is not a passage"},
        {"Gen 1\n\xC3(\n", "line 2: is not UTF-8 text"},
        {"# nothing\n\n", "the file names no reading"},
    };
    for (const auto& c : bad) {
        options.list = c.lines;
        bytes.clear();
        EXPECT_FALSE(MakePlanBook(SmallBible(), options, 0, bytes, error)) << c.lines.substr(0, 20);
        EXPECT_EQ(error, c.error) << c.lines.substr(0, 20);
        EXPECT_TRUE(bytes.empty());
    }
    std::string many;
    for (int line = 0; line <= mostPlanDays; ++line)
        many += "Jude 1\n";
    options.list = many;
    EXPECT_FALSE(MakePlanBook(SmallBible(), options, 0, bytes, error));
    EXPECT_EQ(error, "line 2001: a plan has at most 2000 days");
    many.resize(many.size() - 7);
    options.list = many;
    EXPECT_TRUE(MakePlanBook(SmallBible(), options, 0, bytes, error)) << error;
}
