// The reader's window in a prefix with Wine's own fonts, in one without them, where a wider font
// stands in for Tahoma, and in one at 144 DPI (the build names the prefix's fonts and DPI): its
// calendar shows whole, and "Fonts" opens on the face and size the text shows.
#include "framework/core/WideText.h"
#include "reader/app/FontDescription.h"
#include "reader/res/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cmath>
#include <string>

namespace {

// The minimum size that the calendar asks for: MCM_GETMINREQRECT writes a RECT into the
// memory of the calendar's own process.
bool MinimumSize(HWND calendar, RECT& minimum) {
    LRESULT ignored = 0;
    return SendWithBuffer(calendar, MCM_GETMINREQRECT, 0, &minimum, sizeof minimum, ignored);
}

bool HasWineFonts() { return ::GetFileAttributesA("C:\\windows\\Fonts\\tahoma.ttf") != INVALID_FILE_ATTRIBUTES; }

// The reader with the default book and no font chosen, its main window shown.
class ReaderInThisPrefix : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(HasWineFonts(), QUILLMERE_WINE_FONTS != 0) << "the prefix is not the one this test is built for";
        folder.WriteSettings(false, 0, FontDescription{});
        // The first window of a session in a prefix of its own waits for Wine to start its desktop.
        ASSERT_TRUE(reader.Launch()) << "CreateProcess failed with error " << ::GetLastError();
        window = reader.WaitForMainWindow(60000);
        ASSERT_TRUE(window) << "running: " << reader.process().Running() << "; windows shown: " << VisibleWindows();
        EXPECT_EQ(::GetDpiForWindow(window), static_cast<UINT>(QUILLMERE_WINE_DPI));
    }

    ProgramFolder folder{"Quillview.exe", "quillmere.pdb"};
    Reader reader{folder.Path()};
    HWND window = nullptr;
};

class Calendar : public ReaderInThisPrefix {};
class FontDialog : public ReaderInThisPrefix {};

} // namespace

TEST_F(Calendar, ItsMinimumSizeFitsItsControl) {
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT client, minimum;
    ::GetClientRect(calendar, &client);
    ASSERT_TRUE(MinimumSize(calendar, minimum));
    EXPECT_LE(minimum.right - minimum.left, client.right) << "the calendar's last column is cut off";
    EXPECT_LE(minimum.bottom - minimum.top, client.bottom) << "the calendar's last row is cut off";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}

TEST_F(FontDialog, OpensOnTheFaceAndSizeTheTextShowsAndOffersNoSidewaysFace) {
    Press(window, IDC_SETTINGS);
    Press(window, IDC_FONTS);
    HWND dialog = WaitForWindow("Font");
    ASSERT_TRUE(dialog);
    // The face that opens is one the list offers, as a face that it does not list opens on the
    // list's first, and its size is the dialogs' 8 points.
    const std::string shown = ItemText(dialog, cmb1);
    EXPECT_EQ(ItemText(dialog, cmb3), "8");
    HWND faces = ::GetDlgItem(dialog, cmb1);
    bool listed = false;
    for (LRESULT i = 0, count = ::SendMessageA(faces, CB_GETCOUNT, 0, 0); i < count; ++i) {
        // Wine copies the item's text across to the test, as it does WM_GETTEXT's.
        wchar_t face[LF_FACESIZE + 1] = {};
        ASSERT_GT(::SendMessageW(faces, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(face)), 0);
        EXPECT_NE(face[0], L'@') << Utf8FromWide(face);
        listed |= shown == Utf8FromWide(face);
    }
    EXPECT_TRUE(listed) << shown;
    ASSERT_TRUE(Answer(dialog, IDOK));
    ASSERT_EQ(reader.Leave(), 0);
    const LOGFONTA saved = ToLogFont(folder.Settings().font.value_or(FontDescription{}));
    EXPECT_EQ(saved.lfFaceName, shown);
    EXPECT_EQ(std::lround(-saved.lfHeight * 72.0 / QUILLMERE_WINE_DPI), 8);
}
