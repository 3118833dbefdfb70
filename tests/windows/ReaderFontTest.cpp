// The verse font steps of the main window, run in this process so that its GDI fonts can be seen.
#include "reader/app/ReaderDlg.h"

#include "framework/win/CWinApp.h"
#include "reader/app/FontDescription.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TempFolder.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CWinApp testApplication;

// The main window with a program folder of its own and a machine that the test makes up.
class SteppedReaderDlg : public ReaderDlg {
public:
    explicit SteppedReaderDlg(const TempFolder& folder) : m_folder(folder) {}
    using ReaderDlg::OnLarger;
    using ReaderDlg::OnSmaller;

protected:
    CString ProgramDirectory() const override { return m_folder.Path("").c_str(); }
    AutorunPlatform& Platform() override { return m_platform; }

private:
    const TempFolder& m_folder;
    RecordingPlatform m_platform;
};

// The main window made from its template, with settings.dat and a book in its program folder.
class ReaderFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        LOGFONTA font{};
        font.lfHeight = -12;
        std::strcpy(font.lfFaceName, "Tahoma");
        const std::string book = folder.Write("book.pdb", WritePalmDatabase("T", {std::string("T$D\0", 4)}, 0));
        folder.Write("settings.dat", SettingsBytes(false, 0, false, ToFontDescription(font), book));
        ASSERT_TRUE(dialog.Create(ReaderDlg::IDD, nullptr));
    }
    void TearDown() override { ::DestroyWindow(dialog.m_hWnd); }

    HFONT VerseFont() {
        return reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_VERSE, WM_GETFONT, 0, 0));
    }
    int VerseHeight() {
        LOGFONTA font{};
        ::GetObjectA(VerseFont(), sizeof font, &font);
        return font.lfHeight;
    }

    TempFolder folder;
    SteppedReaderDlg dialog{folder};
};

} // namespace

TEST_F(ReaderFontTest, TheSavedFontIsOnTheVerseBoxAtStart) { EXPECT_EQ(VerseHeight(), -12); }

TEST_F(ReaderFontTest, EachStepDeletesTheFontBeforeItAndLeavesTheTemplateFontAlone) {
    const auto templateFont = reinterpret_cast<HGDIOBJ>(dialog.SendMessage(WM_GETFONT));
    ASSERT_EQ(::GetObjectType(templateFont), static_cast<DWORD>(OBJ_FONT));
    for (int step = 0; step < 1000; ++step) {
        const HFONT before = VerseFont();
        const int heightBefore = VerseHeight();
        const bool larger = step / 30 % 2 == 1;
        larger ? dialog.OnLarger() : dialog.OnSmaller();
        const HFONT after = VerseFont();
        ASSERT_EQ(::GetObjectType(after), static_cast<DWORD>(OBJ_FONT)) << step;
        ASSERT_EQ(::GetObjectType(templateFont), static_cast<DWORD>(OBJ_FONT)) << step;
        const int height = VerseHeight();
        ASSERT_TRUE(height >= -30 && height <= -10) << step;
        const bool atLimit = heightBefore == (larger ? -30 : -10);
        if (atLimit) {
            ASSERT_EQ(after, before) << "a step at its limit made a font";
        } else if (after != before) {
            ASSERT_EQ(::GetObjectType(before), 0u) << "step " << step << " leaked a font";
        }
    }
}

TEST_F(ReaderFontTest, AChangeOfDpiTakesTheSuggestedRectangleAndScalesTheVerseFontInItsFace) {
    RECT window;
    ::GetWindowRect(dialog.m_hWnd, &window);
    const RECT suggested{window.left + 10, window.top + 20, window.left + 10 + (window.right - window.left) * 3 / 2,
                         window.top + 20 + (window.bottom - window.top) * 3 / 2};
    dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    ::GetWindowRect(dialog.m_hWnd, &window);
    EXPECT_EQ(window.right - window.left, suggested.right - suggested.left);
    EXPECT_EQ(window.bottom - window.top, suggested.bottom - suggested.top);
    LOGFONTA font{};
    ASSERT_TRUE(::GetObjectA(VerseFont(), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    EXPECT_EQ(font.lfHeight, -18);

    dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
    EXPECT_EQ(VerseHeight(), -12) << "back at 96 DPI the font is the one the user chose";
}
