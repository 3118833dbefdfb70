#include "framework/core/ProgramPath.h"
#include "reader/logic/AutorunPaths.h"

#include <gtest/gtest.h>

TEST(AutorunPaths, TheLinkIsNamedFromTheLastDotOfTheWholePath) {
    std::string link;
    ASSERT_TRUE(StartupLinkPath("C:\\ProgramData\\Start Menu\\StartUp", "Quillwake.exe", link));
    EXPECT_EQ(link, "C:\\ProgramData\\Start Menu\\StartUp\\Quillwake.lnk");
    ASSERT_TRUE(StartupLinkPath("C:\\Users\\a.b\\Start.Up", "Quillwake.exe", link));
    EXPECT_EQ(link, "C:\\Users\\a.b\\Start.Up\\Quillwake.lnk");
    ASSERT_TRUE(StartupLinkPath("C:\\v1.2", "Quillwake", link)); // no dot in the name: the folder's counts
    EXPECT_EQ(link, "C:\\v1.lnk");
}

TEST(AutorunPaths, LinksThatDoNotFitTheBufferAreRefused) {
    std::string path;
    const std::size_t most = programPathBuffer - 1; // bytes before the terminator
    EXPECT_TRUE(StartupLinkPath(std::string(most - 1 - 13, 's'), "Quillwake.exe", path));
    EXPECT_FALSE(StartupLinkPath(std::string(most - 13, 's'), "Quillwake.exe", path));
    // A path that fits until "lnk" takes the place of a shorter ending.
    EXPECT_TRUE(StartupLinkPath(std::string(most - 6, 's'), "Q.x", path));
    EXPECT_FALSE(StartupLinkPath(std::string(most - 4, 's'), "Q.x", path));
    EXPECT_TRUE(path.empty());
}
