// Quillview as a user meets it, started in a fresh program folder under Wine.
#include "tests/e2e/ReaderSession.h"

#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tools/quillbook/PdbWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr char mainCaption[] = QUILLMERE_CAPTION;
constexpr char welcome[] = "Welcome to Quillmere!  Click on Settings to configure Quillmere on your first use!";

std::string TodaysVerse(const std::string& bookPath) {
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    BookFile book;
    book.OpenBook(bookPath.c_str());
    return static_cast<const char*>(VerseTextForDate(book, today.wDay, today.wMonth, today.wYear));
}

int WindowHeight(HWND window) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

class ReaderTest : public ::testing::Test {
protected:
    // Starts the reader for the first time in a folder with or without the default book and
    // answers the welcome message; the main window, or null.
    HWND StartFirstTime(ReaderSession& session) {
        EXPECT_TRUE(session.Start());
        HWND box = ReaderSession::WaitForWindow("Quillview");
        EXPECT_TRUE(box);
        if (!box) return nullptr;
        EXPECT_EQ(ReaderSession::MessageText(box), welcome);
        ReaderSession::Press(box, IDOK);
        return ReaderSession::WaitForWindow(mainCaption);
    }
    // Starts the reader where settings.dat exists already.
    HWND StartAgain(ReaderSession& session) {
        EXPECT_TRUE(session.Start());
        return ReaderSession::WaitForWindow(mainCaption);
    }
    void Exit(ReaderSession& session, HWND window) {
        ReaderSession::Press(window, IDOK);
        EXPECT_EQ(session.WaitForExit(), 0);
    }
};

} // namespace

TEST_F(ReaderTest, AFirstStartWithoutABookSaysSoAndShowsTheHeadingAlone) {
    ReaderSession session(false);
    ASSERT_TRUE(session.Start());
    HWND box = ReaderSession::WaitForWindow("Quillview");
    ASSERT_TRUE(box);
    EXPECT_EQ(ReaderSession::MessageText(box), welcome);
    ReaderSession::Press(box, IDOK);

    HWND error = ReaderSession::WaitForWindow("Error!");
    ASSERT_TRUE(error);
    const std::string message = ReaderSession::MessageText(error);
    const std::string folderName = std::filesystem::path(session.Folder()).parent_path().filename().string();
    EXPECT_EQ(message.rfind("Failed to open book \"", 0), 0u) << message;
    EXPECT_NE(message.find(folderName + "\\quillmere.pdb\"\nPlease download from " PRODUCT_URL), std::string::npos)
        << message;
    ReaderSession::Press(error, IDOK);

    HWND window = ReaderSession::WaitForWindow(mainCaption);
    ASSERT_TRUE(window);
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_BOOK_TITLE), "No book selected!");
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE), TodaysVerse(session.FileInFolder("quillmere.pdb")));
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE).find("\r\n\r\n") + 4,
              ReaderSession::ItemText(window, IDC_VERSE).size());
    Exit(session, window);
}

TEST_F(ReaderTest, AFirstStartWithTheDefaultBookShowsTodaysVerse) {
    ReaderSession session(true);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_BOOK_TITLE), "The Book of Proverbs");
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE), TodaysVerse(session.FileInFolder("quillmere.pdb")));
    Exit(session, window);
}

TEST_F(ReaderTest, ACalendarClickShowsThatDaysVerseAndAboutShowsTheBook) {
    ReaderSession session(true);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    const std::string today = ReaderSession::ItemText(window, IDC_VERSE);
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);

    std::string shown = today;
    for (double row : {0.55, 0.8, 0.45}) {
        ReaderSession::ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * row));
        shown = ReaderSession::ItemText(window, IDC_VERSE);
        if (shown != today) break;
    }
    ASSERT_NE(shown, today) << "no click on the calendar chose another day";
    const int verse = std::atoi(shown.c_str() + std::strlen("Verse "));
    BookFile book;
    book.OpenBook(session.FileInFolder("quillmere.pdb").c_str());
    EXPECT_EQ(shown, "Verse " + std::to_string(verse) + ":\r\n\r\n" + std::string(book.GetRecordText(verse)));

    ReaderSession::Press(window, IDC_ABOUT);
    const std::string about = ReaderSession::ItemText(window, IDC_VERSE);
    CString title, description;
    book.GetTitleAndDescription(title, description);
    EXPECT_EQ(about.rfind(std::string(description) + "\r\n\r\nAbout Quillmere\r\n", 0), 0u) << about;
    EXPECT_NE(about.find(PRODUCT_URL), std::string::npos);

    ReaderSession::ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.55));
    ReaderSession::ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.8));
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE).rfind("Verse ", 0), 0u);
    Exit(session, window);
}

TEST_F(ReaderTest, SettingsRevealsTheLowerBandAndTwiceGivesTheCompactHeightBack) {
    ReaderSession session(true);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    const int compact = WindowHeight(window);
    RECT group, client;
    ::GetWindowRect(::GetDlgItem(window, IDC_SELECT_BOOK), &group);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&group), 2);
    ::GetClientRect(window, &client);
    EXPECT_GT(group.top, client.bottom) << "Select Book ... shows at the compact height";

    ReaderSession::Press(window, IDC_SETTINGS);
    const int full = WindowHeight(window);
    ::GetClientRect(window, &client);
    EXPECT_GT(full, compact);
    EXPECT_LE(group.bottom, client.bottom) << "Select Book ... is cut off at the full height";
    ReaderSession::Press(window, IDC_SETTINGS);
    EXPECT_EQ(WindowHeight(window), compact);
    ReaderSession::Press(window, IDC_SETTINGS);
    EXPECT_EQ(WindowHeight(window), full);
    Exit(session, window);
}

TEST_F(ReaderTest, TheExitButtonSavesTheSettingsAndEscSavesNothing) {
    ReaderSession session(true);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    ReaderSession::Press(window, IDCANCEL);
    EXPECT_EQ(session.WaitForExit(), 0);
    EXPECT_FALSE(std::filesystem::exists(session.FileInFolder("settings.dat")));

    window = StartFirstTime(session);
    ASSERT_TRUE(window);
    Exit(session, window);
    const std::string settings = [&] {
        std::ifstream in(session.FileInFolder("settings.dat"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }(); // closed again: the reader opens its settings for exclusive access
    ASSERT_GE(settings.size(), 76u);
    std::uint32_t pathLength = 0;
    std::memcpy(&pathLength, settings.data() + 72, 4);
    EXPECT_EQ(settings.size(), 76 + pathLength);
    EXPECT_EQ(settings.substr(settings.size() - 14), "\\quillmere.pdb");

    window = StartAgain(session); // no welcome now
    ASSERT_TRUE(window);
    Exit(session, window);
}

TEST_F(ReaderTest, AnotherProgramsWindowWithTheReadersCaptionDoesNotKeepItFromStarting) {
    HWND foreign = ::CreateWindowExA(0, "Static", mainCaption, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr, nullptr,
                                     nullptr, nullptr);
    ReaderSession session(true);
    ASSERT_TRUE(session.Start());
    HWND box = ReaderSession::WaitForWindow("Quillview");
    ASSERT_TRUE(box) << "the reader did not start";
    ReaderSession::Press(box, IDOK);
    HWND window = ReaderSession::WaitForWindow(mainCaption, 10000, "#32770");
    ASSERT_TRUE(window);
    ReaderSession::Press(window, IDCANCEL);
    EXPECT_EQ(session.WaitForExit(), 0);
    ::DestroyWindow(foreign);
}

TEST_F(ReaderTest, ASecondStartLeavesTheOpenWindowAsItWas) {
    ReaderSession session(true);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    const std::string verse = ReaderSession::ItemText(window, IDC_VERSE);
    ReaderSession second(true);
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_EQ(::FindWindowA(nullptr, "Quillview"), nullptr) << "the second start showed a message";
    EXPECT_EQ(::FindWindowA(nullptr, mainCaption), window);
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE), verse);
    EXPECT_TRUE(session.Running());
    Exit(session, window);
}

namespace {

// A book of its own title whose every verse names its day, beside the program folder's files.
std::string WriteOtherBook(const ReaderSession& session) {
    std::vector<std::string> records = {std::string("Other Book$Another book.") + '\0'};
    for (int day = 1; day <= 365; ++day)
        records.push_back("Other verse " + std::to_string(day) + '\0');
    const std::string path = session.FileInFolder("other.pdb");
    std::ofstream(path, std::ios::binary) << WritePalmDatabase("Other", records, 0);
    return path;
}

// Chooses path in the reader's open-file dialog.
void SelectBook(HWND window, const std::string& path) {
    ReaderSession::Press(window, IDC_SELECT_BOOK);
    HWND dialog = ReaderSession::WaitForWindow("Open");
    ASSERT_TRUE(dialog);
    constexpr int fileNameBox = 0x47C; // cmb13, the file name box of the Explorer-style dialog
    ::SendMessageA(::GetDlgItem(dialog, fileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ReaderSession::Press(dialog, IDOK);
}

std::string SavedBookPath(const ReaderSession& session) {
    std::ifstream in(session.FileInFolder("settings.dat"), std::ios::binary);
    const std::string settings((std::istreambuf_iterator<char>(in)), {});
    return settings.size() > 76 ? settings.substr(76) : "";
}

} // namespace

TEST_F(ReaderTest, ASelectedBookShowsAtOnceAndIsSavedOnExit) {
    ReaderSession session(true);
    const std::string other = WriteOtherBook(session);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    ReaderSession::Press(window, IDC_SETTINGS);
    SelectBook(window, other);
    ReaderSession::Settle();
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_BOOK_TITLE), "Other Book");
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_VERSE), TodaysVerse(other));
    Exit(session, window);
    EXPECT_EQ(SavedBookPath(session).substr(SavedBookPath(session).size() - 10), "\\other.pdb");
}

TEST_F(ReaderTest, AFailedSelectionKeepsThePreviousBook) {
    ReaderSession session(true);
    const std::string other = WriteOtherBook(session);
    HWND window = StartFirstTime(session);
    ASSERT_TRUE(window);
    const std::string verse = ReaderSession::ItemText(window, IDC_VERSE);
    {
        CFile holder; // the reader opens books for exclusive access, so this one cannot be opened
        ASSERT_TRUE(holder.Open(other.c_str(), CFile::typeBinary | CFile::modeRead));
        SelectBook(window, other);
        HWND error = ReaderSession::WaitForWindow("Error!");
        ASSERT_TRUE(error);
        EXPECT_NE(ReaderSession::MessageText(error).find("other.pdb\""), std::string::npos);
        ReaderSession::Press(error, IDOK);
    }
    EXPECT_EQ(ReaderSession::ItemText(window, IDC_BOOK_TITLE), "The Book of Proverbs");
    ReaderSession::Press(window, IDC_ABOUT);
    HWND calendar = ::GetDlgItem(window, IDC_CALENDAR);
    RECT area;
    ::GetClientRect(calendar, &area);
    ReaderSession::ClickAt(calendar, area.right / 3, static_cast<int>(area.bottom * 0.55));
    const std::string shown = ReaderSession::ItemText(window, IDC_VERSE);
    EXPECT_EQ(shown.find("Other verse"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Proverbs "), std::string::npos) << shown;
    Exit(session, window);
    EXPECT_EQ(SavedBookPath(session).substr(SavedBookPath(session).size() - 14), "\\quillmere.pdb");
}
