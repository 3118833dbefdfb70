// The plan books that Quillmere ships, read back as the reader reads them and held against the
// SWORD modules they are made from.
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/BookCheck.h"
#include "tools/quillbook/CodePage.h"
#include "tools/quillbook/PlanBook.h"
#include "tools/quillbook/SwordImport.h"
#include "tools/quillbook/VerseList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <numeric>
#include <sstream>

namespace {

struct ShippedBook {
    const char* file;
    const char* module;
    Plan plan;
    Language language;
};

const ShippedBook shippedBooks[] = {
    {"Bible in a year (KJV).pdb", "engKJV2006eb", Plan::bible, Language::english},
    {"New Testament in a year (KJV).pdb", "engKJV2006eb", Plan::newTestament, Language::english},
    {"Psalms in a year (KJV).pdb", "engKJV2006eb", Plan::psalms, Language::english},
    {"Proverbs - a chapter a day (KJV).pdb", "engKJV2006eb", Plan::proverbsMonthly, Language::english},
    {"Bible in a year (WEB).pdb", "engWEB2015eb", Plan::bible, Language::english},
    {"New Testament in a year (WEB).pdb", "engWEB2015eb", Plan::newTestament, Language::english},
    {"Psalms in a year (WEB).pdb", "engWEB2015eb", Plan::psalms, Language::english},
    {"Proverbs - a chapter a day (WEB).pdb", "engWEB2015eb", Plan::proverbsMonthly, Language::english},
    {"Biblia - plan anual (RV1909).pdb", "spaRV1909eb", Plan::bible, Language::spanish},
    {"Nuevo Testamento - plan anual (RV1909).pdb", "spaRV1909eb", Plan::newTestament, Language::spanish},
    {"Salmos - plan anual (RV1909).pdb", "spaRV1909eb", Plan::psalms, Language::spanish},
    {"Proverbios - plan mensual (RV1909).pdb", "spaRV1909eb", Plan::proverbsMonthly, Language::spanish},
    {"A verse a day (KJV).pdb", "engKJV2006eb", Plan::verseList, Language::english},
    {"A verse a day (WEB).pdb", "engWEB2015eb", Plan::verseList, Language::english},
    {"Un versiculo al dia (RV1909).pdb", "spaRV1909eb", Plan::verseList, Language::spanish},
};

// The books of the reading plans, without the verse a day.
std::vector<ShippedBook> ReadingPlanBooks() {
    std::vector<ShippedBook> books;
    for (const ShippedBook& book : shippedBooks)
        if (book.plan != Plan::verseList) books.push_back(book);
    return books;
}

std::string InPlans(const std::string& name) { return std::string(QUILLMERE_PLANS_DIR) + "/" + name; }

std::string Cp1252(const std::string& utf8) {
    std::string out, unwritable;
    EXPECT_TRUE(FromUtf8(utf8, 1252, out, unwritable)) << unwritable;
    return out;
}

// The verses of the plan's books in a module, in UTF-8.
const std::vector<PlanVerse>& ModuleVerses(const ShippedBook& shipped) {
    static std::map<std::pair<std::string, Plan>, std::vector<PlanVerse>> read;
    auto& verses = read[{shipped.module, shipped.plan}];
    if (verses.empty()) {
        std::vector<ModuleVerse> module;
        std::string error;
        EXPECT_TRUE(ReadSwordImport(TempFolder::Read(InPlans(std::string(shipped.module) + ".imp")), module, error));
        EXPECT_TRUE(PlanVerses(module, shipped.plan, verses, error)) << error;
    }
    return verses;
}

// One day of a book as the reader shows it: its reading, and its verses with the chapter that
// each stands under.
struct Day {
    std::string reading;
    std::size_t length = 0;
    std::vector<PlanVerse> verses; // book -1: the chapter's heading is unknown
};

Day ReadDay(const std::string& text, Language language, std::string& problem) {
    Day day;
    day.length = text.size();
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    day.reading = line.substr(0, line.size() - (line.empty() ? 0 : 1));
    int book = -1, chapter = 0;
    bool headingNext = false;
    while (std::getline(lines, line)) {
        const bool last = lines.peek() == EOF;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        } else if (!last) {
            problem = "a line that does not end in CR LF";
            break;
        }
        if (line.empty()) {
            headingNext = true;
            continue;
        }
        if (headingNext) {
            headingNext = false;
            const std::size_t blank = line.rfind(' ');
            book = -1;
            for (int b = 0; b < bookCount; ++b)
                if (line.substr(0, blank) == Cp1252(ChapterName(b, language))) book = b;
            chapter = std::atoi(line.c_str() + blank + 1);
            if (book < 0) problem = "a chapter heading that names no book: " + line;
            continue;
        }
        const std::size_t blank = line.find(' ');
        day.verses.push_back({book, chapter, std::atoi(line.c_str()), line.substr(blank + 1)});
    }
    return day;
}

void PrintTo(const ShippedBook& book, std::ostream* out) { *out << book.file; }

class PlanBooksTest : public ::testing::TestWithParam<ShippedBook> {};

} // namespace

TEST_P(PlanBooksTest, HoldEveryVerseOfThePlanOnceInOrderWithTheModulesWords) {
    const ShippedBook& shipped = GetParam();
    BookFile book;
    ASSERT_TRUE(book.OpenBook(InPlans(shipped.file).c_str()));
    const BookReport report = CheckBook(book, InPlans(shipped.file).c_str());
    EXPECT_EQ(report.problems, std::vector<std::string>{});
    ASSERT_EQ(report.recordCount, 366);

    const std::vector<PlanVerse>& expected = ModuleVerses(shipped);
    std::vector<Day> days;
    for (int record = 1; record <= 365; ++record) {
        std::string problem;
        days.push_back(ReadDay(static_cast<const char*>(book.GetRecordText(record)), shipped.language, problem));
        ASSERT_EQ(problem, "") << "day " << record;
        ASSERT_FALSE(days.back().verses.empty()) << "day " << record;
    }

    std::size_t next = 0;
    for (std::size_t d = 0; d < days.size(); ++d) {
        for (const PlanVerse& verse : days[d].verses) {
            if (shipped.plan != Plan::proverbsMonthly) { // the monthly plan has a test of its own
                ASSERT_LT(next, expected.size()) << "day " << d + 1 << " reads past the plan's end";
                const PlanVerse& want = expected[next++];
                ASSERT_EQ(verse.book, want.book) << "day " << d + 1;
                ASSERT_EQ(verse.chapter, want.chapter) << "day " << d + 1;
                ASSERT_EQ(verse.verse, want.verse) << "day " << d + 1;
                ASSERT_EQ(verse.text, Cp1252(want.text)) << "day " << d + 1;
            }
            ASSERT_EQ(verse.text.find('<'), std::string::npos) << verse.text;
            ASSERT_EQ(verse.text.find("  "), std::string::npos) << verse.text;
            ASSERT_NE(verse.text.back(), ' ') << verse.text;
        }
    }
    if (shipped.plan != Plan::proverbsMonthly) {
        EXPECT_EQ(next, expected.size()) << "verses left out";
    }
}

TEST_P(PlanBooksTest, DaysAreOfLikeLengthAndEndWhereTheirPlanAllows) {
    const ShippedBook& shipped = GetParam();
    if (shipped.plan == Plan::proverbsMonthly) GTEST_SKIP() << "a chapter a day, whatever its length";
    BookFile book;
    ASSERT_TRUE(book.OpenBook(InPlans(shipped.file).c_str()));
    const std::vector<PlanVerse>& verses = ModuleVerses(shipped);
    // A day may be longer than the bound only where it holds no place to end a day before its last
    // verse: Psalm 119 in the whole Bible, and a psalm whose verses end no sentence but its last.
    std::vector<std::size_t> lengths;
    std::vector<bool> couldBeCut;
    std::size_t next = 0;
    for (int record = 1; record <= 365; ++record) {
        std::string problem;
        const Day day = ReadDay(static_cast<const char*>(book.GetRecordText(record)), shipped.language, problem);
        bool cut = false;
        for (std::size_t i = next; i + 1 < next + day.verses.size(); ++i)
            cut = cut || MayEndDay(shipped.plan, verses, i);
        next += day.verses.size();
        ASSERT_TRUE(MayEndDay(shipped.plan, verses, next - 1)) << "day " << record << " ends mid-sentence";
        lengths.push_back(day.length);
        couldBeCut.push_back(cut);
    }
    const double mean = static_cast<double>(std::accumulate(lengths.begin(), lengths.end(), std::size_t{0})) / 365;
    const double low = shipped.plan == Plan::bible ? 0.6 : 0.5, high = shipped.plan == Plan::bible ? 1.4 : 1.5;
    for (std::size_t d = 0; d < lengths.size(); ++d) {
        const double ratio = lengths[d] / mean;
        EXPECT_GE(ratio, low) << "day " << d + 1;
        EXPECT_TRUE(ratio <= high || !couldBeCut[d]) << "day " << d + 1 << " is " << ratio << " of the mean";
    }
}

TEST_P(PlanBooksTest, ProverbsMonthlyShowsTheChapterOfTheDayOfTheMonthInEveryYear) {
    const ShippedBook& shipped = GetParam();
    if (shipped.plan != Plan::proverbsMonthly) GTEST_SKIP() << "not the monthly plan";
    BookFile book;
    ASSERT_TRUE(book.OpenBook(InPlans(shipped.file).c_str()));
    const std::string proverbs = Cp1252(BookName(proverbsBook, shipped.language));
    for (int year : {2026, 2028}) {
        const int lengths[] = {31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= lengths[month - 1]; ++day) {
                const std::string text =
                    static_cast<const char*>(VerseTextForDate(book, day, month, year, EnglishDayWords()));
                const int chapter = month == 2 && day == 29 ? 1 : day;
                ASSERT_NE(text.find("\r\n\r\n" + proverbs + " " + std::to_string(chapter) + "\r\n1 "),
                          std::string::npos)
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, PlanBooksTest, ::testing::ValuesIn(ReadingPlanBooks()), [](const auto& test) {
    std::string name = test.param.file;
    name.erase(
        std::remove_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }),
        name.end());
    return name;
});

// Our verse a day in the three translations: one passage a day from the list, each verse with
// its module's words, the same verses on the same day in all three, no verse twice.
TEST(VerseADayBooks, HoldTheListsVersesWithTheirModulesWordsOnTheSameDayInEachTranslation) {
    std::vector<ListedReference> listed;
    std::string error;
    ASSERT_TRUE(ReadVerseList(TempFolder::Read(QUILLMERE_VERSE_LIST), listed, error)) << error;
    ASSERT_EQ(listed.size(), 365u);
    std::set<std::tuple<int, int, int>> seen;
    int oldTestament = 0;
    for (const auto& [reference, line] : listed) {
        oldTestament += reference.book < firstNewTestamentBook;
        ASSERT_LE(reference.lastVerse - reference.firstVerse, 2) << "line " << line;
        for (int verse = reference.firstVerse; verse <= reference.lastVerse; ++verse)
            ASSERT_TRUE(seen.insert({reference.book, reference.chapter, verse}).second)
                << "a verse on two days, line " << line;
    }
    EXPECT_GE(oldTestament, 365 / 3);
    EXPECT_GE(365 - oldTestament, 365 / 3);

    for (const ShippedBook& shipped : shippedBooks) {
        if (shipped.plan != Plan::verseList) continue;
        std::vector<ModuleVerse> module;
        ASSERT_TRUE(ReadSwordImport(TempFolder::Read(InPlans(std::string(shipped.module) + ".imp")), module, error));
        std::map<std::tuple<int, int, int>, std::string> text;
        for (const ModuleVerse& verse : module)
            text[{BookIndex(verse.book), verse.chapter, verse.verse}] = verse.text;
        BookFile book;
        ASSERT_TRUE(book.OpenBook(InPlans(shipped.file).c_str()));
        EXPECT_EQ(CheckBook(book, InPlans(shipped.file).c_str()).problems, std::vector<std::string>{}) << shipped.file;
        for (int day = 1; day <= 365; ++day) {
            const VerseReference& reference = listed[day - 1].reference;
            std::string expected =
                Cp1252(ChapterName(reference.book, shipped.language)) + " " + std::to_string(reference.chapter) + ":" +
                std::to_string(reference.firstVerse) +
                (reference.lastVerse > reference.firstVerse ? "-" + std::to_string(reference.lastVerse) : "") + "\r\n";
            for (int verse = reference.firstVerse; verse <= reference.lastVerse; ++verse) {
                const std::string words = text[{reference.book, reference.chapter, verse}];
                ASSERT_FALSE(words.empty()) << shipped.file << ", day " << day;
                expected += "\r\n" + (reference.lastVerse > reference.firstVerse ? std::to_string(verse) + " " : "") +
                            Cp1252(words);
            }
            const std::string shown = static_cast<const char*>(book.GetRecordText(day));
            ASSERT_EQ(shown, expected) << shipped.file << ", day " << day;
            ASSERT_LE(shown.size(), 600u) << shipped.file << ", day " << day;
        }
    }
}

// The example readings that the setup puts beside the programs make a plan in each translation.
TEST(ReadingsExample, MakesAPlanOfADayALineInEachTranslation) {
    PlanOptions options;
    options.plan = Plan::readings;
    options.list = TempFolder::Read(QUILLMERE_READINGS_EXAMPLE);
    TempFolder folder;
    for (const char* module : {"engKJV2006eb", "engWEB2015eb", "spaRV1909eb"}) {
        std::string bytes, error;
        ASSERT_TRUE(MakePlanBook(TempFolder::Read(InPlans(std::string(module) + ".imp")), options, 0, bytes, error))
            << module << ": " << error;
        BookFile book;
        ASSERT_TRUE(book.OpenBook(folder.Write("readings.pdb", bytes).c_str()));
        EXPECT_EQ(book.GetBookInfo().planDays, 7) << module;
        EXPECT_EQ(std::string(book.GetRecordText(7)).rfind("John 1; Psalm 19\r\n\r\nJohn 1\r\n1 ", 0), 0u) << module;
    }
}
