#include "tools/quillbook/BookCheck.h"

#include "tests/unit/PalmBytes.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> SoundRecords() {
    std::vector<std::string> records(366, std::string("verse\0", 6));
    records[0] = std::string("T$D\0", 4);
    return records;
}

BookReport Check(const std::string& bytes) {
    TempFolder folder;
    BookFile book;
    return CheckBook(book, folder.Write("book.pdb", bytes).c_str());
}

bool Mentions(const BookReport& report, const std::string& words) {
    for (const std::string& problem : report.problems)
        if (problem.find(words) != std::string::npos) return true;
    return false;
}

} // namespace

// A book needs a record for each day: of the year, or of a plan.
TEST(BookCheck, ASoundBookHasNoProblem) {
    const BookReport report = Check(WritePalmDatabase("T", SoundRecords(), 0));
    EXPECT_EQ(report.recordCount, 366);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    std::vector<std::string> plan = SoundRecords();
    plan.resize(91);
    EXPECT_TRUE(Check(WritePalmDatabase("T", plan, 0, {BookKind::plan, 1252, 90})).problems.empty());
    EXPECT_FALSE(Check(WritePalmDatabase("T", plan, 0, {BookKind::plan, 1252, 91})).problems.empty());
    EXPECT_FALSE(Check(WritePalmDatabase("T", plan, 0)).problems.empty()) << "a calendar book of 90 days";
}

TEST(BookCheck, RecordsWithoutDataAreNoProblemOfTheirNeighbours) {
    const std::uint32_t data = RecordListEnd(2);
    const BookReport report = Check(RawBook(2, {data, 0}, std::string("T$D\0", 4)));
    EXPECT_EQ(report.problems.size(), 1u); // too few records, nothing else
}

TEST(BookCheck, FindsEachKindOfFault) {
    std::vector<std::string> records = SoundRecords();
    records[5] = "unended";
    records.pop_back();
    EXPECT_TRUE(Mentions(Check(WritePalmDatabase("T", records, 0)), "record 5: no NUL"));
    EXPECT_TRUE(Mentions(Check(WritePalmDatabase("T", records, 0)), "only 365 records"));

    const std::uint32_t data = RecordListEnd(3);
    const std::string body = std::string("T$D\0v1\0v2\0", 10);
    EXPECT_TRUE(Mentions(Check(RawBook(3, {data, data + 7, data + 4}, body)), "record 2: data offset"));
    EXPECT_TRUE(Mentions(Check(RawBook(3, {data, data + 4, data + 99}, body)), "beyond the end"));
    EXPECT_TRUE(Mentions(Check(RawBook(9, {data}, body)), "the record list"));
}

TEST(BookCheck, AnOffsetPastTheEndIsReportedOnceAndForThatAlone) {
    std::vector<std::string> records = SoundRecords();
    std::string bytes = WritePalmDatabase("T", records, 0);
    const std::size_t lastEntry = RecordListEnd(records.size() - 1);
    const std::uint32_t past = static_cast<std::uint32_t>(bytes.size()) + 10;
    for (int i = 0; i < 4; ++i)
        bytes[lastEntry + i] = static_cast<char>(past >> (24 - 8 * i) & 0xFF);
    const BookReport report = Check(bytes);
    ASSERT_EQ(report.problems.size(), 1u) << report.problems.front();
    EXPECT_NE(report.problems[0].find("beyond the end"), std::string::npos) << report.problems[0];
}

TEST(BookCheck, AFileThatCannotBeOpenedIsAProblem) {
    BookFile book;
    EXPECT_FALSE(CheckBook(book, "/no/such/book.pdb").problems.empty());
}

TEST(BookCheck, EachCheckStopsJustShortOfItsBoundary) {
    const std::string list = RawBook(2, {0, 0}, "");
    EXPECT_FALSE(Mentions(Check(list), "the record list")) << "a list that ends at the end of the file";
    EXPECT_TRUE(Mentions(Check(list.substr(0, list.size() - 1)), "the record list of 2 records ends at byte 94"));

    const std::uint32_t data = RecordListEnd(3);
    const std::string body = std::string("T$D\0\0\0", 6);
    const BookReport same = Check(RawBook(3, {data, data + 4, data + 4}, body));
    EXPECT_FALSE(Mentions(same, "smaller than")) << "equal offsets do not decrease";
    const BookReport last = Check(RawBook(3, {data, data + 4, data + 5}, body));
    EXPECT_FALSE(Mentions(last, "beyond the end")) << "an offset at the last byte";
    EXPECT_FALSE(Mentions(last, "no NUL"));
    EXPECT_TRUE(Mentions(Check(RawBook(3, {data, data + 4, data + 6}, body)),
                         "record 2: data offset 108 lies at or beyond the end of the file (108 bytes)"));
}
