// The calendar of the reader's window shows whole: its minimum size fits its control, in a prefix
// with Wine's own fonts, in one without them, where a wider font stands in for Tahoma, and in one
// at 144 DPI (the build names the prefix's fonts and DPI).
#include "reader/res/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

// The minimum size that the calendar asks for: MCM_GETMINREQRECT writes a RECT into the
// memory of the calendar's own process.
bool MinimumSize(HWND calendar, RECT& minimum) {
    LRESULT ignored = 0;
    return SendWithBuffer(calendar, MCM_GETMINREQRECT, 0, &minimum, sizeof minimum, ignored);
}

bool HasWineFonts() { return ::GetFileAttributesA("C:\\windows\\Fonts\\tahoma.ttf") != INVALID_FILE_ATTRIBUTES; }

} // namespace

TEST(Calendar, ItsMinimumSizeFitsItsControl) {
    ASSERT_EQ(HasWineFonts(), QUILLMERE_WINE_FONTS != 0) << "the prefix is not the one this test is built for";
    ProgramFolder folder{"Quillview.exe", "quillmere.pdb"};
    folder.WriteSettings(false, 0, FontDescription{});
    Reader reader{folder.Path()};
    // The first window of a session in a prefix of its own waits for Wine to start its desktop.
    ASSERT_TRUE(reader.Launch());
    HWND window = reader.WaitForMainWindow(60000);
    ASSERT_TRUE(window) << "running: " << reader.process().Running() << "; windows shown: " << VisibleWindows();
    EXPECT_EQ(::GetDpiForWindow(window), static_cast<UINT>(QUILLMERE_WINE_DPI));

    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT client, minimum;
    ::GetClientRect(calendar, &client);
    ASSERT_TRUE(MinimumSize(calendar, minimum));
    EXPECT_LE(minimum.right - minimum.left, client.right) << "the calendar's last column is cut off";
    EXPECT_LE(minimum.bottom - minimum.top, client.bottom) << "the calendar's last row is cut off";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}
