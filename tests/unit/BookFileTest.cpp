#include "reader/book/BookFile.h"

#include "tests/unit/PalmBytes.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Book(const std::vector<std::string>& records) { return WritePalmDatabase("Test", records, 0); }

std::string Text(const CString& text) { return static_cast<const char*>(text); }

class BookFileTest : public ::testing::Test {
protected:
    // Makes bytes the current book.
    std::string Open(const std::string& bytes, const char* name = "book.pdb") {
        const std::string path = folder.Write(name, bytes);
        EXPECT_TRUE(book.OpenBook(path.c_str()));
        return path;
    }
    std::string Record(std::int32_t index) { return Text(book.GetRecordText(index)); }
    // The texts of records 0 to count - 1.
    std::vector<std::string> Records(std::int32_t count) {
        std::vector<std::string> texts;
        for (std::int32_t index = 0; index < count; ++index)
            texts.push_back(Record(index));
        return texts;
    }

    TempFolder folder;
    BookFile book;
};

} // namespace

TEST_F(BookFileTest, AnEmptyFileOpensWithoutRecords) {
    Open("");
    for (int index : {-1, 0, 1, 365})
        EXPECT_EQ(Record(index), "") << index;
    CString title("x"), description("y");
    book.GetTitleAndDescription(title, description);
    EXPECT_TRUE(title.IsEmpty());
    EXPECT_TRUE(description.IsEmpty());
}

TEST_F(BookFileTest, AFailedOpenStillMakesThePathTheCurrentBook) {
    Open(Book({"T$D\0", "verse\0"}));
    EXPECT_EQ(Record(1), "verse");
    EXPECT_FALSE(book.OpenBook(folder.Path("missing.pdb").c_str()));
    EXPECT_EQ(Record(1), "");
}

TEST_F(BookFileTest, ReadsTextUpToItsFirstNulWithEveryLfWidened) {
    Open(Book({std::string("T$D\0", 4), std::string("one\ntwo\0", 8), std::string("a\r\nb\0", 5),
               std::string("before\0after\0", 13), std::string("\0", 1)}));
    EXPECT_EQ(Records(5), (std::vector<std::string>{"T$D", "one\r\ntwo", "a\r\r\nb", "before", ""}));
}

TEST_F(BookFileTest, IndexesOutsideTheRecordListReadEmpty) {
    Open(Book({std::string("T$D\0", 4), std::string("v\0", 2)}));
    for (std::int32_t index : {-1, 2, 3, 65535, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Record(index), "") << index;
}

// Record -1's entry would be the header's last eight bytes, before the record count; made to hold
// the offset of a record's text, they are still no record.
TEST_F(BookFileTest, ANegativeIndexReadsEmptyWhereTheHeaderHoldsAPlausibleOffset) {
    std::string bytes = RawBook(2, {94, 98}, std::string("one\0two\0", 8));
    bytes[73] = 94; // record -1's offset: record 0's text
    bytes[65] = 98; // record -2's: record 1's
    Open(bytes);
    EXPECT_EQ(Record(0), "one");
    EXPECT_EQ(Record(1), "two");
    EXPECT_EQ(Record(-1), "");
    EXPECT_EQ(Record(-2), "");
}

TEST_F(BookFileTest, TheLastRecordRunsToTheEndOfTheFile) {
    Open(Book({std::string("T$D\0", 4), "no terminator\nat all"}));
    EXPECT_EQ(Record(1), "no terminator\r\nat all");
}

TEST_F(BookFileTest, ARecordWithoutDataReadsEmptyAndItsNeighboursReadNormally) {
    const std::uint32_t data = RecordListEnd(4);
    Open(RawBook(4, {data, 0, data + 3, 0}, "abcdef"));
    EXPECT_EQ(Records(4), (std::vector<std::string>{"abc", "", "def", ""}));
}

TEST_F(BookFileTest, TheScanForTheNextRecordWithDataStopsAtTheEndOfTheList) {
    // Where the list would have a third entry lie the bytes of an offset into record 0.
    const std::uint32_t data = RecordListEnd(2);
    const std::string body = std::string("\0\0\0", 3) + static_cast<char>(data + 6) + "T$D";
    Open(RawBook(2, {data + 4, 0}, body));
    EXPECT_EQ(Record(0), "T$D");
}

TEST_F(BookFileTest, TheHeaderRecordSplitsAtItsFirstDollar) {
    const struct {
        const char *record, *title, *description;
    } cases[] = {
        {"Title$Description", "Title", "Description"},
        {"no dollar", "", "no dollar"},
        {"$rest", "", "rest"},
        {"Title$", "Title", ""},
        {"a$b$c", "a", "b$c"},
        {"Two\nlines$and\ntwo", "Two\r\nlines", "and\r\ntwo"},
    };
    for (const auto& c : cases) {
        Open(Book({std::string(c.record) + '\0'}));
        CString title, description;
        book.GetTitleAndDescription(title, description);
        EXPECT_EQ(Text(title), c.title) << c.record;
        EXPECT_EQ(Text(description), c.description) << c.record;
    }
}

TEST_F(BookFileTest, AFileReplacedAfterOpeningIsReadAfresh) {
    Open(Book({std::string("T$D\0", 4), std::string("old\0", 4)}));
    folder.Write("book.pdb", Book({std::string("T$D\0", 4), std::string("new\0", 4), std::string("more\0", 5)}));
    EXPECT_EQ(Record(1), "new");
    EXPECT_EQ(Record(2), "more");
}

TEST_F(BookFileTest, ReadsCountAndDataOffsetsBigEndian) {
    const std::string path = Open(RawBook(0x0102, {0x01020304, 0xFFFFFFF0}, ""));
    ASSERT_TRUE(book.Open(path.c_str(), CFile::typeBinary | CFile::modeRead));
    EXPECT_EQ(book.GetRecordCount(), 258);
    EXPECT_EQ(book.GetRecordOffset(0), 0x01020304);
    EXPECT_EQ(book.GetRecordOffset(1), -16);
    EXPECT_EQ(book.GetRecordOffset(2), 0); // beyond the end of the file
    book.Close();
}

TEST_F(BookFileTest, OffsetsThatLeaveTheFileNeverReachBeyondIt) {
    const std::uint32_t data = RecordListEnd(2);
    struct Case {
        std::vector<std::uint32_t> offsets;
        const char* record0;
    } cases[] = {
        {{data, 0x7FFFFFFF}, "abcdef"}, // the next offset far beyond the end: read to the end
        {{data, 0xFFFFFFFF}, "abcdef"}, // the next offset reads as negative
        {{data + 100, data + 200}, ""}, // at or beyond the end
        {{0x80000000, data}, ""},       // reads as negative
        {{data + 4, data + 2}, ""},     // offsets that decrease
        {{data + 2, data + 2}, ""},     // an empty extent
        {{data + 6, data + 6}, ""},     // at the very end
    };
    for (const Case& c : cases) {
        Open(RawBook(2, c.offsets, "abcdef"));
        EXPECT_EQ(Record(0), c.record0) << c.offsets[0] << " " << c.offsets[1];
    }
}

TEST_F(BookFileTest, AFileShorterThanItsHeaderHasNoReadableRecord) {
    std::string bytes(76, 'x');
    Open(bytes);
    EXPECT_EQ(Record(0), "");
    bytes += '\x01'; // the count's second byte is missing and counts as 0: 256 records, no list
    Open(bytes);
    for (int index : {0, 1, 255})
        EXPECT_EQ(Record(index), "") << index;
}

TEST_F(BookFileTest, EveryTruncationReadsAtMostWhatWasWritten) {
    const std::vector<std::string> records = {std::string("Title$Desc\n\0", 12), std::string("first\nverse\0", 12),
                                              std::string("second\0", 7), "last, unended"};
    const std::string whole = Book(records);
    std::vector<std::string> full;
    Open(whole);
    for (std::int32_t i = 0; i < 4; ++i)
        full.push_back(Record(i));

    for (size_t length = 0; length <= whole.size(); ++length) {
        Open(whole.substr(0, length));
        for (std::int32_t i = -1; i <= 4; ++i) {
            const std::string text = Record(i);
            ASSERT_LE(text.size(), 2 * length) << length;
            const bool listIsWhole = length >= RecordListEnd(4) && i >= 0 && i < 4;
            if (listIsWhole) {
                ASSERT_EQ(full[i].compare(0, text.size(), text), 0) << length;
            }
        }
    }
}

TEST_F(BookFileTest, RandomBytesNeverReadMoreThanTheFileHolds) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 400, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 4 == 0 ? random() : random() % 3);
        if (bytes.size() > 77 && round % 2) bytes[76] = 0, bytes[77] = static_cast<char>(random() % 40);
        Open(bytes);
        CString title, description;
        book.GetTitleAndDescription(title, description);
        ASSERT_LE(title.GetLength() + description.GetLength(), static_cast<int>(2 * bytes.size()));
        for (std::int32_t i = -1; i < 42; ++i)
            ASSERT_LE(Record(i).size(), 2 * bytes.size()) << round;
    }
}

// The reader's layout names every byte of the header and of a record entry once, in order, and the
// book tool's writer puts what the reader reads where the layout says.
TEST(BookLayout, NamesEachByteOnceAndTheWriterFollowsIt) {
    std::uint32_t end = 0;
    for (BookField field :
         {header::name, header::attributes, header::version, header::creationDate, header::modificationDate,
          header::backupDate, header::modificationNumber, header::appInfoOffset, header::sortInfoOffset, header::type,
          header::creator, header::uniqueIdSeed, header::nextRecordList, header::recordCount}) {
        EXPECT_EQ(field.offset, end);
        end = field.offset + field.size;
    }
    EXPECT_EQ(end, header::size);
    end = 0;
    for (BookField field : {recordEntry::dataOffset, recordEntry::attributes, recordEntry::uniqueId}) {
        EXPECT_EQ(field.offset, end);
        end = field.offset + field.size;
    }
    EXPECT_EQ(end, recordEntry::size);

    const std::string bytes = Book({"first", "second", "third"});
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto field = [&](std::uint64_t base, BookField f) { return ReadBigEndian(at + base + f.offset, f.size); };
    EXPECT_EQ(field(0, header::recordCount), 3u);
    const std::uint64_t data = RecordListEnd(3) + recordListGap + bookInfo::size;
    const std::uint64_t offsets[] = {data, data + 5, data + 11}; // after "first" and "second"
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(field(RecordListEnd(i), recordEntry::dataOffset), offsets[i]);
        EXPECT_EQ(field(RecordListEnd(i), recordEntry::uniqueId), i + 1);
    }
}
