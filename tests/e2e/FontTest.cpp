// The verse font as a user changes it, seen in the font description that the exit button saves.
#include "reader/app/FontDescription.h"
#include "reader/res/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <cstring>

namespace {

LOGFONTA Font(int height, const char* face) {
    LOGFONTA font{};
    font.lfHeight = height;
    std::strcpy(font.lfFaceName, face);
    return font;
}

class FontTest : public ReaderFolderTest {
protected:
    LOGFONTA SavedFont() const { return ToLogFont(folder.Settings().font.value_or(FontDescription{})); }
    void WriteSettings(const LOGFONTA& font) const { folder.WriteSettings(false, 0, ToFontDescription(font)); }

    // Starts the reader, clicks the buttons given, and leaves with the exit button, or Esc. The
    // clicks are handled in turn before the one that leaves.
    void Run(bool firstTime, std::initializer_list<int> clicks, int leaveWith = IDOK) {
        HWND window = reader.Start(firstTime);
        ASSERT_TRUE(window);
        for (int id : clicks)
            Press(window, id);
        ASSERT_EQ(reader.Leave(leaveWith), 0);
    }
};

} // namespace

// The first start's font is the system font, whose description gives a cell height: "+" and "-"
// step from the character height that it stands for.
TEST_F(FontTest, OnAFirstStartPlusMakesTheSystemFontLargerAndMinusSmaller) {
    HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA system{};
    ::GetTextMetricsA(screen, &system);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    const int systemHeight = system.tmHeight - system.tmInternalLeading;
    ASSERT_GT(systemHeight, 10);

    Run(true, {IDC_LARGER, IDC_LARGER, IDC_LARGER});
    EXPECT_EQ(SavedFont().lfHeight, -(systemHeight + 3));
    ::DeleteFileA(folder.Path("settings.dat").c_str()); // a first start again
    Run(true, {IDC_SMALLER, IDC_SMALLER, IDC_SMALLER});
    EXPECT_LT(-SavedFont().lfHeight, systemHeight);
    EXPECT_GE(-SavedFont().lfHeight, 10);
}

TEST_F(FontTest, StepsMoveOneUnitAndStopAtTheirLimits) {
    LOGFONTA font = Font(-28, "Tahoma");
    WriteSettings(font);
    Run(false, {IDC_LARGER, IDC_LARGER, IDC_LARGER, IDC_LARGER});
    EXPECT_EQ(SavedFont().lfHeight, -30);
    EXPECT_STREQ(SavedFont().lfFaceName, "Tahoma");
    Run(false, {IDC_SMALLER, IDC_SMALLER});
    EXPECT_EQ(SavedFont().lfHeight, -28);
    font.lfHeight = -11;
    WriteSettings(font);
    Run(false, {IDC_SMALLER, IDC_SMALLER, IDC_SMALLER});
    EXPECT_EQ(SavedFont().lfHeight, -10);
}

TEST_F(FontTest, AFontOfHeightZeroIsNotAppliedAtStart) {
    WriteSettings(Font(0, "Courier New"));
    Run(false, {IDC_LARGER});
    const LOGFONTA saved = SavedFont();
    EXPECT_LT(saved.lfHeight, -1) << "the step did not start from the template's font";
    EXPECT_STRNE(saved.lfFaceName, "Courier New");
}

TEST_F(FontTest, AFontChosenInTheFontDialogIsKeptAndSoIsAStepLeftWithEsc) {
    WriteSettings(Font(-12, "Tahoma"));
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    Press(window, IDC_FONTS);
    HWND dialog = WaitForWindow("Font");
    ASSERT_TRUE(dialog);
    HWND sizes = ::GetDlgItem(dialog, cmb3);
    const LRESULT count = ::SendMessageA(sizes, CB_GETCOUNT, 0, 0);
    ASSERT_GT(count, 0);
    ::SendMessageA(sizes, CB_SETCURSEL, count - 1, 0); // the largest size offered
    // The dialog takes the new size on the selection's notice, and OK after it, in turn.
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    ASSERT_TRUE(Answer(dialog, IDOK));
    ASSERT_EQ(reader.Leave(), 0);
    const int chosen = SavedFont().lfHeight;
    EXPECT_LT(chosen, -30) << "the largest size offered was not saved";

    Run(false, {}); // the saved font comes back and is saved again as it is
    EXPECT_EQ(SavedFont().lfHeight, chosen);
    Run(false, {IDC_SMALLER, IDC_SMALLER}, IDCANCEL);
    EXPECT_EQ(SavedFont().lfHeight, chosen + 2);
}
