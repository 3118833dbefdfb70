#include "framework/core/CFile.h"

#include "tests/unit/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
constexpr unsigned readFlags = CFile::typeBinary | CFile::modeRead;
constexpr unsigned createFlags = CFile::typeBinary | CFile::modeWrite | CFile::modeCreate;
} // namespace

TEST(CFile, OpeningWhatIsMissingOrAFolderFailsQuietly) {
    TempFolder folder;
    CFile file;
    EXPECT_FALSE(file.Open(folder.Path("missing.pdb").c_str(), readFlags));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(folder.Path("").c_str(), readFlags));
    EXPECT_FALSE(file.Open(folder.Path("no/such/folder.dat").c_str(), createFlags));
    char byte;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CFile, ReadsFromWhereItSeeksAndStopsAtTheEnd) {
    TempFolder folder;
    CFile file;
    ASSERT_TRUE(file.Open(folder.Write("data", "0123456789").c_str(), readFlags));
    EXPECT_EQ(file.GetLength(), 10u);
    char buffer[8] = {};
    ASSERT_TRUE(file.Seek(6));
    EXPECT_EQ(file.Read(buffer, 8), 4u);
    EXPECT_EQ(std::string(buffer, 4), "6789");
    ASSERT_TRUE(file.Seek(100));
    EXPECT_EQ(file.Read(buffer, 1), 0u);
    ASSERT_TRUE(file.Seek(0));
    EXPECT_EQ(file.Read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "012");
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST(CFile, CreateTruncatesAndWritesWholeFiles) {
    TempFolder folder;
    const std::string path = folder.Write("settings.dat", std::string(100, 'x'));
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), createFlags));
        EXPECT_TRUE(file.Write("abc", 3));
    }
    EXPECT_EQ(TempFolder::Read(path), "abc");
}

TEST(CFile, OpensFilesForExclusiveAccessWhereThePlatformHasIt) {
#if !defined(_WIN32)
    GTEST_SKIP() << "POSIX has no exclusive opening";
#else
    TempFolder folder;
    const std::string path = folder.Write("book.pdb", "x");
    CFile first, second;
    ASSERT_TRUE(first.Open(path.c_str(), readFlags));
    EXPECT_FALSE(second.Open(path.c_str(), readFlags));
    first.Close();
    EXPECT_TRUE(second.Open(path.c_str(), readFlags));
#endif
}

// Only POSIX limits the size of a process's files, which cuts a write short.
#if !defined(_WIN32)
TEST(CFile, AWriteCutShortIsAFailure) {
    TempFolder folder;
    CFile file;
    ASSERT_TRUE(file.Open(folder.Path("short").c_str(), createFlags));
    {
        ScopedFileSizeLimit limit(10);
        ASSERT_TRUE(limit.Set());
        EXPECT_FALSE(file.Write("0123456789abcdef", 16));
    }
    EXPECT_EQ(file.GetLength(), 10u);
}
#endif
