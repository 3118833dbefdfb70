#include "framework/core/LittleEndian.h"
#include "framework/core/ProgramPath.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ProgramPath, AFileBesideTheProgramIsItsFolderAndTheName) {
    char path[programPathBuffer];
    ASSERT_TRUE(ProgramFilePath("C:\\Program Files\\Q.x\\Quillwake.exe", "sched.dat", path, sizeof path));
    EXPECT_STREQ(path, "C:\\Program Files\\Q.x\\sched.dat");
    EXPECT_EQ(FolderLength("C:\\Q\\Quillview.exe"), 5u);
    EXPECT_EQ(FolderLength("Quillview.exe"), 0u);
    EXPECT_FALSE(ProgramFilePath("Quillview.exe", "sched.dat", path, sizeof path)) << "no folder, no file of ours";
    EXPECT_STREQ(path, "");
}

TEST(ProgramPath, APathMustFitItsBufferWithItsTerminator) {
    char path[20];
    EXPECT_TRUE(ProgramFilePath("C:\\Quillm\\x.exe", "sched.dat", path, sizeof path)); // 19 bytes and the NUL
    EXPECT_STREQ(path, "C:\\Quillm\\sched.dat");
    EXPECT_FALSE(ProgramFilePath("C:\\Quillme\\x.exe", "sched.dat", path, sizeof path));
    EXPECT_STREQ(path, "");
    std::string joined = "old";
    const std::string folder = "C:\\" + std::string(programPathBuffer - 1 - 4 - 13, 'f') + "\\";
    EXPECT_TRUE(JoinProgramPath(folder, "Quillwake.exe", joined));
    EXPECT_EQ(joined.size(), programPathBuffer - 1);
    EXPECT_FALSE(JoinProgramPath(folder + "x", "Quillwake.exe", joined));
    EXPECT_EQ(joined, "");
    EXPECT_FALSE(JoinProgramPath("", "settings.dat", joined));
}

TEST(ProgramPath, AJoinIntoABufferThatHeldOtherBytesEndsAtItsTerminator) {
    char path[64];
    std::memset(path, 'x', sizeof path);
    ASSERT_TRUE(ProgramFilePath("C:\\Q\\Quillview.exe", "quill.wav", path, sizeof path));
    EXPECT_EQ(std::strlen(path), std::strlen("C:\\Q\\quill.wav"));
    EXPECT_EQ(path[std::strlen(path) + 1], 'x') << "nothing written past the terminator";
    EXPECT_TRUE(JoinPath("C:\\Q\\ignored", 5, "a", path, sizeof path));
    EXPECT_STREQ(path, "C:\\Q\\a") << "only the folder's own bytes are taken";
}

TEST(LittleEndian, AFieldIsItsLowestByteFirstAndReadsBackAsWritten) {
    std::string bytes;
    AppendLittleEndian32(bytes, 0x12345678u);
    EXPECT_EQ(bytes, std::string("\x78\x56\x34\x12", 4));
    for (std::uint32_t value : {0u, 1u, 0x80u, 0xFFu, 0x100u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        std::string field;
        AppendLittleEndian32(field, value);
        ASSERT_EQ(field.size(), 4u);
        EXPECT_EQ(ReadLittleEndian32(reinterpret_cast<const unsigned char*>(field.data())), value);
    }
}
