#include "reader/logic/SettingsFile.h"

#include "framework/core/CFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

FontDescription SomeFont(unsigned char seed) {
    FontDescription font;
    for (size_t i = 0; i < font.size(); ++i)
        font[i] = static_cast<unsigned char>(seed + 7 * i);
    return font;
}

std::string LittleEndian(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

} // namespace

TEST(SettingsFile, EverySavedRecordReadsBackWithTheSameFields) {
    std::mt19937 random(76);
    for (int round = 0; round < 500; ++round) {
        SettingsRecord record;
        record.autorun = random() % 2;
        record.chime = random() % 2;
        record.autorunTime = random();
        record.font = SomeFont(static_cast<unsigned char>(random()));
        for (unsigned i = random() % 300; i > 0; --i)
            record.bookPath += static_cast<char>(1 + random() % 255);
        const auto any = [&] { return static_cast<int>(random()); };
        if (!record.bookPath.empty() && random() % 2)
            record.window = WindowPlace{{any(), any(), any(), any()}, random() % 2 != 0, any()};
        if (!record.bookPath.empty() && random() % 2) record.look = TextLook{random() % 2 != 0, random() % 2 != 0};
        const std::string bytes = SettingsBytes(record.autorun, *record.autorunTime, record.chime, *record.font,
                                                record.bookPath, "", record.window, record.look);
        ASSERT_EQ(bytes.size(), 76 + record.bookPath.size() + (record.window ? 32 : 0) + (record.look ? 16 : 0));
        ASSERT_EQ(ParseSettings(bytes), record) << round;
    }
}

TEST(SettingsFile, IsLaidOutLittleEndianWithFlagsAsZeroOrOne) {
    const std::string bytes = SettingsBytes(true, 0x11223344, false, SomeFont(1), "C:\\b.pdb");
    EXPECT_EQ(bytes.substr(0, 12), LittleEndian(1) + LittleEndian(0x11223344) + LittleEndian(0));
    EXPECT_EQ(bytes.substr(12, 60), std::string(reinterpret_cast<const char*>(SomeFont(1).data()), 60));
    EXPECT_EQ(bytes.substr(72), LittleEndian(8) + "C:\\b.pdb");
}

TEST(SettingsFile, EveryTruncationKeepsWhatIsWholeAndDefaultsTheRest) {
    const std::string whole = SettingsBytes(false, 1234567, false, SomeFont(9), "D:\\Books\\psalms.pdb");
    for (size_t length = 0; length <= whole.size(); ++length) {
        const SettingsRecord record = ParseSettings(whole.substr(0, length));
        EXPECT_EQ(record.autorun, length < 4) << length;
        EXPECT_EQ(record.autorunTime.has_value(), length >= 8) << length;
        EXPECT_EQ(record.chime, length < 12) << length;
        EXPECT_EQ(record.font.has_value(), length >= 72) << length;
        EXPECT_EQ(record.bookPath.empty(), length < whole.size()) << length;
    }
}

// A path that the ANSI code page cannot hold follows the fields whole, where the readers before it
// never look; each cut of it leaves the fields and the ANSI path as they were.
TEST(SettingsFile, AUtf8PathFollowsTheFieldsAndEveryCutOfItFallsBackToTheAnsiPath) {
    const std::string utf8 = "C:\\\xC5\x81\xC3\xB3"
                             "d\xC5\xBA \xE6\x97\xA5\xE6\x9C\xAC\\b.pdb";
    const std::string whole = SettingsBytes(true, 99, true, SomeFont(4),
                                            "C:\\?\xF3"
                                            "d? ??\\b.pdb",
                                            utf8);
    const std::string old = SettingsBytes(true, 99, true, SomeFont(4),
                                          "C:\\?\xF3"
                                          "d? ??\\b.pdb");
    ASSERT_EQ(whole.substr(0, old.size()), old) << "the fields a reader of today reads are unchanged";
    EXPECT_EQ(whole.substr(old.size()), "UTF8" + LittleEndian(static_cast<std::uint32_t>(utf8.size())) + utf8);
    EXPECT_EQ(ParseSettings(whole).bookPathUtf8, utf8);
    for (size_t length = old.size(); length < whole.size(); ++length) {
        const SettingsRecord record = ParseSettings(whole.substr(0, length));
        EXPECT_EQ(record.bookPathUtf8, "") << length;
        EXPECT_EQ(record.bookPath, ParseSettings(old).bookPath) << length;
    }
    EXPECT_EQ(ParseSettings(old + "UTF9" + LittleEndian(1) + "x").bookPathUtf8, "") << "another tag";
    EXPECT_EQ(ParseSettings(old + "UTF8" + LittleEndian(0)).bookPathUtf8, "") << "an empty path";
    EXPECT_EQ(ParseSettings(old + "UTF8" + LittleEndian(0xFFFFFFFF) + "x").bookPathUtf8, "") << "a huge length";
    EXPECT_EQ(ParseSettings(SettingsBytes(true, 99, true, SomeFont(4), "", utf8)).bookPathUtf8, "")
        << "no ANSI path, no UTF-8 one";
}

// The window's place and the text's look follow the fields, after the UTF-8 path where there is
// one, and count only whole; a block of a tag it does not know before them is passed over.
TEST(SettingsFile, TheWindowsPlaceFollowsAsABlockThatCountsOnlyWhole) {
    const WindowPlace place{{-100, 20, 1200, 900}, true, 144};
    for (const std::string utf8 : {"", "C:\\\xC5\x81\\b.pdb"}) {
        const std::string before = SettingsBytes(true, 99, true, SomeFont(4), "C:\\?\\b.pdb", utf8);
        const std::string whole = SettingsBytes(true, 99, true, SomeFont(4), "C:\\?\\b.pdb", utf8, place);
        ASSERT_EQ(whole.substr(0, before.size()), before) << "what the readers before it read is unchanged";
        EXPECT_EQ(ParseSettings(whole).window, place);
        EXPECT_EQ(ParseSettings(whole).bookPathUtf8, utf8);
        for (size_t length = before.size(); length < whole.size(); ++length)
            EXPECT_EQ(ParseSettings(whole.substr(0, length)), ParseSettings(before)) << length;
    }
    const std::string fields = SettingsBytes(true, 99, true, SomeFont(4), "C:\\b.pdb");
    const std::string block = SettingsBytes(true, 99, true, SomeFont(4), "C:\\b.pdb", "", place).substr(fields.size());
    EXPECT_EQ(ParseSettings(fields + "VIEW" + LittleEndian(2) + "ab" + block).window, place) << "after another block";
    EXPECT_EQ(ParseSettings(fields + "WNDW" + LittleEndian(20) + std::string(20, 'x')).window, std::nullopt);
    const TextLook look{false, true};
    const std::string withLook = SettingsBytes(true, 99, true, SomeFont(4), "C:\\b.pdb", "", place, look);
    EXPECT_EQ(ParseSettings(withLook).look, look);
    EXPECT_EQ(ParseSettings(withLook).window, place);
    EXPECT_EQ(ParseSettings(withLook.substr(0, withLook.size() - 1)).look, std::nullopt);
    EXPECT_EQ(ParseSettings(fields + "LOOK" + LittleEndian(4) + LittleEndian(1)).look, std::nullopt);
}

TEST(SettingsFile, FlagsOtherThanZeroCountAsOn) {
    std::string bytes = SettingsBytes(false, 0, false, SomeFont(0), "");
    bytes.replace(0, 4, LittleEndian(7));
    bytes.replace(8, 4, LittleEndian(0xFFFFFFFF));
    const SettingsRecord record = ParseSettings(bytes);
    EXPECT_TRUE(record.autorun);
    EXPECT_TRUE(record.chime);
    EXPECT_EQ(SettingsBytes(record.autorun, 0, record.chime, *record.font, "").substr(0, 12),
              LittleEndian(1) + LittleEndian(0) + LittleEndian(1));
}

TEST(SettingsFile, APathThatDoesNotFitTheFileIsNoPath) {
    const std::string fixed = SettingsBytes(true, 0, true, SomeFont(0), "").substr(0, 72);
    for (std::uint32_t length : {0u, 5u, 32768u, 0x7FFFFFFFu, 0xFFFFFFFFu})
        EXPECT_EQ(ParseSettings(fixed + LittleEndian(length) + "abcd").bookPath, "") << length;
    EXPECT_EQ(ParseSettings(fixed + LittleEndian(4) + "abcd").bookPath, "abcd");
    const std::string longest(longestBookPath, 'p');
    EXPECT_EQ(ParseSettings(fixed + LittleEndian(longestBookPath) + longest).bookPath, longest);
    EXPECT_EQ(ParseSettings(fixed + LittleEndian(3) + "abcd").bookPath, "abc");
    EXPECT_EQ(ParseSettings(fixed + LittleEndian(4) + std::string("ab\0d", 4)).bookPath, "ab");
}

TEST(SettingsFile, TimesPast2038AreKeptAsAnUnsignedCount) {
    const std::int64_t after2038 = 2158999200; // 2038-06-01
    const SettingsRecord record = ParseSettings(SettingsBytes(true, after2038, true, SomeFont(0), ""));
    EXPECT_EQ(record.autorunTime, after2038);
    EXPECT_EQ(ParseSettings(SettingsBytes(true, 1LL << 40, true, SomeFont(0), "")).autorunTime, 0xFFFFFFFFLL);
}

TEST(SettingsFile, ReadsAFileWhateverItsSize) {
    TempFolder folder;
    SettingsRecord record;
    EXPECT_FALSE(ReadSettingsFile(folder.Path("settings.dat").c_str(), record));
    EXPECT_TRUE(ReadSettingsFile(folder.Write("empty.dat", "").c_str(), record));
    EXPECT_EQ(record, SettingsRecord());

    std::string huge = SettingsBytes(false, 5, false, SomeFont(3), "").substr(0, 72) + LittleEndian(0xFFFFFFF0);
    huge.resize(1 << 20, 'p');
    ASSERT_TRUE(ReadSettingsFile(folder.Write("huge.dat", huge).c_str(), record));
    EXPECT_FALSE(record.autorun);
    EXPECT_EQ(record.bookPath, "");

    // The longest file there is: both paths as long as paths go, the window's place and the look.
    SettingsRecord longest{true,
                           7,
                           false,
                           SomeFont(5),
                           std::string(longestBookPath, 'a'),
                           std::string(longestBookPath, 'u'),
                           WindowPlace{{1, 2, 3, 4}, true, 96},
                           TextLook{false, true}};
    const std::string bytes = SettingsBytes(longest.autorun, *longest.autorunTime, longest.chime, *longest.font,
                                            longest.bookPath, longest.bookPathUtf8, longest.window, longest.look);
    ASSERT_TRUE(ReadSettingsFile(folder.Write("longest.dat", bytes).c_str(), record));
    EXPECT_EQ(record, longest) << "every byte of it read";
}

TEST(SettingsFile, SavingReplacesTheOldFileWholeOrNotAtAll) {
    TempFolder folder;
    const std::string path = folder.Write("settings.dat", std::string(500, 'o'));
    const std::string bytes = SettingsBytes(true, 9, true, SomeFont(2), "C:\\x.pdb");
    ASSERT_TRUE(WriteSettingsFile(path.c_str(), bytes));
    EXPECT_EQ(TempFolder::Read(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    EXPECT_FALSE(WriteSettingsFile(folder.Path("missing/settings.dat").c_str(), bytes));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("missing")));
    std::filesystem::create_directory(path + ".new"); // the new file cannot be written
    EXPECT_FALSE(WriteSettingsFile(path.c_str(), "new"));
    EXPECT_EQ(TempFolder::Read(path), bytes);
}

TEST(SettingsFile, AFileHeldOpenElsewhereIsNotReplaced) {
#if !defined(_WIN32)
    GTEST_SKIP() << "POSIX replaces a file that is held open";
#endif
    TempFolder folder;
    const std::string path = folder.Write("settings.dat", "old");
    CFile reader;
    ASSERT_TRUE(reader.Open(path.c_str(), CFile::typeBinary | CFile::modeRead));
    EXPECT_FALSE(WriteSettingsFile(path.c_str(), "new"));
    reader.Close();
    EXPECT_EQ(TempFolder::Read(path), "old");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}
