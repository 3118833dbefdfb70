// The settings panel made from its template, as a child of a test window, driven through its controls.
#include "reader/app/SettingsDlg.h"

#include "reader/app/FontDescription.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>

namespace {

class SettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent.m_hWnd = ::CreateWindowExA(0, "STATIC", "Settings test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                          200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(parent.m_hWnd);
        panel.m_platform = &platform;
        ASSERT_TRUE(panel.Create(SettingsDlg::IDD, &parent));
        panel.ShowWindow(SW_SHOWNORMAL);
        directory = folder.Path("").c_str();
    }
    void TearDown() override { ::DestroyWindow(parent.m_hWnd); }

    HWND Control(int id) { return panel.GetDlgItem(id); }
    bool Checked(int id) { return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { ::SendMessageA(Control(id), BM_CLICK, 0, 0); }
    SYSTEMTIME PickerTime() {
        SYSTEMTIME time{};
        ::SendMessageA(Control(IDC_AUTORUN_TIME), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return time;
    }
    std::string Text(int id) {
        char text[1000] = {};
        ::GetWindowTextA(Control(id), text, sizeof text);
        return text;
    }

    TempFolder folder;
    CString directory;
    CWnd parent;
    RecordingPlatform platform;
    SettingsDlg panel;
};

} // namespace

TEST_F(SettingsDlgTest, ShowsTheLoadedSettingsInItsControls) {
    LOGFONTA font{};
    font.lfHeight = -17;
    std::strcpy(font.lfFaceName, "Tahoma");
    const CTime stored(2020, 5, 17, 21, 30, 15);
    folder.Write("settings.dat",
                 SettingsBytes(false, stored.GetTime(), true, ToFontDescription(font), "C:\\Books\\psalms.pdb"));

    EXPECT_TRUE(panel.LoadSettings(directory, "settings.dat"));
    EXPECT_EQ(Text(IDC_BOOK_PATH), "C:\\Books\\psalms.pdb");
    EXPECT_FALSE(Checked(IDC_AUTORUN));
    EXPECT_TRUE(Checked(IDC_CHIME));
    const SYSTEMTIME shown = PickerTime();
    const CTime today = CTime::GetCurrentTime();
    EXPECT_EQ(shown.wHour * 10000 + shown.wMinute * 100 + shown.wSecond, 213015);
    EXPECT_EQ(shown.wDay, today.GetDay());
    EXPECT_FALSE(::IsWindowEnabled(Control(IDC_AUTORUN_TIME)));
    EXPECT_EQ(panel.m_fontDescription.lfHeight, -17);
    EXPECT_TRUE(panel.HasFont());
}

TEST_F(SettingsDlgTest, WithoutAFileTakesTheDefaults) {
    EXPECT_FALSE(panel.LoadSettings(directory, "settings.dat"));
    EXPECT_EQ(panel.m_autorun, 1);
    EXPECT_EQ(panel.m_chime, 1);
    EXPECT_EQ(Text(IDC_BOOK_PATH), std::string(directory) + "quillmere.pdb");
    const SYSTEMTIME shown = PickerTime();
    EXPECT_EQ(shown.wHour * 10000 + shown.wMinute * 100 + shown.wSecond, 80000);
    EXPECT_TRUE(::IsWindowEnabled(Control(IDC_AUTORUN_TIME)));
    LOGFONTA system{};
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof system, &system);
    EXPECT_EQ(std::memcmp(&system, &panel.m_fontDescription, sizeof system), 0);
    EXPECT_GT(panel.m_fontDescription.lfHeight, 0);
}

TEST_F(SettingsDlgTest, TheTimePickerIsEnabledExactlyWhileAutorunIsChecked) {
    panel.LoadSettings(directory, "settings.dat");
    for (int click = 0; click < 4; ++click) {
        Click(IDC_AUTORUN);
        EXPECT_EQ(Checked(IDC_AUTORUN), click % 2 == 1);
        EXPECT_EQ(panel.m_autorun, click % 2 == 1 ? 1 : 0);
        EXPECT_EQ(::IsWindowEnabled(Control(IDC_AUTORUN_TIME)) != FALSE, Checked(IDC_AUTORUN));
    }
}

// A click is kept when it is made, so that neither a book chosen after it, which writes the members
// back into the controls, nor the reader's end, however it comes, loses it.
TEST_F(SettingsDlgTest, AChimeClickIsKeptAtOnce) {
    panel.LoadSettings(directory, "settings.dat");
    Click(IDC_CHIME);
    EXPECT_FALSE(ParseSettings(TempFolder::Read(folder.Path("settings.dat"))).chime);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("sched.dat"))) << "a click arms nothing";
    panel.UpdateData(FALSE);
    EXPECT_FALSE(Checked(IDC_CHIME));
    EXPECT_EQ(panel.m_chime, 0);
}

TEST_F(SettingsDlgTest, SavedSettingsLoadBackThroughTheControls) {
    panel.LoadSettings(directory, "settings.dat");
    panel.m_bookPath = "C:\\Other\\book.pdb";
    panel.UpdateData(FALSE);
    Click(IDC_CHIME);
    panel.SaveSettings();
    const std::string bytes = TempFolder::Read(folder.Path("settings.dat"));
    EXPECT_EQ(bytes.size(), 76u + std::strlen("C:\\Other\\book.pdb"));
    EXPECT_GT(panel.m_autorunTime, CTime::GetCurrentTime() + -1);
    EXPECT_EQ(TempFolder::Read(folder.Path("sched.dat")), bytes.substr(4, 4))
        << "the saved settings armed no scheduler";
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0], "start " + std::string(directory) + "Quillwake.exe");

    SettingsDlg again;
    again.m_platform = &platform;
    ASSERT_TRUE(again.Create(SettingsDlg::IDD, &parent));
    EXPECT_TRUE(again.LoadSettings(directory, "settings.dat"));
    EXPECT_EQ(again.m_chime, 0);
    EXPECT_EQ(again.m_autorun, 1);
    EXPECT_EQ(std::string(again.m_bookPath), "C:\\Other\\book.pdb");
    EXPECT_EQ(std::memcmp(&again.m_fontDescription, &panel.m_fontDescription, sizeof(LOGFONTA)), 0);
    EXPECT_EQ(again.m_autorunTime.GetHour(), 8);
}

TEST_F(SettingsDlgTest, EachControlIdIsUsedOnce) {
    std::multiset<int> ids;
    for (HWND child = ::GetWindow(panel.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ids.insert(static_cast<short>(::GetDlgCtrlID(child)));
    EXPECT_EQ(ids, (std::multiset<int>{IDC_STATIC, IDOK, IDCANCEL, IDC_BOOK_PATH, IDC_CHIME, IDC_AUTORUN,
                                       IDC_AUTORUN_TIME, IDC_PLAN_START}));
}

// A path longer than its box shows its end, the book's file name, after loading and after a change.
TEST_F(SettingsDlgTest, TheBookPathBoxShowsTheBooksFileName) {
    const std::string longPath = "C:\\Users\\someone\\Documents\\" + std::string(150, 'x') + "\\psalms.pdb";
    folder.Write("settings.dat", SettingsBytes(false, 0, false, FontDescription{}, longPath));
    ASSERT_TRUE(panel.LoadSettings(directory, "settings.dat"));
    const auto shownFromTo = [&](int first, int last) {
        RECT box;
        ::GetClientRect(Control(IDC_BOOK_PATH), &box);
        const LRESULT from = ::SendMessageA(Control(IDC_BOOK_PATH), EM_POSFROMCHAR, first, 0);
        const LRESULT to = ::SendMessageA(Control(IDC_BOOK_PATH), EM_POSFROMCHAR, last, 0);
        return static_cast<short>(LOWORD(from)) >= 0 && static_cast<short>(LOWORD(to)) < box.right;
    };
    const int length = static_cast<int>(longPath.size());
    EXPECT_TRUE(shownFromTo(length - 10, length - 1)) << "the file name is not shown";
    EXPECT_FALSE(shownFromTo(0, 0)) << "the box shows the start of the path";

    panel.m_bookPath = "C:\\short.pdb";
    panel.UpdateData(FALSE);
    EXPECT_TRUE(shownFromTo(0, 11));
}
