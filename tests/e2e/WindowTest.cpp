// The window to read in: any size, kept as it was left however the reader ends, the book dialog
// where the books are, going to a passage and finding words, and the text's look.
#include "reader/app/FontDescription.h"
#include "reader/book/BookFile.h"
#include "reader/res/resource.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Accessible.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

int Width(const RECT& rect) { return rect.right - rect.left; }

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string TitleOf(const std::string& path) {
    BookFile book;
    CString title, description;
    book.OpenBook(path.c_str());
    book.GetTitleAndDescription(title, description);
    return static_cast<const char*>(title);
}

// A program folder with the largest book beside the reader, under the name the shipped one has.
class WindowTest : public ReaderFolderTest {
protected:
    void SetUp() override { folder.Copy(QUILLMERE_LONGEST_BOOK, bookName); }

    const std::string bookName = std::filesystem::path(QUILLMERE_LONGEST_BOOK).filename().string();
};

} // namespace

// Made larger, the verse box takes the room and keeps its top line; maximised and left with Esc,
// the window comes back maximised, and restored at the size it was given, however often it was
// left maximised.
TEST_F(WindowTest, AWindowMadeLargerAndMaximisedComesBackAsItWasLeft) {
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    SelectBook(window, folder.Path(bookName));
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    const RECT small = WindowRect(window), smallVerse = WindowRect(verse);
    ::SendMessageW(verse, EM_LINESCROLL, 0, 40);
    const auto top = ::SendMessageW(verse, EM_LINEINDEX, ::SendMessageW(verse, EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    const RECT large{small.left, small.top, small.right + 300, small.bottom + 200};
    ::SetWindowPos(window, nullptr, large.left, large.top, Width(large), large.bottom - large.top, SWP_NOZORDER);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(Width(WindowRect(verse)), Width(smallVerse) + 300);
    EXPECT_EQ(WindowRect(verse).bottom - WindowRect(verse).top, smallVerse.bottom - smallVerse.top + 200);
    const auto line = ::SendMessageW(verse, EM_LINEFROMCHAR, top, 0);
    EXPECT_EQ(::SendMessageW(verse, EM_GETFIRSTVISIBLELINE, 0, 0), line) << "the top line moved";

    ::PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(window) != FALSE; }));
    ASSERT_EQ(reader.Leave(IDCANCEL), 0);

    for (int start = 0; start < 2; ++start) { // left maximised twice, the size given still comes back
        if (start) ASSERT_EQ(reader.Leave(IDCANCEL), 0);
        window = reader.Start(false);
        ASSERT_TRUE(window);
        EXPECT_TRUE(WaitUntil([&] { return ::IsZoomed(window) != FALSE; })) << "not maximised again";
        ASSERT_TRUE(reader.Handled());
    }
    ::PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(reader.Handled()); // no longer maximised comes before the new size
    ASSERT_FALSE(::IsZoomed(window));
    const RECT restored = WindowRect(window);
    EXPECT_EQ(Width(restored), Width(large));
    EXPECT_EQ(restored.bottom - restored.top, large.bottom - large.top);
    EXPECT_EQ(reader.Leave(), 0);
}

// The book chosen, in the folder the dialog opens in, and a larger font are kept though the close
// box leaves: the next start shows both, with no welcome.
TEST_F(WindowTest, ABookAndAFontChosenAreKeptThoughTheCloseBoxLeaves) {
    TempFolder elsewhere;
    HWND window = reader.Start(true, elsewhere.Path(""));
    ASSERT_TRUE(window);
    SelectBook(window, bookName); // a bare name: the dialog opened in the program's folder
    ASSERT_TRUE(reader.Handled());
    ASSERT_EQ(ItemText(window, IDC_BOOK_TITLE), TitleOf(folder.Path(bookName)));
    Press(window, IDC_LARGER);
    ASSERT_TRUE(reader.Handled());
    ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(reader.process().WaitForExit(), 0);
    const SettingsRecord saved = folder.Settings();
    ASSERT_TRUE(saved.font);
    EXPECT_LT(ToLogFont(*saved.font).lfHeight, 0) << "the step of \"+\" was not kept";

    window = reader.Start(false, elsewhere.Path(""));
    ASSERT_TRUE(window) << "the welcome came again";
    EXPECT_EQ(ItemText(window, IDC_BOOK_TITLE), TitleOf(folder.Path(bookName)));
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
    EXPECT_EQ(folder.Settings().font, saved.font) << "the larger font was not the one shown";
}

// The end of the session keeps the settings and the window's place, for Windows ends the reader
// right after it has told it.
TEST_F(WindowTest, TheEndOfTheSessionKeepsTheSettingsAndThePlace) {
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    const RECT moved{40, 30, 40 + Width(WindowRect(window)) + 120,
                     30 + WindowRect(window).bottom - WindowRect(window).top};
    ::SetWindowPos(window, nullptr, moved.left, moved.top, Width(moved), moved.bottom - moved.top, SWP_NOZORDER);
    ::SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    ASSERT_TRUE(folder.Exists("settings.dat"));
    const std::optional<WindowPlace> place = folder.Settings().window;
    ASSERT_TRUE(place);
    EXPECT_EQ(place->rect, (Rect{moved.left, moved.top, moved.right, moved.bottom}));
    EXPECT_FALSE(place->maximized);
    EXPECT_EQ(reader.Leave(), 0);
}

namespace {

// The New Testament plan beside the reader, chosen, and the window in front for the keyboard.
HWND StartWithTheNewTestament(Reader& reader, ProgramFolder& folder) {
    const auto plans = std::filesystem::path(QUILLMERE_LONGEST_BOOK).parent_path();
    folder.Copy((plans / "New Testament in a year (KJV).pdb").string(), "nt.pdb");
    HWND window = reader.Start(true);
    if (!window) return nullptr;
    SelectBook(window, folder.Path("nt.pdb"));
    if (!reader.Handled() || !::SetForegroundWindow(window)) return nullptr;
    return WaitUntil([&] { return ::GetForegroundWindow() == window; }) ? window : nullptr;
}

// The go-to box, opened by Ctrl+G, with passage typed into it; null where it did not open.
HWND AskForPassage(const wchar_t* passage) {
    PressKeys({VK_CONTROL}, 'G');
    HWND box = WaitForWindow("Go to a passage");
    if (box) ::SendMessageW(::GetDlgItem(box, IDC_PASSAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(passage));
    return box;
}

void GoTo(HWND window, const wchar_t* passage) {
    HWND box = AskForPassage(passage);
    ASSERT_TRUE(box);
    ASSERT_TRUE(Answer(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
}

std::string SelectedText(HWND window) {
    DWORD start = 0, end = 0;
    ::SendMessageW(::GetDlgItem(window, IDC_VERSE), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return ItemText(window, IDC_VERSE).substr(start, end - start);
}

} // namespace

// A reference that is not one is told in the box, which stays open, and to a screen reader; a
// passage then shows its plan day, with its verse on top and selected.
TEST_F(WindowTest, CtrlGShowsTheDayOfAPassageWithItsVerseOnTopAndSelected) {
    HWND window = StartWithTheNewTestament(reader, folder);
    ASSERT_TRUE(window);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    WinEventListener listener(process);
    HWND box = AskForPassage(L"Hezekiah 1");
    ASSERT_TRUE(box);
    Press(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !ItemText(box, IDC_PASSAGE_MESSAGE).empty(); })) << "no message";
    EXPECT_TRUE(listener.Heard(ItemText(box, IDC_PASSAGE_MESSAGE)));
    EXPECT_TRUE(::IsWindowVisible(box));
    ::SendMessageW(::GetDlgItem(box, IDC_PASSAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Rom 8:28"));
    ASSERT_TRUE(Answer(box, IDOK));
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(SelectedText(window).rfind("28 And we know that all things work together for good", 0), 0u)
        << SelectedText(window);
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    DWORD start = 0;
    ::SendMessageW(verse, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(::SendMessageW(verse, EM_GETFIRSTVISIBLELINE, 0, 0), ::SendMessageW(verse, EM_LINEFROMCHAR, start, 0));
    EXPECT_EQ(reader.Leave(), 0);
}

// The list holds the days with the word and says how many; Enter shows the first with the word
// selected, and F3 the next match.
TEST_F(WindowTest, CtrlFListsTheDaysWithAWordAndF3SelectsTheNextMatch) {
    HWND window = StartWithTheNewTestament(reader, folder);
    ASSERT_TRUE(window);
    PressKeys({VK_CONTROL}, 'F');
    HWND box = WaitForWindow("Find words");
    ASSERT_TRUE(box);
    ::SendMessageW(::GetDlgItem(box, IDC_FIND_WORDS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"vine"));
    Press(box, IDC_FIND_NOW);
    HWND list = ::GetDlgItem(box, IDC_FIND_RESULTS);
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 1; }));
    const auto days = ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    EXPECT_EQ(ItemText(box, IDC_FIND_COUNT), std::to_string(days) + " days hold these words.");
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == box; }));
    PressKeys({}, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(Lowered(SelectedText(window)), "vine");
    const std::string firstDay = ItemText(window, IDC_VERSE);
    DWORD first = 0, next = 0;
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    ::SendMessageW(verse, EM_GETSEL, reinterpret_cast<WPARAM>(&first), 0);
    PressKeys({}, VK_F3);
    ASSERT_TRUE(WaitUntil([&] {
        ::SendMessageW(verse, EM_GETSEL, reinterpret_cast<WPARAM>(&next), 0);
        return next != first || ItemText(window, IDC_VERSE) != firstDay;
    }));
    EXPECT_EQ(Lowered(SelectedText(window)), "vine");
    EXPECT_EQ(reader.Leave(), 0);
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// without is with, line for line, less the verse numbers at the starts of its verses; what keeps a
// number at its start names a passage of a numbered book ("1 John 2", "2 Corinthians 10-13").
void ExpectTheWordsLessTheVerseNumbers(const std::string& with, const std::string& without) {
    const std::regex number("[0-9]{1,3} "), passage("[1-3] [A-Z][a-z]+ [0-9:-]+\r?");
    const std::vector<std::string> before = Lines(with), after = Lines(without);
    ASSERT_EQ(after.size(), before.size());
    int dropped = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::smatch start;
        if (before[i] == after[i]) {
            EXPECT_FALSE(std::regex_search(after[i], start, number, std::regex_constants::match_continuous) &&
                         !std::regex_match(after[i], passage))
                << "a verse number stayed: " << after[i];
        } else {
            ASSERT_TRUE(std::regex_search(before[i], start, number, std::regex_constants::match_continuous))
                << before[i];
            EXPECT_EQ(before[i].substr(start.length()), after[i]);
            ++dropped;
        }
    }
    EXPECT_GT(dropped, 0);
}

} // namespace

// "Verse numbers" off shows a plan day and a verse-a-day day, and copies them, with every word but
// the numbers of their verses; a passage gone to is still selected whole.
TEST_F(WindowTest, VerseNumbersOffLeaveEveryWordButTheNumbersOfTheVerses) {
    HWND window = StartWithTheNewTestament(reader, folder);
    ASSERT_TRUE(window);
    Press(window, IDC_SETTINGS);
    const std::string with = ItemUnicodeText(window, IDC_VERSE);
    ClickCheckBox(window, IDC_VERSE_NUMBERS);
    ASSERT_TRUE(WaitUntil([&] { return ItemUnicodeText(window, IDC_VERSE) != with; }));
    const std::string without = ItemUnicodeText(window, IDC_VERSE);
    ExpectTheWordsLessTheVerseNumbers(with, without);
    PressKeys({VK_CONTROL, VK_SHIFT}, 'C');
    const std::string firstVerse = Lines(without)[5];
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText().find(firstVerse) != std::string::npos; })) << firstVerse;
    EXPECT_EQ(ClipboardText().find("1 " + firstVerse), std::string::npos);
    GoTo(window, L"Matt 1:5");
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(SelectedText(window).rfind("And Salmon begat Booz", 0), 0u) << SelectedText(window);

    const auto plans = std::filesystem::path(QUILLMERE_LONGEST_BOOK).parent_path();
    folder.Copy((plans / "A verse a day (KJV).pdb").string(), "verses.pdb");
    SelectBook(window, folder.Path("verses.pdb"));
    ASSERT_TRUE(reader.Handled());
    GoTo(window, L"Lam 3:22-23");
    ASSERT_TRUE(reader.Handled());
    const std::string day = ItemUnicodeText(window, IDC_VERSE);
    EXPECT_NE(day.find("\r\n\xC2\xB6 It is of the LORD"), std::string::npos) << day;
    EXPECT_NE(day.find("\r\nThey are new every morning"), std::string::npos) << day;
    EXPECT_NE(SelectedText(window).find("great is thy faithfulness"), std::string::npos) << SelectedText(window);
    EXPECT_EQ(reader.Leave(), 0);
}

// "Dark background" shows the day light on dark; both choices are kept though Esc leaves. The
// window is kept above the others, which other tests may show, while its pixels are read.
TEST_F(WindowTest, TheLookChosenShowsDarkAndIsKeptThoughEscLeaves) {
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(reader.Handled());
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    EXPECT_GT(ShadesOf(verse).background, 200) << "the system's window colours";
    Press(window, IDC_SETTINGS);
    ClickCheckBox(window, IDC_VERSE_NUMBERS);
    ClickCheckBox(window, IDC_DARK_BACKGROUND);
    ASSERT_TRUE(reader.Handled());
    EXPECT_TRUE(WaitUntil([&] {
        const Shades shades = ShadesOf(verse);
        return shades.background < 50 && shades.text > 180;
    }));
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
    EXPECT_EQ(folder.Settings().look, (TextLook{false, true}));

    ASSERT_TRUE(window = reader.Start(false));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(window, IDC_VERSE_NUMBERS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(window, IDC_DARK_BACKGROUND), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(reader.Leave(), 0);
}

// With Windows' colours set to a black scheme, the text box is dark with light text, unasked.
TEST_F(WindowTest, ABlackSystemSchemeGivesADarkTextBox) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF black[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    const COLORREF before[] = {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT)};
    ASSERT_TRUE(::SetSysColors(2, elements, black));
    struct Restore {
        const COLORREF* colours;
        const int* elements;
        ~Restore() { ::SetSysColors(2, elements, colours); }
    } restore{before, elements};
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    EXPECT_TRUE(WaitUntil([&] {
        const Shades shades = ShadesOf(verse);
        return shades.background < 50 && shades.text > 180;
    }));
    EXPECT_EQ(reader.Leave(), 0);
}
