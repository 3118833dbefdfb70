#include "reader/book/VerseOfDay.h"

#include "reader/book/BookFile.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const CString& text) { return static_cast<const char*>(text); }

// The day of the year counted on a calendar whose February always has 28 days.
int CommonYearDay(int day, int month) {
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[month - 1] + day;
}

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Opens a plan of days days written into folder, whose day N reads "<reading>N<after>".
void OpenPlan(TempFolder& folder, BookFile& book, const std::string& reading, const std::string& after = "",
              int days = 365) {
    std::vector<std::string> records = {std::string("Plan$A plan.\0", 13)};
    for (int day = 1; day <= days; ++day)
        records.push_back(reading + std::to_string(day) + after + '\0');
    const BookInfo info{BookKind::plan, 1252, static_cast<std::uint16_t>(days)};
    book.OpenBook(folder.Write("plan.pdb", WritePalmDatabase("Plan", records, 0, info)).c_str());
}

} // namespace

TEST(VerseNumberForDate, GivesTheVerseOfEachDateInTheTable) {
    struct Case {
        int day, month, year, verse;
    } cases[] = {
        {1, 1, 2023, 1},     {1, 2, 2023, 32},  {28, 2, 2023, 59},  {29, 2, 2024, 1},
        {1, 3, 2023, 60},    {1, 3, 2024, 60},  {10, 4, 2023, 100}, {31, 12, 2023, 365},
        {31, 12, 2024, 365}, {29, 2, 2000, 60}, {1, 3, 2000, 60},   {1, 3, 2100, 60},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerseNumberForDate(c.day, c.month, c.year), c.verse) << c.day << "." << c.month << "." << c.year;
}

TEST(VerseNumberForDate, EveryRealDateGetsItsCommonYearDay) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = 1601; year <= 2500; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= days[month - 1]; ++day)
                ASSERT_EQ(VerseNumberForDate(day, month, year), CommonYearDay(day, month));
        }
        if (IsGregorianLeapYear(year)) {
            const int expected = year % 100 == 0 ? 60 : 1; // years divisible by 400 have no exception
            ASSERT_EQ(VerseNumberForDate(29, 2, year), expected) << year;
        }
    }
}

TEST(VerseNumberForDate, AMonthBeyondDecemberNeverReadsPastTheTable) {
    EXPECT_EQ(VerseNumberForDate(1, 13, 2023), 366);
    EXPECT_EQ(VerseNumberForDate(1, 40, 2023), 366);
}

class VerseTextForDateTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> records = {std::string("Title$Description\0", 18)};
        for (int verse = 1; verse < 100; ++verse)
            records.push_back("Text of " + std::to_string(verse) + "\nsecond line" + '\0');
        ASSERT_TRUE(book.OpenBook(folder.Write("book.pdb", WritePalmDatabase("T", records, 0)).c_str()));
    }
    TempFolder folder;
    BookFile book;
};

TEST_F(VerseTextForDateTest, PutsTheHeadingAndAnEmptyLineAboveTheVerse) {
    EXPECT_EQ(Text(VerseTextForDate(book, 9, 4, 2023, EnglishDayWords())),
              "Verse 99:\r\n\r\nText of 99\r\nsecond line");
    EXPECT_EQ(Text(VerseTextForDate(book, 29, 2, 2024, EnglishDayWords())), "Verse 1:\r\n\r\nText of 1\r\nsecond line");
}

TEST_F(VerseTextForDateTest, ADayWithoutARecordShowsTheHeadingAlone) {
    EXPECT_EQ(Text(VerseTextForDate(book, 10, 4, 2023, EnglishDayWords())), "Verse 100:\r\n\r\n");
    EXPECT_EQ(Text(VerseTextForDate(book, 31, 12, 2024, EnglishDayWords())), "Verse 365:\r\n\r\n");
    book.OpenBook(folder.Path("missing.pdb").c_str());
    EXPECT_EQ(Text(VerseTextForDate(book, 1, 1, 2023, EnglishDayWords())), "Verse 1:\r\n\r\n");
}

// A plan begun on 8 December 2026 reads day 25 on 1 January 2027; before its start and after its
// last day it reads nothing and says when it starts or ended.
TEST(PlanTextForDate, ShowsTheDayOfThePlanOrWhenItStartsOrEnded) {
    TempFolder folder;
    BookFile book;
    OpenPlan(folder, book, "Reading ");
    const Date start{2026, 12, 8};
    const auto shown = [&](const Date& date) {
        return Text(TextForDate(book, BookKind::plan, start, date, "S", "E", EnglishDayWords()));
    };
    EXPECT_EQ(shown({2026, 12, 8}), "Day 1 of 365:\r\n\r\nReading 1");
    EXPECT_EQ(shown({2027, 1, 1}), "Day 25 of 365:\r\n\r\nReading 25");
    EXPECT_EQ(shown({2027, 12, 7}), "Day 365 of 365:\r\n\r\nReading 365");
    EXPECT_EQ(shown({2026, 12, 7}), "Not begun yet:\r\n\r\nThis plan starts on S.");
    EXPECT_EQ(shown({2027, 12, 8}), "Plan ended:\r\n\r\nThis plan ended on E.");
    EXPECT_EQ(Text(TextForDate(book, BookKind::calendar, start, {2027, 1, 1}, "S", "E", EnglishDayWords())),
              Text(VerseTextForDate(book, 1, 1, 2027, EnglishDayWords())))
        << "a calendar book reads by the calendar, whatever its start";
}

// A plan of 90 days begun on 29 February shows its days by its own count, from the day before its
// start to the day after its end; a copy names its day.
TEST(PlanTextForDate, APlanOfNinetyDaysShowsItsOwnDays) {
    TempFolder folder;
    BookFile book;
    OpenPlan(folder, book, "Reading ", "", 90);
    ASSERT_EQ(book.GetBookInfo().planDays, 90);
    const Date start{2028, 2, 29};
    for (int offset = -1; offset <= 90; ++offset) {
        const Date date = DateOfDaysSinceEpoch(DaysSinceEpoch(start) + offset);
        const std::string day = std::to_string(offset + 1);
        const std::string expected = offset < 0    ? "Not begun yet:\r\n\r\nThis plan starts on S."
                                     : offset < 90 ? "Day " + day + " of 90:\r\n\r\nReading " + day
                                                   : "Plan ended:\r\n\r\nThis plan ended on E.";
        EXPECT_EQ(Text(TextForDate(book, BookKind::plan, start, date, "S", "E", EnglishDayWords(), 90)), expected);
        EXPECT_EQ(Text(CopiedDayText(book, BookKind::plan, start, date, "Plan", EnglishDayWords(), 90)),
                  offset < 0 || offset >= 90 ? "" : "Reading " + day + "\r\n\r\nPlan, day " + day);
    }
    // A reader that knows no plans reads record N on day N of the year: past the plan's days, none.
    for (int verse = 1; verse <= 365; ++verse)
        EXPECT_EQ(Text(book.GetRecordText(verse)), verse <= 90 ? "Reading " + std::to_string(verse) : "") << verse;
}

// A copy of the day: its reading, then the book and for a plan its day; nothing where a plan has none.
TEST(CopiedDayText, IsTheReadingAndWhereItComesFrom) {
    TempFolder folder;
    BookFile book;
    OpenPlan(folder, book, "Reading ", "\nline");
    const Date start{2026, 12, 8};
    EXPECT_EQ(Text(CopiedDayText(book, BookKind::plan, start, {2027, 1, 1}, "Plan", EnglishDayWords())),
              "Reading 25\r\nline\r\n\r\nPlan, day 25");
    EXPECT_EQ(Text(CopiedDayText(book, BookKind::plan, start, {2026, 12, 7}, "Plan", EnglishDayWords())), "")
        << "before the start";
    EXPECT_EQ(Text(CopiedDayText(book, BookKind::plan, start, {2027, 12, 8}, "Plan", EnglishDayWords())), "")
        << "after the end";
    EXPECT_EQ(Text(CopiedDayText(book, BookKind::calendar, start, {2027, 2, 1}, "Book", EnglishDayWords())),
              "Reading 32\r\nline\r\n\r\nBook");
}

// Every heading and the copy's day come from the words given, in the language the user reads.
TEST(DayWords, GiveEveryHeadingAndTheCopiedDay) {
    TempFolder folder;
    BookFile book;
    OpenPlan(folder, book, "R");
    const DayWords words{"V%d|%s", "D%d/%d|%s", "B %s", "E %s", " #%d"};
    const Date start{2026, 12, 8};
    const auto shown = [&](BookKind kind, const Date& date) {
        return Text(TextForDate(book, kind, start, date, "start", "end", words));
    };
    EXPECT_EQ(shown(BookKind::calendar, {2027, 1, 2}), "V2|R2");
    EXPECT_EQ(shown(BookKind::plan, {2027, 1, 1}), "D25/365|R25");
    EXPECT_EQ(shown(BookKind::plan, {2026, 12, 7}), "B start");
    EXPECT_EQ(shown(BookKind::plan, {2027, 12, 8}), "E end");
    EXPECT_EQ(Text(CopiedDayText(book, BookKind::plan, start, {2027, 1, 1}, "Plan", words)), "R25\r\n\r\nPlan #25");
}

TEST(SpokenHeading, IsTheHeadingWithTheLineAfterItOrTheFirstLine) {
    const struct {
        const char* shown;
        const char* spoken;
    } cases[] = {
        {"Day 43 of 365:\r\n\r\nLeviticus 24-25\r\n\r\nLeviticus 24\r\n1 And", "Day 43 of 365: Leviticus 24-25"},
        {"Verse 343:\n\nFor God so loved\nthe world", "Verse 343: For God so loved"},
        {"\r\n\r\nAbout Quillmere\r\n\r\nQuillmere greets you", "About Quillmere"},
        {"Day 1 of 90:", "Day 1 of 90:"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpokenHeading(c.shown), c.spoken) << c.shown;
}
