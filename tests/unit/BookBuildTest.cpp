#include "tools/quillbook/BookBuild.h"

#include "reader/book/BookLayout.h"

#include <gtest/gtest.h>

namespace {

std::string Source(std::size_t verses) {
    std::string text = "Title\nAbout it\n";
    for (std::size_t day = 1; day <= verses; ++day)
        text += "%%\nday " + std::to_string(day) + "\n";
    return text;
}

std::uint32_t RecordCount(const std::string& bytes) {
    return ReadBigEndian(reinterpret_cast<const unsigned char*>(bytes.data()) + recordCountOffset, 2);
}

} // namespace

TEST(BookBuild, WarnsOfABookWithoutOneVerseForEachDay) {
    for (std::size_t verses : {364u, 365u, 366u, 1u}) {
        BuiltBook book;
        std::string error;
        ASSERT_TRUE(BuildBook(Source(verses), "book.txt", 0, book, error)) << error;
        EXPECT_EQ(RecordCount(book.bytes), verses + 1);
        if (verses == 365) {
            EXPECT_TRUE(book.warnings.empty()) << book.warnings.front();
        } else {
            ASSERT_EQ(book.warnings.size(), 1u) << verses;
            EXPECT_EQ(book.warnings[0],
                      "book.txt holds " + std::to_string(verses) + " verses, not one for each of the 365 days");
        }
    }
}

TEST(BookBuild, HoldsAtMostAsManyRecordsAsTheCountFieldCounts) {
    BuiltBook book;
    std::string error;
    ASSERT_TRUE(BuildBook(Source(mostRecords - 1), "big.txt", 0, book, error)) << error;
    EXPECT_EQ(RecordCount(book.bytes), mostRecords);
    EXPECT_FALSE(BuildBook(Source(mostRecords), "big.txt", 0, book, error));
    EXPECT_EQ(error, "a book holds at most 65534 verses");
}

TEST(BookBuild, NamesTheSourceOfAFaultyText) {
    BuiltBook book;
    std::string error;
    EXPECT_FALSE(BuildBook("Price in $\n%%\nv", "price.txt", 0, book, error));
    EXPECT_EQ(error.rfind("price.txt: ", 0), 0u) << error;
}
