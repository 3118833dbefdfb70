// The reader speaks the language of the user's Windows: Spanish to Spanish users, English to all
// others. Run in a prefix of each language: QUILLMERE_PRIMARY_LANGUAGE is its display language, and
// QUILLMERE_SPANISH says which texts to expect.
#include "Version.h"
#include "contract/ProgramNames.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Accessible.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct Texts {
    const char *welcome, *error, *notOpened, *downloadFrom, *noBook, *greeting, *about, *settings, *fonts, *selectBook,
        *catchUp, *readInYear, *autorun, *chime, *verse, *aboutHeading;
};

constexpr Texts english{"Welcome to Quillmere!  Click on Settings to configure Quillmere on your first use!",
                        "Error!",
                        "Failed to open book \"",
                        "\"\nPlease download from " PRODUCT_URL,
                        "No book selected!",
                        "May All be Well and Happy!",
                        "About",
                        "Settings",
                        "Fonts",
                        "Select Book ...",
                        "Catch up",
                        "Read (0 in %d)",
                        "AutoRun Daily at",
                        "Bell Chime",
                        "Verse %d:\r\n\r\n",
                        "\r\n\r\nAbout Quillmere\r\n\r\n"};

constexpr Texts spanish{"\xC2\xA1"
                        "Bienvenido a Quillmere!  La primera vez, haga clic en Configuraci\xC3\xB3n para ajustar "
                        "Quillmere a su gusto.",
                        "\xC2\xA1"
                        "Error!",
                        "No se pudo abrir el libro \"",
                        "\"\nPuede descargarlo de " PRODUCT_URL,
                        "\xC2\xA1No hay ning\xC3\xBAn libro elegido!",
                        "\xC2\xA1Que todos est\xC3\xA9n bien y felices!",
                        "Acerca de",
                        "Configuraci\xC3\xB3n",
                        "Fuentes",
                        "Elegir libro ...",
                        "Ponerse al d\xC3\xAD"
                        "a",
                        "Le\xC3\xAD"
                        "do (0 en %d)",
                        "Cada d\xC3\xAD"
                        "a a las",
                        "Campanilla",
                        "Vers\xC3\xAD"
                        "culo %d:\r\n\r\n",
                        "\r\n\r\nAcerca de Quillmere\r\n\r\n"};

const Texts& expected = QUILLMERE_SPANISH ? spanish : english;

std::string Formatted(const char* format, int number) {
    char text[200];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

} // namespace

// A first start in a folder without its book meets both messages, then the main window with its
// settings panel, and About.
TEST(InterfaceLanguage, TheWindowsAndMessagesReadInTheUsersLanguage) {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultUILanguage()), QUILLMERE_PRIMARY_LANGUAGE)
        << "the prefix's display language";
    ProgramFolder folder{"Quillview.exe"};
    Reader reader{folder.Path()};
    ASSERT_TRUE(reader.Launch());
    HWND welcome = WaitForWindow("Quillview", "#32770");
    ASSERT_TRUE(welcome) << VisibleWindows();
    EXPECT_EQ(ItemUnicodeText(welcome, 0xFFFF), expected.welcome);
    ASSERT_TRUE(Answer(welcome, IDOK));

    HWND error = WaitForWindow(expected.error, "#32770");
    ASSERT_TRUE(error) << VisibleWindows();
    const std::string bookPath = folder.Path("quillmere.pdb");
    EXPECT_EQ(ItemUnicodeText(error, 0xFFFF), expected.notOpened + bookPath + expected.downloadFrom);
    ASSERT_TRUE(Answer(error, IDOK));

    HWND window = reader.WaitForMainWindow();
    ASSERT_TRUE(window);
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    EXPECT_EQ(ItemUnicodeText(window, IDC_BOOK_TITLE), expected.noBook);
    EXPECT_EQ(ItemUnicodeText(window, IDOK), expected.greeting);
    EXPECT_EQ(ItemUnicodeText(window, IDC_ABOUT), expected.about);
    EXPECT_EQ(ItemUnicodeText(window, IDC_SETTINGS), expected.settings);
    EXPECT_EQ(ItemUnicodeText(window, IDC_FONTS), expected.fonts);
    EXPECT_EQ(ItemUnicodeText(window, IDC_SELECT_BOOK), expected.selectBook);
    EXPECT_EQ(ItemUnicodeText(window, IDC_CATCH_UP), expected.catchUp);
    EXPECT_EQ(ItemUnicodeText(window, IDC_READ), Formatted(expected.readInYear, today.wYear));
    EXPECT_EQ(ItemUnicodeText(window, IDC_VERSE),
              Formatted(expected.verse, VerseNumberForDate(today.wDay, today.wMonth, today.wYear)));

    HWND panel = ::FindWindowExW(window, nullptr, L"#32770", nullptr);
    EXPECT_EQ(ItemUnicodeText(panel, IDC_AUTORUN), expected.autorun);
    EXPECT_EQ(ItemUnicodeText(panel, IDC_CHIME), expected.chime);

    // A screen reader hears a word or more for every control that shows, the band's among them.
    Press(window, IDC_SETTINGS);
    ASSERT_TRUE(reader.Handled());
    const std::regex word("(?:[A-Za-z]|\xC3[\x80-\xBF]){3}");
    for (HWND parent : {window, panel})
        for (HWND control = ::GetWindow(parent, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT))
            if (control != panel && ::IsWindowVisible(control))
                EXPECT_TRUE(std::regex_search(AccessibleName(control), word))
                    << "control " << ::GetDlgCtrlID(control) << " is named \"" << AccessibleName(control) << '"';
    const std::string heading = Formatted(expected.verse, VerseNumberForDate(today.wDay, today.wMonth, today.wYear));
    EXPECT_EQ(AccessibleName(::GetDlgItem(window, IDC_VERSE)), heading.substr(0, heading.find('\r')));

    Press(window, IDC_ABOUT);
    EXPECT_TRUE(WaitUntil([&] { return ItemUnicodeText(window, IDC_VERSE).rfind(expected.aboutHeading, 0) == 0; }))
        << ItemUnicodeText(window, IDC_VERSE);
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}
