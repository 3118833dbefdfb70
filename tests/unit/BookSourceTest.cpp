#include "tools/quillbook/BookSource.h"

#include "reader/book/BookFile.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

TEST(BookSource, ReadsTitleDescriptionAndOneVerseABlock) {
    BookSource book;
    std::string error;
    ASSERT_TRUE(ParseBookSource("Title\r\nFirst line\nsecond line\n%%\nday 1\n\nstill day 1\n\n%%\r\nday 2\n%%\n", book,
                                error));
    EXPECT_EQ(book.title, "Title");
    EXPECT_EQ(book.description, "First line\nsecond line");
    ASSERT_EQ(book.verses.size(), 2u);
    EXPECT_EQ(book.verses[0], "day 1\n\nstill day 1");
    EXPECT_EQ(book.verses[1], "day 2");
}

TEST(BookSource, EveryEmptyLineAtTheEndOfAVerseIsDropped) {
    BookSource book;
    std::string error;
    ASSERT_TRUE(ParseBookSource("T\n%%\nday 1\n\n\n\r\n\n%%\nday 2\n\n\n", book, error));
    EXPECT_EQ(book.verses, (std::vector<std::string>{"day 1", "day 2"}));
}

TEST(BookSource, AnEmptyBlockIsAnEmptyVerse) {
    BookSource book;
    std::string error;
    ASSERT_TRUE(ParseBookSource("T\n%%\n%%\nlast", book, error));
    EXPECT_EQ(book.description, "");
    EXPECT_EQ(book.verses, (std::vector<std::string>{"", "last"}));
}

TEST(BookSource, RefusesWhatTheReaderCouldNotShowAsWritten) {
    BookSource book;
    std::string error;
    EXPECT_FALSE(ParseBookSource("", book, error));
    EXPECT_FALSE(ParseBookSource("\nno title", book, error));
    EXPECT_FALSE(ParseBookSource("Price in $\n%%\nv", book, error));
    EXPECT_FALSE(ParseBookSource(std::string("T\n%%\na\0b", 9), book, error));
    EXPECT_FALSE(error.empty());
}

TEST(BookSource, AWrittenBookReadsBackAsItsSource) {
    BookSource source;
    source.title = "Title";
    source.description = "About $5\nand more";
    for (int day = 1; day <= 365; ++day)
        source.verses.push_back("Day " + std::to_string(day) + "\nline two");

    TempFolder folder;
    const std::string path = folder.Write("book.pdb", WritePalmDatabase(source.title, BookRecords(source), 0));
    BookFile book;
    ASSERT_TRUE(book.OpenBook(path.c_str()));
    CString title, description;
    book.GetTitleAndDescription(title, description);
    EXPECT_EQ(std::string(title), "Title");
    EXPECT_EQ(std::string(description), "About $5\r\nand more");
    for (int day = 1; day <= 365; ++day)
        ASSERT_EQ(std::string(book.GetRecordText(day)), "Day " + std::to_string(day) + "\r\nline two");
    EXPECT_EQ(std::string(book.GetRecordText(366)), "");
}

TEST(PdbWriter, WritesTheHeaderFieldsBigEndian) {
    const std::string bytes = WritePalmDatabase(std::string(40, 'n'), {"ab", "c"}, 0x01020304);
    ASSERT_EQ(bytes.size(), 78u + 2 * 8 + 2 + 10 + 3);
    EXPECT_EQ(bytes.substr(0, 32), std::string(31, 'n') + '\0');
    EXPECT_EQ(bytes.substr(36, 8), "\x01\x02\x03\x04\x01\x02\x03\x04");
    EXPECT_EQ(bytes.substr(52, 4), std::string("\0\0\0\x60", 4)); // the app-info block after the list
    EXPECT_EQ(bytes.substr(60, 8), "VRSEQUIL");
    EXPECT_EQ(bytes.substr(68, 4), std::string("\0\0\0\x02", 4)); // the seed: the IDs given so far
    EXPECT_EQ(bytes.substr(76, 2), std::string("\0\x02", 2));
    // each entry: the data offset, then attributes 0 and a unique ID counted from 1
    EXPECT_EQ(bytes.substr(78, 8), std::string("\0\0\0\x6A\0\0\0\x01", 8));
    EXPECT_EQ(bytes.substr(86, 8), std::string("\0\0\0\x6C\0\0\0\x02", 8));
    EXPECT_EQ(bytes.substr(94, 2), std::string(2, '\0'));
    // a calendar book in no code page, of 365 days
    EXPECT_EQ(bytes.substr(96, 10), std::string("QMBK\0\0\0\0\x01\x6D", 10));
    // every other field of the header zero: attributes and version, backup date, modification
    // number, sort info and next record list
    EXPECT_EQ(bytes.substr(32, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(44, 8), std::string(8, '\0'));
    EXPECT_EQ(bytes.substr(56, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(72, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(106), "abc");
}

// What a book says of itself reads back through the reader's book access, and a book without it,
// as an older book tool wrote them, reads as a calendar book; a plan whose block ends before its
// days, as older tools wrote plans, has 365.
TEST(PdbWriter, WritesTheKindCodePageAndDaysThatTheReaderReadsBack) {
    TempFolder folder;
    const std::vector<std::string> records = {std::string("T$D\0", 4), std::string("day\0", 4)};
    BookFile book;
    for (const BookInfo written : {BookInfo{BookKind::plan, 1252, 90}, BookInfo{BookKind::calendar, 65001},
                                   BookInfo{BookKind::plan, 0, 1}, BookInfo{BookKind::plan, 0, 2000}}) {
        book.OpenBook(folder.Write("book.pdb", WritePalmDatabase("T", records, 0, written)).c_str());
        EXPECT_EQ(book.GetBookInfo().kind, written.kind);
        EXPECT_EQ(book.GetBookInfo().codePage, written.codePage);
        EXPECT_EQ(book.GetBookInfo().planDays, written.planDays);
        EXPECT_EQ(std::string(book.GetRecordText(1)), "day");
    }
    for (const std::uint16_t days : {0, 2001, 90}) {
        std::string plan = WritePalmDatabase("T", records, 0, {BookKind::plan, 1252, days});
        if (days == 90) { // the block of an older tool: the records' data right after its first 8 bytes
            plan.erase(104, 2);
            plan[81] = static_cast<char>(plan[81] - 2);
            plan[89] = static_cast<char>(plan[89] - 2);
        }
        book.OpenBook(folder.Write("plan.pdb", plan).c_str());
        EXPECT_EQ(book.GetBookInfo().kind, BookKind::plan) << days;
        EXPECT_EQ(book.GetBookInfo().planDays, 365) << days;
        EXPECT_EQ(std::string(book.GetRecordText(1)), "day") << days;
    }
    std::string older = WritePalmDatabase("T", records, 0, {BookKind::plan, 1252});
    older.replace(52, 4, std::string(4, '\0')); // no app-info block named
    book.OpenBook(folder.Write("older.pdb", older).c_str());
    EXPECT_EQ(book.GetBookInfo().kind, BookKind::calendar);
    EXPECT_EQ(book.GetBookInfo().codePage, 0);
    std::string foreign = WritePalmDatabase("T", records, 0, {BookKind::plan, 1252});
    foreign.replace(96, 4, "XXXX"); // a block of another program
    book.OpenBook(folder.Write("foreign.pdb", foreign).c_str());
    EXPECT_EQ(book.GetBookInfo().kind, BookKind::calendar);
    std::string cut = WritePalmDatabase("T", {}, 0, {BookKind::plan, 1252});
    book.OpenBook(folder.Write("cut.pdb", cut.substr(0, cut.size() - 3)).c_str());
    EXPECT_EQ(book.GetBookInfo().kind, BookKind::calendar) << "a block cut short of its code page says nothing";
}
