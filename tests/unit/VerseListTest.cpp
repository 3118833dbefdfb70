#include "reader/book/BookNames.h"
#include "tools/quillbook/PlanBook.h"
#include "tools/quillbook/VerseList.h"

#include <gtest/gtest.h>

TEST(VerseList, BooksAreKnownByTheirImportNamesTheirEnglishNamesAndShortForms) {
    const struct {
        const char* name;
        int book;
    } cases[] = {
        {"Genesis", 0},
        {"gen", 0},
        {"Gen.", 0},
        {"Ps", 18},
        {"Psalm", 18},
        {"psalms", 18},
        {"Song of Solomon", 21},
        {"Song", 21},
        {"I Samuel", 8},
        {"II Kings", 11},
        {"1 Cor", 45},
        {"1Cor", 45},
        {"I Corinthians", 45},
        {"2 Corinthians", 46},
        {"John", 42},
        {"Jn", 42},
        {"1 John", 61},
        {"III John", 63},
        {"3 Jn", 63},
        {"Jude", 64},
        {"Rev", 65},
        {"Revelation of John", 65},
        {"Revelation", 65},
        {"Phil", 49},
        {"Philem", 56},
        {"matt", 39},
        {"  Mark  ", 40},
        {"3 Cor", -1},
        {"Hezekiah", -1},
        {"", -1},
        {"1", -1},
        {"4 John", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BookByAnyName(c.name), c.book) << c.name;
    EXPECT_NE(ShortBookNames().find("Gen"), std::string::npos);
}

TEST(VerseList, AReferenceIsABookAChapterAndAVerseOrARangeInIt) {
    const auto fields = [](const VerseReference& r) {
        return std::vector<int>{r.book, r.chapter, r.firstVerse, r.lastVerse};
    };
    VerseReference reference;
    ASSERT_TRUE(ParseVerseReference("Romans 8:38-39", reference));
    EXPECT_EQ(fields(reference), (std::vector<int>{44, 8, 38, 39}));
    ASSERT_TRUE(ParseVerseReference("  1 Cor 13:4 \r", reference));
    EXPECT_EQ(fields(reference), (std::vector<int>{45, 13, 4, 4}));
    for (const char* wrong :
         {"John 3", "John 3:", "John :16", "John 3:16-", "John 3:16-15", "John 3:0", "John 0:1", "John 3:16,17",
          "John 3:16-17-18", "John 3.16", "John 3:1000", "Johnny 3:16", "3:16", "John 3:16 a"})
        EXPECT_FALSE(ParseVerseReference(wrong, reference)) << wrong;
}

TEST(VerseList, ALineThatIsNoReferenceIsNamedAndCommentsAndEmptyLinesAreSkipped) {
    std::vector<ListedReference> listed;
    std::string error;
    ASSERT_TRUE(ReadVerseList("# January\n\nJohn 3:16\r\n  \n# a comment\nPs 23:1-3\n", listed, error));
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].line, 3);
    EXPECT_EQ(listed[1].line, 6);
    EXPECT_EQ(listed[1].reference.book, psalmsBook);
    EXPECT_FALSE(ReadVerseList("John 3:16\n\nJohn three\n", listed, error));
    EXPECT_EQ(error.rfind("line 3: \"John three\" is no reference", 0), 0u) << error;
}

TEST(VerseList, ADayOfChosenVersesNamesThemInTheBooksLanguage) {
    std::vector<PlanVerse> one{{42, 3, 16, "For God so loved the world."}};
    EXPECT_EQ(ChosenDayText(one, Language::english), "John 3:16\n\nFor God so loved the world.");
    std::vector<PlanVerse> three{{18, 23, 1, "A."}, {18, 23, 2, "B."}, {18, 23, 3, "C."}};
    EXPECT_EQ(ChosenDayText(three, Language::spanish), "Salmo 23:1-3\n\n1 A.\n2 B.\n3 C.");
}

namespace {

// A module of John 3:1-20, verse 5 empty, and a list of 365 lines, the last one given.
std::string John3() {
    std::string text = "$$$[ Module Heading ]\n\n";
    for (int verse = 1; verse <= 20; ++verse)
        text +=
            "$$$John 3:" + std::to_string(verse) + "\n" + (verse == 5 ? "" : "Verse " + std::to_string(verse)) + "\n";
    return text;
}

std::string List(const std::string& last, int count = 365) {
    std::string list = "# the list\n";
    for (int line = 1; line < count; ++line)
        list += "John 3:" + std::to_string(line % 4 + 1) + "\n";
    return list + last + "\n";
}

bool Make(const std::string& list, std::string& error) {
    PlanOptions options;
    options.plan = Plan::verseList;
    options.list = list;
    std::string bytes;
    return MakePlanBook(John3(), options, 0, bytes, error);
}

} // namespace

TEST(VerseList, AListBookIsMadeOnlyFromAWholeYearOfVersesTheSourceHas) {
    std::string error;
    EXPECT_TRUE(Make(List("John 3:16-18"), error)) << error;
    const struct {
        std::string list;
        const char* says;
    } cases[] = {
        {List("John 3:16", 364), "the list holds 364 references, not one for each of the 365 days"},
        {List("John 3:16") + "John 3:17\n", "the list holds 366 references"},
        {List("Jhon 3:16"), "line 366: \"Jhon 3:16\" is no reference"},
        {List("Romans 8:28"), "line 366: the source has no verse of Romans"},
        {List("John 3:19-21"), "line 366: the source has no John 3:21"},
        {List("John 3:4-6"), "line 366: the source has no John 3:5"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Make(c.list, error)) << c.says;
        EXPECT_EQ(error.rfind(c.says, 0), 0u) << error;
    }
}
