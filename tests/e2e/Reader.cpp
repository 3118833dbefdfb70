#include "tests/e2e/Reader.h"

#include "contract/ProgramNames.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

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
    return static_cast<const char*>(VerseTextForDate(book, today.wDay, today.wMonth, today.wYear));
}
