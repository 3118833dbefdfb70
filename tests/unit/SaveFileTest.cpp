#include "framework/core/SaveFile.h"

#include "tests/unit/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(SaveFile, ReplacesTheOldFileWholeAndLeavesNoNewFile) {
    TempFolder folder;
    const std::string path = folder.Write("settings.dat", std::string(300, 'o'));
    ASSERT_TRUE(SaveFile(path.c_str(), "new bytes", 9));
    EXPECT_EQ(TempFolder::Read(path), "new bytes");
    EXPECT_FALSE(fs::exists(path + ".new"));
    ASSERT_TRUE(SaveFile(folder.Path("fresh.dat").c_str(), "", 0));
    EXPECT_EQ(TempFolder::Read(folder.Path("fresh.dat")), "");
}

// Only POSIX limits the size of a process's files, which cuts a write short.
#if !defined(_WIN32)
TEST(SaveFile, AWriteCutShortLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.Write("settings.dat", "old");
    {
        ScopedFileSizeLimit limit(4);
        ASSERT_TRUE(limit.Set());
        EXPECT_FALSE(SaveFile(path.c_str(), "new bytes", 9));
    }
    EXPECT_EQ(TempFolder::Read(path), "old");
    EXPECT_FALSE(fs::exists(path + ".new"));
}
#endif

// Each way a save can fail leaves the old file byte for byte.
struct Obstacle {
    const char* name;
    void (*place)(const std::string& path); // path is the file being saved; null where it cannot be made
    const char* readOnly;                   // the suffix of the file that place makes read-only, if any
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) { *out << obstacle.name; }

void MakeReadOnly(const std::string& file) { fs::permissions(file, fs::perms::all, fs::perm_options::remove); }

bool WritableByThisUser(const std::string& file) { return std::ofstream(file, std::ios::app).good(); }

const Obstacle obstacles[] = {
    {"AFolderInTheWayOfTheNewFile", [](const std::string& path) { fs::create_directory(path + ".new"); }, nullptr},
    {"AReadOnlyFileInTheWayOfTheNewFile",
     [](const std::string& path) {
         std::ofstream(path + ".new") << "x";
         MakeReadOnly(path + ".new");
     },
     ".new"},
#if defined(_WIN32)
    {"AReadOnlyOldFile", [](const std::string& path) { MakeReadOnly(path); }, ""},
    {"TheDiskRefusingTheWrite", nullptr, nullptr},
    {"TheDiskRefusingTheFlush", nullptr, nullptr},
#else
    {"AReadOnlyOldFile", nullptr, nullptr},
    {"TheDiskRefusingTheWrite", [](const std::string& path) { fs::create_symlink("/dev/full", path + ".new"); },
     nullptr},
    // Writes to /dev/null succeed, and fsync on it fails: the data reach the file but not the disk.
    {"TheDiskRefusingTheFlush", [](const std::string& path) { fs::create_symlink("/dev/null", path + ".new"); },
     nullptr},
#endif
};

class SaveFileFailure : public ::testing::TestWithParam<Obstacle> {};

TEST_P(SaveFileFailure, LeavesTheOldFileByteForByte) {
    // POSIX replaces a read-only file by design; Windows has no full disk to be had here.
    if (!GetParam().place) GTEST_SKIP() << "this platform cannot fail this way";
    TempFolder folder;
    const std::string old(1000, '\x5A');
    const std::string path = folder.Write("sched.dat", old);
    GetParam().place(path);
    if (GetParam().readOnly && WritableByThisUser(path + GetParam().readOnly))
        GTEST_SKIP() << "this user (root) writes read-only files, so nothing is in the way";
    EXPECT_FALSE(SaveFile(path.c_str(), "new", 3));
    EXPECT_EQ(TempFolder::Read(path), old);
    for (const std::string& file : {path, path + ".new"})
        if (fs::is_regular_file(file)) fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(SaveFile, SaveFileFailure, ::testing::ValuesIn(obstacles),
                         [](const ::testing::TestParamInfo<Obstacle>& obstacle) { return obstacle.param.name; });
