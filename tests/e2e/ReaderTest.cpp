// Quillview as a user meets it, started in a fresh program folder under Wine.
#include "Version.h"
#include "contract/ProgramNames.h"
#include "reader/logic/ProgressFile.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tests/support/Accessible.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Unicode.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Windows.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

constexpr char mainCaption[] = QUILLMERE_CAPTION;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class ReaderTest : public ReaderFolderTest {};

// The reader started for the first time in a program folder with the book, its main window shown.
class StartedReaderTest : public ReaderTest {
protected:
    void SetUp() override { ASSERT_TRUE(window = reader.Start(true)); }

    HWND window = nullptr;
};

// A program folder without the book.
class ReaderWithoutBookTest : public ::testing::Test {
protected:
    ProgramFolder folder{"Quillview.exe", "quill.wav"};
    Reader reader{folder.Path()};
};

} // namespace

TEST_F(ReaderWithoutBookTest, AFirstStartWithoutABookSaysSoAndShowsTheHeadingAlone) {
    ASSERT_TRUE(reader.Launch());
    HWND box = WaitForWindow("Quillview");
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageText(box), welcomeText);
    ASSERT_TRUE(Answer(box, IDOK));

    HWND error = WaitForWindow("Error!");
    ASSERT_TRUE(error);
    const std::string message = MessageText(error);
    const std::string folderName = std::filesystem::path(folder.Path()).parent_path().filename().string();
    EXPECT_EQ(message.rfind("Failed to open book \"", 0), 0u) << message;
    EXPECT_NE(message.find(folderName + "\\quillmere.pdb\"\nPlease download from " PRODUCT_URL), std::string::npos)
        << message;
    ASSERT_TRUE(Answer(error, IDOK));

    HWND window = reader.WaitForMainWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemText(window, IDC_BOOK_TITLE), "No book selected!");
    EXPECT_TRUE(ItemText(window, IDC_VERSE) == TodaysVerse(folder.Path("quillmere.pdb"))) << "not shown whole";
    EXPECT_EQ(ItemText(window, IDC_VERSE).find("\r\n\r\n") + 4, ItemText(window, IDC_VERSE).size());
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(StartedReaderTest, AFirstStartWithTheDefaultBookShowsTodaysVerse) {
    EXPECT_EQ(ItemText(window, IDC_BOOK_TITLE), "The Book of Proverbs");
    EXPECT_TRUE(ItemText(window, IDC_VERSE) == TodaysVerse(folder.Path("quillmere.pdb"))) << "not shown whole";
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(StartedReaderTest, ACalendarClickShowsThatDaysVerseAndAboutShowsTheBook) {
    const std::string today = ItemText(window, IDC_VERSE);
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);

    // Of three days in different weeks, at most one is today.
    std::string shown = today;
    for (double row : {0.55, 0.8, 0.45}) {
        ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * row));
        ASSERT_TRUE(reader.Handled());
        shown = ItemText(window, IDC_VERSE);
        if (shown != today) break;
    }
    ASSERT_NE(shown, today) << "no click on the calendar chose another day";
    const int verse = std::atoi(shown.c_str() + std::strlen("Verse "));
    BookFile book;
    book.OpenBook(folder.Path("quillmere.pdb").c_str());
    EXPECT_EQ(shown, "Verse " + std::to_string(verse) + ":\r\n\r\n" + std::string(book.GetRecordText(verse)));

    Press(window, IDC_ABOUT);
    ASSERT_TRUE(reader.Handled());
    const std::string about = ItemText(window, IDC_VERSE);
    CString title, description;
    book.GetTitleAndDescription(title, description);
    EXPECT_EQ(about.rfind(std::string(description) + "\r\n\r\nAbout Quillmere\r\n", 0), 0u) << about;
    EXPECT_NE(about.find(PRODUCT_URL), std::string::npos);

    ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.55));
    ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.8));
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(ItemText(window, IDC_VERSE).rfind("Verse ", 0), 0u);
    EXPECT_EQ(reader.Leave(), 0);
}

// A screen reader hears the day that shows, and that it is read, wherever the focus is.
TEST_F(StartedReaderTest, ADayShownOrMarkedReadIsToldToAScreenReader) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    WinEventListener listener(process);
    const auto heading = [&] {
        const std::string text = ItemText(window, IDC_VERSE);
        return text.substr(0, text.find('\r'));
    };
    const std::string today = heading();
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    PressKeys({VK_CONTROL}, VK_RIGHT);
    ASSERT_TRUE(WaitUntil([&] { return heading() != today; }));
    EXPECT_TRUE(listener.Heard(heading())) << heading();

    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);
    const std::string before = heading();
    for (double row : {0.45, 0.8})
        if (heading() == before) {
            ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * row));
            ASSERT_TRUE(reader.Handled());
        }
    ASSERT_NE(heading(), before);
    EXPECT_TRUE(listener.Heard(heading())) << heading();

    const std::string unread = ItemText(window, IDC_READ);
    PressKeys({VK_CONTROL}, 'D');
    ASSERT_TRUE(WaitUntil([&] { return ItemText(window, IDC_READ) != unread; }));
    EXPECT_TRUE(listener.Heard(ItemText(window, IDC_READ)));
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(StartedReaderTest, AboutAgainOrTheSelectedDayBringsTheDaysTextBack) {
    const std::string today = ItemText(window, IDC_VERSE);
    Press(window, IDC_ABOUT);
    Press(window, IDC_ABOUT);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(ItemText(window, IDC_VERSE), today);

    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);
    ClickAt(calendar, area.right / 3, area.bottom * 55 / 100);
    ASSERT_TRUE(reader.Handled());
    const std::string chosen = ItemText(window, IDC_VERSE);
    Press(window, IDC_ABOUT);
    ASSERT_TRUE(reader.Handled());
    ASSERT_NE(ItemText(window, IDC_VERSE), chosen);
    ClickAt(calendar, area.right / 3, area.bottom * 55 / 100); // the day that is selected already
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(ItemText(window, IDC_VERSE), chosen);
    EXPECT_EQ(reader.Leave(), 0);
}

namespace {

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Tab(bool back) { back ? PressKeys({VK_SHIFT}, VK_TAB) : PressKeys({}, VK_TAB); }

} // namespace

// In the calendar the arrows move the day, a day across and a week down, and Enter there, in the
// verse box or on the "Read" box shows the day and leaves the reader open.
TEST_F(StartedReaderTest, ArrowsInTheCalendarMoveTheDayAndEnterLeavesTheReaderOpen) {
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    for (int press = 0; press < 20 && FocusOf(window) != calendar; ++press) {
        const HWND before = FocusOf(window);
        Tab(false);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) != before; }));
    }
    ASSERT_EQ(FocusOf(window), calendar);
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    const Date later = DateOfDaysSinceEpoch(DaysSinceEpoch(today.wYear, today.wMonth, today.wDay) + 8);
    const std::string heading = "Verse " + std::to_string(VerseNumberForDate(later.day, later.month, later.year));
    PressKeys({}, VK_RIGHT);
    PressKeys({}, VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return ItemText(window, IDC_VERSE).rfind(heading + ":", 0) == 0; }))
        << ItemText(window, IDC_VERSE).substr(0, 20);
    for (int control : {IDC_CALENDAR, IDC_VERSE, IDC_READ}) {
        ::SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(window, control)), TRUE);
        PressKeys({}, VK_RETURN);
        ASSERT_TRUE(reader.Handled());
        EXPECT_TRUE(::IsWindowVisible(window)) << "Enter left the reader from control " << control;
    }
    EXPECT_EQ(ItemText(window, IDC_VERSE).rfind(heading + ":", 0), 0u);
    EXPECT_EQ(reader.Leave(), 0);
}

// The keyboard goes through what the window shows, in reading order, and never into the cut-off
// band; tabbing into the verse box keeps its place, and the exit button looks the default only
// while Enter would press it.
TEST_F(StartedReaderTest, TabGoesThroughTheVisibleControlsInReadingOrder) {
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    const int order[] = {IDC_CALENDAR, IDC_VERSE, IDC_READ, IDOK, IDC_ABOUT, IDC_SETTINGS};
    RECT client;
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    HWND focus = FocusOf(window);
    for (bool back : {false, true}) {
        for (int press = 1; press <= 20; ++press) {
            // A key comes through the display server, behind any message posted now: every press
            // moves the focus on, so the test waits for that.
            const HWND before = focus;
            Tab(back);
            ASSERT_TRUE(WaitUntil([&] { return (focus = FocusOf(window)) != before; })) << "press " << press;
            ASSERT_TRUE(focus) << press;
            RECT place;
            ::GetWindowRect(focus, &place);
            EXPECT_TRUE(::IsWindowVisible(focus) && place.top >= client.top && place.bottom <= client.bottom)
                << "press " << press << " reached control " << ::GetDlgCtrlID(focus);
            if (focus == ::GetDlgItem(window, IDC_VERSE)) {
                DWORD start = 1, end = 0;
                ::SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                EXPECT_EQ(start, end) << "tabbing into the verse box selected its text";
            }
            if (!back) {
                EXPECT_EQ(::GetDlgCtrlID(focus), order[press % 6]) << press;
            }
            HWND exit = ::GetDlgItem(window, IDOK);
            EXPECT_EQ((::SendMessageW(exit, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0, focus == exit)
                << "the exit button looks the default at press " << press;
        }
    }
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(StartedReaderTest, SettingsRevealsTheLowerBandAndTwiceGivesTheCompactHeightBack) {
    const int compact = WindowHeight(window);
    RECT group, client;
    ::GetWindowRect(::GetDlgItem(window, IDC_SELECT_BOOK), &group);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&group), 2);
    ::GetClientRect(window, &client);
    EXPECT_GT(group.top, client.bottom) << "Select Book ... shows at the compact height";

    Press(window, IDC_SETTINGS);
    ASSERT_TRUE(reader.Handled());
    const int full = WindowHeight(window);
    ::GetClientRect(window, &client);
    EXPECT_GT(full, compact);
    EXPECT_LE(group.bottom, client.bottom) << "Select Book ... is cut off at the full height";
    Press(window, IDC_SETTINGS);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(WindowHeight(window), compact);
    Press(window, IDC_SETTINGS);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(WindowHeight(window), full);
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(ReaderTest, EscSavesTheSettingsAsTheExitButtonDoes) {
    for (int button : {IDCANCEL, IDOK}) {
        ::DeleteFileA(folder.Path("settings.dat").c_str());
        ASSERT_TRUE(reader.Start(true));
        EXPECT_EQ(reader.Leave(button), 0);
        const SettingsRecord settings = folder.Settings();
        EXPECT_TRUE(EndsWith(settings.bookPath, "\\quillmere.pdb")) << settings.bookPath;
        EXPECT_TRUE(settings.window) << "the window's place";

        ASSERT_TRUE(reader.Start(false)); // no welcome now
        EXPECT_EQ(reader.Leave(), 0);
    }
}

TEST_F(ReaderTest, AnotherProgramsWindowWithTheReadersCaptionDoesNotKeepItFromStarting) {
    HWND foreign = ::CreateWindowExA(0, "Static", mainCaption, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr, nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(reader.Start(true)) << "the reader did not start";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
    ::DestroyWindow(foreign);
}

TEST_F(StartedReaderTest, ASecondStartLeavesTheOpenWindowAsItWas) {
    const std::string verse = ItemText(window, IDC_VERSE);
    ProgramFolder secondFolder{"Quillview.exe", "quill.wav", "quillmere.pdb"};
    Reader second(secondFolder.Path());
    ASSERT_TRUE(second.Launch());
    // A message of the second reader would show while it runs and keep it running.
    EXPECT_TRUE(NeverHolds([] { return ::FindWindowA(nullptr, "Quillview") != nullptr; }))
        << "the second start showed a message";
    EXPECT_EQ(second.process().WaitForExit(), 0);
    EXPECT_EQ(::FindWindowA(nullptr, mainCaption), window);
    EXPECT_EQ(ItemText(window, IDC_VERSE), verse);
    EXPECT_TRUE(reader.process().Running());
    EXPECT_EQ(reader.Leave(), 0);
}

namespace {

// A book of its own title whose every verse names its day, beside the program folder's files.
std::string WriteOtherBook(const ProgramFolder& folder) {
    std::vector<std::string> records = {std::string("Other Book$Another book.") + '\0'};
    for (int day = 1; day <= 365; ++day)
        records.push_back("Other verse " + std::to_string(day) + '\0');
    folder.Write("other.pdb", WritePalmDatabase("Other", records, 0));
    return folder.Path("other.pdb");
}

} // namespace

TEST_F(StartedReaderTest, ASelectedBookShowsAtOnceAndIsSavedOnExit) {
    const std::string other = WriteOtherBook(folder);
    Press(window, IDC_SETTINGS);
    SelectBook(window, other);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(ItemText(window, IDC_BOOK_TITLE), "Other Book");
    EXPECT_EQ(ItemText(window, IDC_VERSE), TodaysVerse(other));
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_TRUE(EndsWith(folder.Settings().bookPath, "\\other.pdb")) << folder.Settings().bookPath;
}

TEST_F(StartedReaderTest, AFailedSelectionKeepsThePreviousBook) {
    const std::string other = WriteOtherBook(folder);
    {
        CFile holder; // the reader opens books for exclusive access, so this one cannot be opened
        ASSERT_TRUE(holder.Open(other.c_str(), CFile::typeBinary | CFile::modeRead));
        SelectBook(window, other);
        HWND error = WaitForWindow("Error!");
        ASSERT_TRUE(error);
        EXPECT_NE(MessageText(error).find("other.pdb\""), std::string::npos);
        ASSERT_TRUE(Answer(error, IDOK));
    }
    EXPECT_EQ(ItemText(window, IDC_BOOK_TITLE), "The Book of Proverbs");
    Press(window, IDC_ABOUT);
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);
    ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.55));
    ASSERT_TRUE(reader.Handled());
    const std::string shown = ItemText(window, IDC_VERSE);
    EXPECT_EQ(shown.find("Other verse"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Proverbs "), std::string::npos) << shown;
    EXPECT_EQ(reader.Leave(), 0);
    EXPECT_TRUE(EndsWith(folder.Settings().bookPath, "\\quillmere.pdb")) << folder.Settings().bookPath;
}

// The longest day of the whole Bible in a year, on every day of a book.
TEST(ReaderWithTheLongestDay, ShowsItWholeAndScrollsThroughIt) {
    BookFile plan;
    ASSERT_TRUE(plan.OpenBook(QUILLMERE_LONGEST_BOOK));
    std::string longest;
    for (int record = 1; record <= 365; ++record) {
        const std::string text = static_cast<const char*>(plan.GetRecordText(record));
        if (text.size() > longest.size()) longest = text;
    }
    plan.CloseBook();
    ASSERT_GT(longest.size(), 12000u);
    CString lf(longest.c_str());
    lf.Replace("\r\n", "\n");
    ProgramFolder folder{"Quillview.exe"};
    const std::vector<std::string> records(365, static_cast<const char*>(lf) + std::string(1, '\0'));
    std::vector<std::string> book{std::string("Longest$days\0", 13)};
    book.insert(book.end(), records.begin(), records.end());
    folder.Write("quillmere.pdb", WritePalmDatabase("Longest", book, 0));
    folder.WriteSettings(false, 0, FontDescription{});
    Reader reader{folder.Path()};
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);

    EXPECT_TRUE(ItemText(window, IDC_VERSE) == TodaysVerse(folder.Path("quillmere.pdb"))) << "not shown whole";
    HWND verse = ::GetDlgItem(window, IDC_VERSE);
    EXPECT_GT(::SendMessageA(verse, EM_GETLINECOUNT, 0, 0), 200);
    EXPECT_EQ(::SendMessageA(verse, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    ::SendMessageA(verse, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_GT(::SendMessageA(verse, EM_GETFIRSTVISIBLELINE, 0, 0), 150) << "the verse box does not scroll to the end";
    ::SendMessageA(verse, WM_VSCROLL, SB_TOP, 0);

    // Page Down scrolls the day in the verse box, and shows the next day from anywhere else.
    const std::string today = ItemText(window, IDC_VERSE).substr(0, ItemText(window, IDC_VERSE).find(':'));
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    GUITHREADINFO gui{sizeof gui};
    ClickAt(verse, 20, 20);
    ASSERT_TRUE(WaitUntil([&] { return ::GetGUIThreadInfo(0, &gui) && gui.hwndFocus == verse; }));
    PressKeys({}, VK_NEXT);
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(verse, EM_GETFIRSTVISIBLELINE, 0, 0) > 0; }));
    PressKeys({VK_CONTROL}, VK_END);
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(verse, EM_GETFIRSTVISIBLELINE, 0, 0) > 150; }));
    PressKeys({VK_CONTROL}, VK_HOME);
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(verse, EM_GETFIRSTVISIBLELINE, 0, 0) == 0; }));
    EXPECT_EQ(ItemText(window, IDC_VERSE).rfind(today + ":", 0), 0u) << "the day stays";
    // Wine carries EM_GETRECT's rectangle between the processes itself.
    RECT text{}, client;
    ::SendMessageW(verse, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    ::GetClientRect(verse, &client);
    EXPECT_GE(text.left, client.left + 4) << "no margin";
    EXPECT_GE(text.top, client.top + 4) << "no margin";
    PressKeys({}, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return ::GetGUIThreadInfo(0, &gui) && gui.hwndFocus != verse; }));
    PressKeys({}, VK_NEXT);
    EXPECT_TRUE(WaitUntil([&] { return ItemText(window, IDC_VERSE).rfind(today + ":", 0) != 0; }))
        << "the next day is not shown";
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}

namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// short.pdb, the plan "Short" of three days, read "One", "Two" and "Three".
void WriteShortPlan(const ProgramFolder& folder) {
    const std::vector<std::string> records = {std::string("Short$A short plan.\0", 20), "One", "Two", "Three"};
    folder.Write("short.pdb", WritePalmDatabase("Short", records, 0, {BookKind::plan, 1252, 3}));
}

} // namespace

// A plan followed as a user follows it: begun today, a day marked, the next day from the keyboard,
// caught up, copied with its reference, and all of it there again at the next start.
// A plan of three days counts three, and has ended on the fourth.
TEST_F(ReaderTest, APlanOfThreeDaysEndsOnTheFourth) {
    WriteShortPlan(folder);
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    SelectBook(window, folder.Path("short.pdb"));
    ASSERT_TRUE(reader.Handled());
    const auto shown = [&] { return ItemText(window, IDC_VERSE); };
    EXPECT_EQ(shown(), "Day 1 of 3:\r\n\r\nOne");
    EXPECT_EQ(ItemText(window, IDC_READ), "Read (0 of 3)");
    EXPECT_EQ(ItemText(window, IDC_STANDING), "On track") << "begun today";
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    for (const char* next : {"Day 2 of 3:", "Day 3 of 3:", "Plan ended:"}) {
        PressKeys({VK_CONTROL}, VK_RIGHT);
        EXPECT_TRUE(WaitUntil([&] { return StartsWith(shown(), next); })) << shown();
    }
    EXPECT_EQ(reader.Leave(), 0);
}

// Begun yesterday and both days read, the plan is on track with a run of two.
TEST_F(ReaderTest, WhereTheReaderStandsCountsTheDaysReadInARow) {
    WriteShortPlan(folder);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const Date yesterday = DateOfDaysSinceEpoch(DaysSinceEpoch(now.wYear, now.wMonth, now.wDay) - 1);
    folder.Write("progress.dat", ProgressBytes({{"Short", yesterday, {1, 2}}}));
    folder.WriteSettings(false, 0, FontDescription{}, folder.Path("short.pdb"));
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemUnicodeText(window, IDC_STANDING), "On track \u00b7 2 days in a row");
    EXPECT_EQ(reader.Leave(), 0);
}

TEST_F(ReaderTest, APlanIsFollowedFromTheDayItIsBegun) {
    folder.Copy(QUILLMERE_LONGEST_BOOK, "plan.pdb");
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    SelectBook(window, folder.Path("plan.pdb"));
    ASSERT_TRUE(reader.Handled());
    const auto shown = [&] { return ItemText(window, IDC_VERSE); };
    EXPECT_TRUE(StartsWith(shown(), "Day 1 of 365:\r\n")) << shown().substr(0, 40);

    Press(window, IDC_READ);
    ASSERT_TRUE(reader.Handled());
    EXPECT_EQ(ItemText(window, IDC_READ), "Read (1 of 365)");
    EXPECT_EQ(::SendDlgItemMessageA(window, IDC_READ, BM_GETCHECK, 0, 0), BST_CHECKED);

    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    PressKeys({VK_CONTROL}, VK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(shown(), "Day 2 of 365:"); })) << shown().substr(0, 40);
    EXPECT_EQ(::SendDlgItemMessageA(window, IDC_READ, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    Press(window, IDC_CATCH_UP); // day 2, the first not read, falls on today
    ASSERT_TRUE(reader.Handled());
    EXPECT_TRUE(StartsWith(shown(), "Day 2 of 365:")) << shown().substr(0, 40);
    EXPECT_EQ(shown().find("\r\n\r\n", 0), shown().find(':') + 1);

    PressKeys({VK_CONTROL, VK_SHIFT}, 'C');
    EXPECT_TRUE(WaitUntil([] { return ClipboardText(CF_TEXT).find(", day 2") != std::string::npos; }));
    const std::string copied = ClipboardText(CF_UNICODETEXT);
    // Genesis 4:9, "my brother’s keeper": the curly apostrophe as Unicode and in the book's code page
    EXPECT_NE(copied.find("brother\xE2\x80\x99s keeper"), std::string::npos);
    EXPECT_NE(ClipboardText(CF_TEXT).find("brother\x92s keeper"), std::string::npos);
    EXPECT_NE(copied.find("\r\n\r\nThe Bible in a year (KJV), day 2"), std::string::npos) << copied.substr(0, 80);
    EXPECT_EQ(shown().substr(shown().find("\r\n\r\n") + 4, 60), copied.substr(0, 60)) << "the day's text, no heading";

    EXPECT_EQ(reader.Leave(), 0); // the plan is the book of the next start
    window = reader.Start(false);
    ASSERT_TRUE(window);
    EXPECT_TRUE(StartsWith(shown(), "Day 2 of 365:")) << "the start moved by catching up is kept";
    EXPECT_EQ(ItemText(window, IDC_READ), "Read (1 of 365)");
    ASSERT_TRUE(::SetForegroundWindow(window));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
    PressKeys({VK_CONTROL}, 'D');
    EXPECT_TRUE(WaitUntil([&] { return ItemText(window, IDC_READ) == "Read (2 of 365)"; }));

    EXPECT_EQ(reader.Leave(IDCANCEL), 0); // a mark is kept, however the reader is left
    window = reader.Start(false);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemText(window, IDC_READ), "Read (2 of 365)");
    EXPECT_EQ(::SendDlgItemMessageA(window, IDC_READ, BM_GETCHECK, 0, 0), BST_CHECKED);
    const std::vector<BookProgress> progress = ParseProgress(folder.Read("progress.dat"));
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_EQ(progress[0].read, (std::vector<int>{1, 2}));
    EXPECT_EQ(reader.Leave(IDCANCEL), 0);
}
