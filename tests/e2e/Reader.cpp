#include "tests/e2e/Reader.h"

#include "contract/ProgramNames.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tests/support/Unicode.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <dlgs.h>

bool Reader::Launch(const std::string& currentFolder) {
    m_window = nullptr;
    return m_process.Start(m_folder + READER_FILE_NAME, "", currentFolder);
}

HWND Reader::Start(bool firstTime, const std::string& currentFolder) {
    EXPECT_TRUE(Launch(currentFolder)) << "CreateProcess failed with error " << ::GetLastError() << " for " << m_folder
                                       << READER_FILE_NAME;
    if (firstTime) {
        HWND welcome = WaitForWindow("Quillview");
        EXPECT_TRUE(welcome) << "no welcome message";
        if (!welcome) return nullptr;
        EXPECT_EQ(MessageText(welcome), welcomeText);
        EXPECT_TRUE(Answer(welcome, IDOK));
    }
    return WaitForMainWindow();
}

HWND Reader::WaitForMainWindow(DWORD milliseconds) {
    return m_window = WaitForWindow(m_caption.c_str(), "#32770", milliseconds);
}

int Reader::Leave(int button) {
    Press(m_window, button);
    return m_process.WaitForExit();
}

bool Reader::Handled() const { return PostedMessagesHandled(::GetDlgItem(m_window, IDC_VERSE)); }

std::string TodaysVerse(const std::string& bookPath) {
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    BookFile book;
    book.OpenBook(bookPath.c_str());
    return static_cast<const char*>(VerseTextForDate(book, today.wDay, today.wMonth, today.wYear, EnglishDayWords()));
}

void SelectBook(HWND window, const std::string& path) {
    Press(window, IDC_SELECT_BOOK);
    // Known by its owner, not by its caption, which is in the user's language.
    HWND dialog = nullptr;
    const auto shown = [&] {
        for (dialog = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); dialog;
             dialog = ::FindWindowExA(nullptr, dialog, "#32770", nullptr))
            if (::GetWindow(dialog, GW_OWNER) == window && ::IsWindowVisible(dialog)) return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(shown)) << "no open-file dialog";
    ::SendMessageW(::GetDlgItem(dialog, cmb13), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideOf(path).c_str()));
    ASSERT_TRUE(Answer(dialog, IDOK));
}
