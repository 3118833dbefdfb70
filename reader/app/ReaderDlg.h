#pragma once

#include "framework/core/WideText.h"
#include "framework/win/CDialog.h"
#include "framework/win/CFont.h"
#include "framework/win/Controls.h"
#include "framework/win/MessageMap.h"
#include "reader/app/ReadingProgress.h"
#include "reader/app/SettingsDlg.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"

#include <optional>
#include <vector>

// The main window: the calendar, the verse of the selected day, and below a band that the
// "Settings" button reveals or cuts off, the display buttons, the settings panel and the book choice.
class ReaderDlg : public CDialog {
public:
    enum { IDD = IDD_READER };

    explicit ReaderDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Shows the verse of the day selected in the calendar.
    void ShowVerse();
    // The description of the verse font: the one the user chose, or the dialog's where none is
    // chosen, not a face that the box falls back to for a text; the system font's where there is
    // no font.
    void GetVerseFont(LOGFONTA* description);
    // Makes description the verse font, under the wait cursor; null does nothing.
    void SetVerseFont(const LOGFONTA* description);
    // The keys that choose and mark days anywhere in the window, from its keyboard hook: true
    // where key, pressed in window, was one of them.
    bool OnDayKey(HWND window, WPARAM key);

protected:
    // The folder of the program's own file, with its trailing backslash; empty where Windows gives
    // no whole path for it. A test shows the window with a folder of its own.
    virtual CString ProgramDirectory() const;
    // What the settings panel's autorun asks of the machine.
    virtual AutorunPlatform& Platform();

    void DoDataExchange(CDataExchange* pDX) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnFonts();
    void OnSmaller();
    void OnLarger();

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnCalendarSelChange(NMHDR* header, LRESULT* result);
    void OnCalendarSelect(NMHDR* header, LRESULT* result);
    void OnGetDayState(NMHDR* header, LRESULT* result);
    void OnRead();
    void OnDestroy();
    void OnSettings();
    void OnExit();
    void OnSelectBook();
    void OnAbout();
    void StepVerseFont(std::optional<int> (*step)(int characterHeight));
    int VerseCharacterHeight(const LOGFONTA& description);
    void FindLowerBand(int holderTop);
    void ShowLowerBand(bool show);
    void FitCalendar();
    bool CalendarFits() const;
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void ShowBookError(const CString& path);
    bool OpenBook(const CString& path);
    void ShowVerseText(const CString& text);
    void FitVerseFont(const Wide& text);
    HFONT VerseFont() const;
    void BeginProgress(bool upgradedBook);
    BookProgress& Progress();
    void SaveProgress();
    void ShowReadState();
    void SetDayStates();
    void FillDayStates(const SYSTEMTIME& first, int count, MONTHDAYSTATE* states);
    Date SelectedDate() const;
    void SelectDate(const Date& date);
    void OnPlanStart(const Date& start);
    void OnCatchUp();
    void CopyDay();
    void OnCopy();
    void OnSelectAll();

    static const MessageEntry<ReaderDlg> messageMap[];

    CMonthCalCtrl m_calendar;
    CEdit m_verseBox;
    CString m_bookTitle;
    SettingsDlg m_settings;
    bool m_settingsShown = false;
    int m_fullHeight = 0;
    int m_compactHeight = 0;
    CString m_bookDescription;
    BookFile m_book;
    CString m_programDirectory;
    HICON m_icon;
    CFont m_calendarFont;
    // The verse and the title in a face that has characters their fonts lack, while they show such
    // a text.
    CFont m_fallbackFont;
    CFont m_titleFallbackFont;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    // The verse box shows the About display, not the selected day's text.
    bool m_aboutShown = false;
    BookInfo m_bookInfo;
    DayWords m_dayWords;
    // What the user has read, of every book, as progress.dat keeps it.
    std::vector<BookProgress> m_progress;
    HMENU m_verseMenu = nullptr;
    std::vector<HWND> m_lowerBand;
};
