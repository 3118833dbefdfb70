#include "reader/app/ReaderDlg.h"

#include "framework/core/CodePage.h"
#include "reader/book/VerseNumbers.h"

#include <cstring>

namespace {

// Puts text on the clipboard in format, as one block of memory.
void SetClipboardBytes(UINT format, const void* text, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return;
    std::memcpy(::GlobalLock(memory), text, size);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(format, memory)) ::GlobalFree(memory);
}

} // namespace

// The shown day's text, under no heading, with where it comes from: the book's title, and for a
// plan the day. On the clipboard as Unicode, and as ANSI text for programs that read no other.
void ReaderDlg::CopyDay() {
    CString text = CopiedDayText(m_book, m_bookInfo.kind, Progress().start, SelectedDate(), m_bookTitle, m_dayWords,
                                 m_bookInfo.planDays);
    if (!m_settings.m_look.verseNumbers) text = WithoutVerseNumbers(static_cast<const char*>(text)).c_str();
    if (text.IsEmpty()) return;
    const Wide wide(static_cast<const char*>(text));
    std::string ansi;
    FromUtf8(static_cast<const char*>(text), ansiCodePage, ansi);
    if (!::OpenClipboard(m_hWnd)) return;
    ::EmptyClipboard();
    SetClipboardBytes(CF_UNICODETEXT, wide, (wide.Length() + 1) * sizeof(wchar_t));
    SetClipboardBytes(CF_TEXT, ansi.c_str(), ansi.size() + 1);
    ::CloseClipboard();
}

void ReaderDlg::OnCopy() { m_verseBox.SendMessage(WM_COPY); }

void ReaderDlg::OnSelectAll() { m_verseBox.SendMessage(EM_SETSEL, 0, -1); }
