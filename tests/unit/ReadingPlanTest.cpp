#include "tools/quillbook/ReadingPlan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A made-up book: chapters of given verse counts, each verse of length characters, every third
// verse ending a sentence.
std::vector<PlanVerse> Chapters(int book, const std::vector<int>& verseCounts, std::size_t length = 40) {
    std::vector<PlanVerse> verses;
    for (std::size_t chapter = 0; chapter < verseCounts.size(); ++chapter)
        for (int verse = 1; verse <= verseCounts[chapter]; ++verse)
            verses.push_back({book, static_cast<int>(chapter) + 1, verse,
                              std::string(length - 1, 'a') + (verse % 3 == 0 ? "." : ",")});
    return verses;
}

std::size_t DayLength(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day) {
    std::size_t length = 0;
    for (std::size_t i : day)
        length += verses[i].text.size();
    return length;
}

// The days take every verse once, in order, and each ends where a day may end.
void ExpectWholeAndInOrder(Plan plan, const std::vector<PlanVerse>& verses,
                           const std::vector<std::vector<std::size_t>>& days) {
    ASSERT_EQ(days.size(), static_cast<std::size_t>(daysInCommonYear));
    std::size_t next = 0;
    for (const auto& day : days) {
        ASSERT_FALSE(day.empty());
        for (std::size_t i : day)
            ASSERT_EQ(i, next++);
        ASSERT_TRUE(MayEndDay(plan, verses, day.back())) << day.back();
    }
    ASSERT_EQ(next, verses.size());
}

} // namespace

TEST(ReadingPlan, NamesOfPlans) {
    Plan plan;
    EXPECT_TRUE(PlanByName("bible", plan) && plan == Plan::bible);
    EXPECT_TRUE(PlanByName("new-testament", plan) && plan == Plan::newTestament);
    EXPECT_TRUE(PlanByName("psalms", plan) && plan == Plan::psalms);
    EXPECT_TRUE(PlanByName("proverbs-monthly", plan) && plan == Plan::proverbsMonthly);
    EXPECT_TRUE(PlanByName("chronological", plan) && plan == Plan::chronological);
    EXPECT_FALSE(PlanByName("Bible", plan));
    EXPECT_FALSE(PlanByName("", plan));
    EXPECT_FALSE(PlanByName("readings:FILE", plan)) << "named with its file";
    // The help gives each plan a line, its summary in one column.
    const std::string help = PlanNamesHelp();
    int lines = 0;
    for (std::size_t at = 0; at < help.size(); at = help.find('\n', at) + 1, ++lines) {
        const std::string line = help.substr(at, help.find('\n', at) - at);
        EXPECT_EQ(line.find_first_not_of(' ', line.find(' ', 2)), 20u) << line;
    }
    EXPECT_EQ(lines, 7);
}

TEST(ReadingPlan, ASentenceEndsAtAStopBehindAnyClosingQuotes) {
    const std::pair<const char*, bool> cases[] = {
        {"and it was good.", true},
        {"Who is he?", true},
        {"Hallelujah!", true},
        {"\xE2\x80\x9CI am.\xE2\x80\x9D", true},
        {"\xE2\x80\x98walk\xE2\x80\x99?\xE2\x80\x9D", true},
        {"(Selah.)", true},
        {"Go in peace.'", true},
        {"I am he.\"", true},
        {"the 'word'", false},
        {"and said,", false},
        {"these:", false},
        {"the land;", false},
        {"\xE2\x80\x9D", false},
        {"", false},
    };
    for (const auto& [text, ends] : cases)
        EXPECT_EQ(EndsSentence(text), ends) << text;
}

TEST(ReadingPlan, TheWholeBiblePlanEndsEachDayAtAChapterEndWithDaysOfLikeLength) {
    // 1,100 chapters of 5 to 40 verses, and one of 150, two days long.
    std::vector<int> counts;
    for (int chapter = 0; chapter < 1100; ++chapter)
        counts.push_back(5 + chapter * 7 % 36);
    counts[600] = 150;
    const std::vector<PlanVerse> verses = Chapters(0, counts);
    const auto days = PlanDays(Plan::bible, verses);
    ExpectWholeAndInOrder(Plan::bible, verses, days);
    std::size_t total = 0;
    for (const auto& day : days)
        total += DayLength(verses, day);
    const double average = static_cast<double>(total) / daysInCommonYear;
    for (std::size_t d = 0; d < days.size(); ++d) {
        const double ratio = DayLength(verses, days[d]) / average;
        const bool holdsTheLongChapter =
            verses[days[d].front()].chapter <= 601 && verses[days[d].back()].chapter >= 601;
        if (!holdsTheLongChapter) {
            EXPECT_TRUE(ratio >= 0.6 && ratio <= 1.4) << "day " << d + 1 << ": " << ratio;
        }
    }
}

// Chapters of 20 verses and some of 60, a sentence ending every third verse: sentences end within
// each chapter, and the whole-Bible plan still cuts only between chapters.
TEST(ReadingPlan, TheWholeBiblePlanNeverEndsADayWithinAChapter) {
    std::vector<int> counts;
    for (int chapter = 0; chapter < 500; ++chapter)
        counts.push_back(chapter % 50 == 0 ? 60 : 20);
    const std::vector<PlanVerse> verses = Chapters(0, counts);
    EXPECT_FALSE(MayEndDay(Plan::bible, verses, 2)) << "a sentence ends within a chapter";
    EXPECT_TRUE(MayEndDay(Plan::psalms, verses, 2));
    const auto days = PlanDays(Plan::bible, verses);
    ASSERT_EQ(days.size(), static_cast<std::size_t>(daysInCommonYear));
    for (std::size_t d = 0; d < days.size(); ++d) {
        EXPECT_EQ(verses[days[d].front()].verse, 1) << "day " << d + 1;
        const std::size_t last = days[d].back();
        EXPECT_TRUE(last + 1 == verses.size() || verses[last + 1].verse == 1) << "day " << d + 1;
    }
}

// Obadiah has one chapter, and Jonah begins again at chapter 1: the change of book ends a chapter
// though the chapter's number stays.
TEST(ReadingPlan, AChapterEndsWhereTheBookChangesThoughTheNumberDoesNot) {
    const int obadiah = BookIndex("Obadiah"), jonah = BookIndex("Jonah");
    std::vector<PlanVerse> verses = Chapters(obadiah, {9});
    const std::vector<PlanVerse> jonahs = Chapters(jonah, std::vector<int>(daysInCommonYear - 1, 4));
    verses.insert(verses.end(), jonahs.begin(), jonahs.end());
    // 365 chapter ends, so that each chapter is a day
    const auto days = PlanDays(Plan::bible, verses);
    EXPECT_TRUE(MayEndDay(Plan::bible, verses, 8)) << "Obadiah 1:9";
    EXPECT_FALSE(MayEndDay(Plan::bible, verses, 7));
    ASSERT_EQ(days.size(), static_cast<std::size_t>(daysInCommonYear));
    EXPECT_EQ(days[0].size(), 9u) << "day 1 is Obadiah";
    EXPECT_EQ(verses[days[1].front()].book, jonah);
    EXPECT_EQ(verses[days[1].back()].chapter, 1) << "day 2 is Jonah 1";
}

// A day of several chapters is never longer than 2.5 times the mean, even where that would cost
// less. Here 366 chapters of one verse make 365 days, so that one day takes two; the least cost
// would join a long chapter to the short last one, and the two make just over 2.5 times the mean.
TEST(ReadingPlan, ADayOfSeveralChaptersKeepsWithinTwoAndAHalfTimesTheMean) {
    std::vector<PlanVerse> verses = Chapters(0, std::vector<int>(daysInCommonYear + 1, 1));
    verses[daysInCommonYear - 1].text = std::string(100, 'a');
    verses[daysInCommonYear].text = "a";
    double total = 0;
    for (const PlanVerse& verse : verses)
        total += static_cast<double>(verse.text.size());
    const double longest = 2.5 * total / daysInCommonYear;
    ASSERT_GT(101, longest);
    const auto days = PlanDays(Plan::bible, verses);
    ExpectWholeAndInOrder(Plan::bible, verses, days);
    for (std::size_t d = 0; d < days.size(); ++d) {
        if (days[d].size() > 1) {
            EXPECT_LE(DayLength(verses, days[d]), longest) << "day " << d + 1;
        }
    }
    EXPECT_EQ(days.back(), std::vector<std::size_t>{daysInCommonYear}) << "the last chapter is a day of its own";
}

TEST(ReadingPlan, PartPlansMayEndADayAfterASentenceAndKeepWithinAHalfOfTheMean) {
    const std::vector<PlanVerse> verses = Chapters(psalmsBook, std::vector<int>(150, 16));
    for (Plan plan : {Plan::psalms, Plan::newTestament}) {
        const auto days = PlanDays(plan, verses);
        ExpectWholeAndInOrder(plan, verses, days);
        const double average = 150.0 * 16 * 40 / daysInCommonYear;
        for (const auto& day : days) {
            const double ratio = DayLength(verses, day) / average;
            EXPECT_TRUE(ratio >= 0.5 && ratio <= 1.5) << ratio;
        }
    }
}

// Too few chapters for the days: a day ends within a chapter longer than a day, after a sentence
// where it can and else after any verse; too few verses make no plan.
TEST(ReadingPlan, TooFewChaptersEndDaysWithinTheLongOnesAndTooFewVersesMakeNoPlan) {
    EXPECT_EQ(PlanDays(Plan::bible, Chapters(0, std::vector<int>(365, 3))).size(), 365u);
    const auto days = PlanDays(Plan::bible, Chapters(0, std::vector<int>(364, 3)));
    ASSERT_EQ(days.size(), 365u);
    EXPECT_EQ(days.back().back(), 364u * 3 - 1);
    EXPECT_TRUE(PlanDays(Plan::bible, Chapters(0, std::vector<int>(100, 3)), 301).empty());
    EXPECT_EQ(PlanDays(Plan::bible, Chapters(0, std::vector<int>(100, 3)), 300).size(), 300u);
    EXPECT_TRUE(PlanDays(Plan::psalms, {}).empty());
    std::vector<int> counts(400, 3);
    counts[200] = 30;
    const auto longChapter = PlanDays(Plan::bible, Chapters(0, counts));
    ASSERT_EQ(longChapter.size(), 365u);
    EXPECT_TRUE(std::none_of(longChapter.begin(), longChapter.end(), [](const auto& day) { return day.size() > 12; }))
        << "a chapter of more than 2.5 days ends days after its sentences";
    for (int days : {0, mostPlanDays + 1})
        EXPECT_TRUE(PlanDays(Plan::bible, Chapters(0, std::vector<int>(3000, 1)), days).empty()) << days;
    EXPECT_TRUE(PlanDays(Plan::proverbsMonthly, Chapters(proverbsBook, std::vector<int>(31, 2)), 90).empty());
}

// Day N is the date N of a common year; its day of the month names the chapter.
TEST(ReadingPlan, ProverbsMonthlyReadsTheChapterOfTheDayOfTheMonth) {
    const std::vector<PlanVerse> verses = Chapters(proverbsBook, std::vector<int>(31, 2));
    const auto days = PlanDays(Plan::proverbsMonthly, verses);
    ASSERT_EQ(days.size(), 365u);
    const int monthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = 0;
    for (int length : monthLengths) {
        for (int dayOfMonth = 1; dayOfMonth <= length; ++dayOfMonth, ++day) {
            ASSERT_EQ(days[day].size(), 2u) << day + 1;
            for (std::size_t i : days[day])
                ASSERT_EQ(verses[i].chapter, dayOfMonth) << "day " << day + 1;
        }
    }
    EXPECT_EQ(verses[days[31].front()].chapter, 1) << "1 February, record 32, reads Proverbs 1";
    EXPECT_TRUE(PlanDays(Plan::proverbsMonthly, Chapters(proverbsBook, std::vector<int>(30, 2))).empty())
        << "no 31st chapter for the 31st";
}
