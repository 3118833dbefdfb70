#include "reader/book/BookLayout.h"
#include "reader/logic/ProgressFile.h"
#include "reader/logic/ReadingProgress.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

// Books of random titles, plans with a start and days of the plan, calendar books with dates, all
// as a read gives them back: in order and each day once.
std::vector<BookProgress> SomeProgress(std::mt19937& random) {
    std::vector<BookProgress> books(random() % 5);
    for (BookProgress& book : books) {
        for (unsigned i = random() % 40; i > 0; --i)
            book.title += static_cast<char>(random());
        const bool plan = random() % 2;
        if (plan) book.start = DateOfDaysSinceEpoch(static_cast<int>(random() % 40000));
        for (int day = 1; day <= 400; ++day)
            if (random() % 3 == 0) book.read.push_back(plan ? day * 5 : 20000 + day * 3);
        if (plan)
            book.read.erase(std::remove_if(book.read.begin(), book.read.end(), [](int d) { return d > mostPlanDays; }),
                            book.read.end());
    }
    return books;
}

} // namespace

TEST(ProgressFile, EveryProgressReadsBackAsItWasSaved) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        const auto books = SomeProgress(random);
        ASSERT_EQ(ParseProgress(ProgressBytes(books)), books) << "seed " << seed;
    }
}

// A file cut short anywhere keeps the books it holds whole and nothing else; a byte changed
// anywhere never gives more books than the file says, nor a day outside a plan.
TEST(ProgressFile, ATruncatedOrDamagedFileGivesWhatItHoldsWhole) {
    std::mt19937 random(1208);
    const std::vector<BookProgress> books = {
        {"The Bible in a year (KJV)", {2026, 12, 8}, {1, 2, 3, 40}},
        {"The Book of Proverbs", {}, {20000, 20001}},
        {"Los Salmos en un a\xC3\xB1o (Reina-Valera 1909)", {2025, 1, 1}, {365}},
    };
    const std::string whole = ProgressBytes(books);
    std::size_t previousCount = 0;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::vector<BookProgress> read = ParseProgress(whole.substr(0, length));
        ASSERT_GE(read.size(), previousCount) << "a longer part holds no fewer books";
        ASSERT_LE(read.size(), books.size());
        for (std::size_t i = 0; i < read.size(); ++i)
            ASSERT_EQ(read[i], books[i]) << length;
        previousCount = read.size();
    }
    EXPECT_EQ(previousCount, books.size());
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = whole;
        damaged[random() % damaged.size()] = static_cast<char>(random());
        for (const BookProgress& book : ParseProgress(damaged)) {
            ASSERT_LE(book.title.size(), longestProgressTitle);
            const bool plan = book.start.year != 0;
            for (int day : book.read)
                ASSERT_TRUE(!plan || (day >= 1 && day <= mostPlanDays)) << day;
        }
    }
}

// A day named twice, by a damaged file or one written by hand, is read once, and one mark
// takes it back.
TEST(ProgressFile, ADayNamedTwiceCountsOnceAndOneMarkTakesItBack) {
    std::vector<BookProgress> books = ParseProgress(ProgressBytes({{"T", {2026, 1, 1}, {3, 5, 3}}}));
    ASSERT_EQ(books.size(), 1u);
    EXPECT_EQ(books[0].read, (std::vector<int>{3, 5}));
    EXPECT_EQ(DaysRead(books[0], BookKind::plan, 2026), 2);
    ASSERT_TRUE(ToggleRead(books[0], BookKind::plan, {2026, 1, 3}));
    EXPECT_FALSE(IsRead(books[0], BookKind::plan, {2026, 1, 3}));
}

TEST(ProgressFile, AFileOfAnotherKindOrVersionHoldsNoProgress) {
    std::string bytes = ProgressBytes({{"T", {2026, 1, 1}, {1}}});
    EXPECT_EQ(ParseProgress(bytes).size(), 1u);
    EXPECT_TRUE(ParseProgress("QMPX" + bytes.substr(4)).empty());
    bytes[4] = 2;
    EXPECT_TRUE(ParseProgress(bytes).empty()) << "version 2";
    EXPECT_TRUE(ParseProgress("").empty());
}

// A save that cannot finish leaves the old file byte for byte; a missing file reads as no progress.
TEST(ProgressFile, ASaveThatFailsLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.Path("progress.dat");
    EXPECT_TRUE(ReadProgressFile(path.c_str()).empty());
    const std::vector<BookProgress> before = {{"Old", {2026, 1, 1}, {1, 2}}};
    ASSERT_TRUE(WriteProgressFile(path.c_str(), before));
    const std::string bytes = TempFolder::Read(path);
    std::filesystem::create_directory(path + ".new"); // the new file cannot be written
    EXPECT_FALSE(WriteProgressFile(path.c_str(), {{"New", {}, {}}}));
    EXPECT_EQ(TempFolder::Read(path), bytes);
    EXPECT_EQ(ReadProgressFile(path.c_str()), before);
}
