// Books in any script on any Windows: the reader shows their text whole, read back as Unicode,
// whatever the system's ANSI code page, and a book in UTF-8 in every script.
#include "reader/logic/ProgressFile.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "framework/win/Controls.h"
#include "reader/res/resource.h"
#include "tests/e2e/Reader.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Unicode.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Bytes written in a Windows code page, as UTF-8: converted here by Windows, apart from the reader.
std::string Utf8OfCodePage(const std::string& bytes, UINT codePage) {
    std::wstring wide(::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0),
                      L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                          static_cast<int>(wide.size()));
    return ::Utf8Of(wide);
}

std::string PlanBook(const std::string& name) { return std::string(QUILLMERE_PLANS) + "\\" + name; }

// Shows date in the reader's window as the user would come to it: the calendar selects the day
// before, and the key for the next day shows it. Waits until the verse box holds text, in UTF-8.
void ShowDay(Reader& reader, const Date& date, const std::string& text) {
    const Date before = DateOfDaysSinceEpoch(DaysSinceEpoch(date) - 1);
    HWND window = reader.Window();
    ASSERT_TRUE(SetCalendarSelection(::GetDlgItem(window, IDC_CALENDAR), SystemTimeOf(before)));
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    PressKeys({VK_CONTROL}, VK_RIGHT);
    // The verse box may be made anew for the day's direction: its text is waited for, not its messages.
    EXPECT_TRUE(WaitUntil([&] { return ItemUnicodeText(window, IDC_VERSE).find(text) != std::string::npos; }))
        << ItemUnicodeText(window, IDC_VERSE).substr(0, 80);
}

// The reader of a fresh program folder showing the book at path, begun today where it is a plan.
class BookShownTest : public ::testing::Test {
protected:
    // A plan is begun today.
    HWND Show(const std::string& path, const std::string& title = "") {
        folder.WriteSettings(false, 0, FontDescription{}, path);
        folder.Write("progress.dat", ProgressBytes({{title, Today(), {}}}));
        return reader.Start(false);
    }

    ProgramFolder folder{{"Quillview.exe", "quillbook.exe"}, "\u0141\u00f3d\u017a \u65e5\u672c"};
    Reader reader{folder.Path()};
};

} // namespace

// In the system's ANSI code page, whatever it is, the shipped books written in Windows-1252 show
// their own characters: "ñ", "¿", "Isaías", the curly quotes of the English text.
TEST_F(BookShownTest, ShippedBooksShowTheirCharactersInAnyCodePage) {
    if (const char* expected = std::getenv("QUILLMERE_EXPECTED_ACP")) {
        ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected))) << "the prefix has another ANSI code page";
    }
    const struct {
        const char* file;
        const char* title;
        const char* characters;
    } books[] = {
        {"Biblia - plan anual (RV1909).pdb", "La Biblia en un a\u00f1o (Reina-Valera 1909)",
         "\u00bfQui\u00e9n te ense\u00f1\u00f3"},
        {"Nuevo Testamento - plan anual (RV1909).pdb", "El Nuevo Testamento en un a\u00f1o (Reina-Valera 1909)",
         "\u00f1"},
        {"Salmos - plan anual (RV1909).pdb", "Los Salmos en un a\u00f1o (Reina-Valera 1909)", "Salmos 1"},
        {"Proverbios - plan mensual (RV1909).pdb", "Proverbios, un cap\u00edtulo al d\u00eda (Reina-Valera 1909)",
         "Proverbios"},
        {"Un versiculo al dia (RV1909).pdb", "Un vers\u00edculo al d\u00eda (Reina-Valera 1909)", ""},
        {"Bible in a year (WEB).pdb", "The Bible in a year (WEB)", "\u201cLet there be light,\u201d"},
    };
    for (const auto& book : books) {
        SCOPED_TRACE(book.file);
        HWND window = Show(PlanBook(book.file), book.title);
        ASSERT_TRUE(window);
        BookFile file;
        ASSERT_TRUE(file.OpenBook(PlanBook(book.file).c_str()));
        const Date date = Today();
        const std::string expected =
            static_cast<const char*>(TextForDate(file, file.GetBookInfo().kind, date, date, "", "", EnglishDayWords()));
        const std::string shown = ItemUnicodeText(window, IDC_VERSE);
        EXPECT_EQ(shown, Utf8OfCodePage(expected, 1252));
        EXPECT_NE(shown.find(book.characters), std::string::npos) << shown.substr(0, 300);
        EXPECT_EQ(ItemUnicodeText(window, IDC_BOOK_TITLE), book.title);
        if (std::string(book.file).rfind("Un vers", 0) == 0) {
            ShowDay(reader, Date{Today().year, 12, 8}, "Isa\u00edas 40:3");
        }
        EXPECT_EQ(reader.Leave(IDCANCEL), 0);
    }
}

// A book made by quillbook in a folder of any name from text in four scripts, in UTF-8: each day
// shows whole, the Hebrew one right to left.
TEST_F(BookShownTest, ABookInUtf8ShowsEveryScript) {
    const char* const texts[] = {
        "\u1f18\u03bd \u1f00\u03c1\u03c7\u1fc7 \u1f26\u03bd \u1f41 \u03bb\u03cc\u03b3\u03bf\u03c2",
        "\u0412 \u043d\u0430\u0447\u0430\u043b\u0435 \u0431\u044b\u043b\u043e \u0421\u043b\u043e\u0432\u043e",
        "\u592a\u521d\u6709\u9053\uff0c\u9053\u4e0e\u795e\u540c\u5728",
        "\u05d1\u05bc\u05b0\u05e8\u05b5\u05d0\u05e9\u05c1\u05b4\u05d9\u05ea \u05d1\u05bc\u05b8\u05e8\u05b8\u05d0 "
        "\u05d0\u05b1\u05dc\u05b9\u05d4\u05b4\u05d9\u05dd \u05d0\u05b5\u05ea \u05d4\u05b7\u05e9\u05bc\u05b8\u05de\u05b7"
        "\u05d9\u05b4\u05dd \u05d5\u05b0\u05d0\u05b5\u05ea \u05d4\u05b8\u05d0\u05b8\u05e8\u05b6\u05e5",
    };
    std::string source;
    for (int chapter = 1; chapter <= 31; ++chapter)
        for (const char* verse : {":1\n", ":2\n"})
            source += "$$$Proverbs " + std::to_string(chapter) + verse + texts[(chapter - 1) % 4] + "\n";
    folder.Write("\u0442\u0435\u043a\u0441\u0442.imp", source);
    const std::string title = "\u0427\u0435\u0442\u044b\u0440\u0435 \u043f\u0438\u0441\u044c\u043c\u0430";
    const std::string book = folder.Path("\u56db.pdb");
    Process quillbook;
    ASSERT_TRUE(quillbook.Start(folder.Path("quillbook.exe"),
                                "plan --code-page utf-8 --title \"" + title + "\" proverbs-monthly \"" +
                                    folder.Path("\u0442\u0435\u043a\u0441\u0442.imp") + "\" \"" + book + "\""));
    ASSERT_EQ(quillbook.WaitForExit(), 0);

    HWND window = Show(PlanBook("Psalms in a year (WEB).pdb"));
    ASSERT_TRUE(window);
    Press(window, IDC_SETTINGS);
    SelectBook(window, book);
    EXPECT_TRUE(WaitUntil([&] { return ItemUnicodeText(window, IDC_BOOK_TITLE) == title; }));
    for (int day = 1; day <= 4; ++day) {
        SCOPED_TRACE(day);
        ShowDay(reader, Date{Today().year, Today().month, day}, std::string("\r\n1 ") + texts[day - 1]);
        const LONG_PTR exStyle = ::GetWindowLongPtrW(::GetDlgItem(window, IDC_VERSE), GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_RTLREADING) != 0, day == 4) << "only the Hebrew day reads right to left";
    }
    EXPECT_EQ(reader.Leave(), 0);
    // Kept whole: after the fields, or where the ANSI code page is UTF-8, in the field every reader reads.
    const SettingsRecord saved = folder.Settings();
    EXPECT_EQ(::GetACP() == CP_UTF8 ? saved.bookPath : saved.bookPathUtf8, book);
    window = reader.Start(false);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemUnicodeText(window, IDC_BOOK_TITLE), title) << "the book opens again at the next start";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}
