// The verse font as a user changes it, seen in the font description that the exit button saves.
#include "tests/e2e/ReaderSession.h"

#include "reader/app/SettingsFile.h"
#include "reader/res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

constexpr char mainCaption[] = QUILLMERE_CAPTION;

LOGFONTA SavedFont(const ReaderSession& session) {
    std::ifstream in(session.FileInFolder("settings.dat"), std::ios::binary);
    const std::string settings((std::istreambuf_iterator<char>(in)), {});
    LOGFONTA font{};
    if (settings.size() >= 72) std::memcpy(&font, settings.data() + 12, sizeof font);
    return font;
}

LOGFONTA Font(int height, const char* face) {
    LOGFONTA font{};
    font.lfHeight = height;
    std::strcpy(font.lfFaceName, face);
    return font;
}

void WriteSettings(const ReaderSession& session, const LOGFONTA& font) {
    FontDescription bytes;
    std::memcpy(bytes.data(), &font, bytes.size());
    std::ofstream(session.FileInFolder("settings.dat"), std::ios::binary)
        << SettingsBytes(false, 0, false, bytes, session.FileInFolder("quillmere.pdb"));
}

class FontTest : public ::testing::Test {
protected:
    // Starts the reader, clicks the buttons given, and leaves with the exit button.
    void Run(ReaderSession& session, bool firstTime, std::initializer_list<int> clicks, int leaveWith = IDOK) {
        ASSERT_TRUE(session.Start());
        if (firstTime) {
            HWND box = ReaderSession::WaitForWindow("Quillview");
            ASSERT_TRUE(box);
            ReaderSession::Press(box, IDOK);
        }
        HWND window = ReaderSession::WaitForWindow(mainCaption);
        ASSERT_TRUE(window);
        for (int id : clicks)
            ReaderSession::Press(window, id);
        ReaderSession::Press(window, leaveWith);
        ASSERT_EQ(session.WaitForExit(), 0);
    }
};

} // namespace

TEST_F(FontTest, OnAFirstStartPlusMakesTheSystemFontOneUnitSmallerAndMinusJumpsToTen) {
    LOGFONTA system{};
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof system, &system);
    ASSERT_GT(system.lfHeight, 0);
    ReaderSession plus(true);
    Run(plus, true, {IDC_LARGER});
    EXPECT_EQ(SavedFont(plus).lfHeight, system.lfHeight - 1);
    ReaderSession minus(true);
    Run(minus, true, {IDC_SMALLER});
    EXPECT_EQ(SavedFont(minus).lfHeight, -10);
}

TEST_F(FontTest, StepsMoveOneUnitAndStopAtTheirLimits) {
    ReaderSession session(true);
    LOGFONTA font = Font(-28, "Tahoma");
    WriteSettings(session, font);
    Run(session, false, {IDC_LARGER, IDC_LARGER, IDC_LARGER, IDC_LARGER});
    EXPECT_EQ(SavedFont(session).lfHeight, -30);
    EXPECT_STREQ(SavedFont(session).lfFaceName, "Tahoma");
    Run(session, false, {IDC_SMALLER, IDC_SMALLER});
    EXPECT_EQ(SavedFont(session).lfHeight, -28);
    font.lfHeight = -11;
    WriteSettings(session, font);
    Run(session, false, {IDC_SMALLER, IDC_SMALLER, IDC_SMALLER});
    EXPECT_EQ(SavedFont(session).lfHeight, -10);
}

TEST_F(FontTest, AFontOfHeightZeroIsNotAppliedAtStart) {
    ReaderSession session(true);
    WriteSettings(session, Font(0, "Courier New"));
    Run(session, false, {IDC_LARGER});
    const LOGFONTA saved = SavedFont(session);
    EXPECT_LT(saved.lfHeight, -1) << "the step did not start from the template's font";
    EXPECT_STRNE(saved.lfFaceName, "Courier New");
}

TEST_F(FontTest, AFontChosenInTheFontDialogIsKeptAndEscLosesChanges) {
    ReaderSession session(true);
    LOGFONTA font = Font(-12, "Tahoma");
    WriteSettings(session, font);
    ASSERT_TRUE(session.Start());
    HWND window = ReaderSession::WaitForWindow(mainCaption);
    ASSERT_TRUE(window);
    ReaderSession::Press(window, IDC_FONTS);
    HWND dialog = ReaderSession::WaitForWindow("Font");
    ASSERT_TRUE(dialog);
    constexpr int sizeBox = 0x472; // cmb3, the size box of the font dialog
    HWND sizes = ::GetDlgItem(dialog, sizeBox);
    const LRESULT count = ::SendMessageA(sizes, CB_GETCOUNT, 0, 0);
    ASSERT_GT(count, 0);
    ::SendMessageA(sizes, CB_SETCURSEL, count - 1, 0); // the largest size offered
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(sizeBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    ReaderSession::Settle();
    ReaderSession::Press(dialog, IDOK);
    ReaderSession::Press(window, IDOK);
    ASSERT_EQ(session.WaitForExit(), 0);
    const int chosen = SavedFont(session).lfHeight;
    EXPECT_LT(chosen, -30) << "the largest size offered was not saved";

    Run(session, false, {}); // the saved font comes back and is saved again as it is
    EXPECT_EQ(SavedFont(session).lfHeight, chosen);
    Run(session, false, {IDC_SMALLER, IDC_SMALLER}, IDCANCEL);
    EXPECT_EQ(SavedFont(session).lfHeight, chosen);
}
