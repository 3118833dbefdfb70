#pragma once

#include "framework/core/WideText.h"
#include "framework/win/CDialog.h"
#include "framework/win/CFont.h"
#include "framework/win/Controls.h"
#include "framework/win/MessageMap.h"
#include "reader/app/FindDlg.h"
#include "reader/app/SettingsDlg.h"
#include "reader/book/BookFile.h"
#include "reader/book/PassageFinder.h"
#include "reader/book/VerseOfDay.h"
#include "reader/book/WordSearch.h"
#include "reader/logic/MatchSteps.h"
#include "reader/logic/ReaderLayout.h"
#include "reader/logic/ReadingProgress.h"
#include "reader/res/resource.h"

#include <optional>
#include <vector>

// The main window: the calendar, the text of the selected day, and below a band that the
// "Settings" button reveals or cuts off, the display buttons, the settings panel and the book
// choice. Its duties lie in files of their own: ReaderDlg.cpp the day's text, the book and the
// window's start and end; ReaderDays.cpp the days read and the plan's start; ReaderKeys.cpp the day
// keys; ReaderNames.cpp what a screen reader hears; ReaderLook.cpp the text's verse numbers and
// colours; ReaderPassages.cpp going to a passage and finding words; ReaderClipboard.cpp the copies;
// ReaderFonts.cpp the fonts, the calendar's fit and the DPI; ReaderSizing.cpp the window's size,
// layout and place.
class ReaderDlg : public CDialog {
public:
    enum { IDD = IDD_READER };

    explicit ReaderDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Leaving by Esc, the close box or Alt+F4 keeps the settings as the exit button does.
    void OnCancel() override;
    // Shows the verse of the day selected in the calendar.
    void ShowVerse();
    // The description of the verse font: the one the user chose, or the dialog's where none is
    // chosen, not a face that the box falls back to for a text; the system font's where there is
    // no font.
    void GetVerseFont(LOGFONTA* description);
    // Makes description the verse font, under the wait cursor, and keeps it; null does nothing.
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
    // ReaderDlg.cpp
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnCalendarSelChange(NMHDR* header, LRESULT* result);
    void OnCalendarSelect(NMHDR* header, LRESULT* result);
    void OnDestroy();
    void OnExit();
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    void Leave(int result);
    void OnSelectBook();
    void OnAbout();
    void ShowBookError(const CString& path);
    bool OpenBook(const CString& path);
    // A date as the user's Windows writes it in full.
    static CString LongDate(const Date& date);
    // Shows text in the verse box, named for a screen reader by the heading of named.
    void ShowVerseText(const CString& text, const CString& named);

    // ReaderDays.cpp
    void BeginProgress(bool upgradedBook);
    BookProgress& Progress();
    void SaveProgress();
    void ShowReadState();
    void ShowStanding();
    void OnRead();
    void OnGetDayState(NMHDR* header, LRESULT* result);
    void FillDayStates(const SYSTEMTIME& first, int count, MONTHDAYSTATE* states);
    void SetDayStates();
    Date SelectedDate() const;
    void SelectDate(const Date& date);
    void OnPlanStart(const Date& start);
    void OnCatchUp();

    // ReaderPassages.cpp
    std::vector<std::string> DayTexts();
    void OnGoTo();
    // What finding the passage of reference in the book's day texts says where it is not found.
    CString FindPassageOf(const std::string& reference, std::vector<std::string>& texts,
                          std::optional<PassagePlace>& place);
    void OnFind();
    std::vector<FindDlg::Row> FindRows(const std::string& words, bool parts);
    void ShowNextMatch(int step);
    void ForgetMatches();
    void ShowMatch(int day, int match);
    void ShowRecordPart(int record, const std::string& recordText, int start, int length, bool onTop);

    // ReaderNames.cpp
    void NameControls();
    void NameVerseBox(const CString& shown);
    void TellDayShown();
    void TellReadState();

    // ReaderLook.cpp
    void ShowLookChoice();
    void OnLookClicked();
    LRESULT OnCtlColorStatic(WPARAM context, LPARAM control);

    // ReaderKeys.cpp
    void ShowKeyboardPlace();
    LRESULT OnParentNotify(WPARAM event, LPARAM);
    void OnFocusSettled();
    void HookDayKeys();
    void UnhookDayKeys();

    // ReaderClipboard.cpp
    void CopyDay();
    void OnCopy();
    void OnSelectAll();

    // ReaderFonts.cpp
    void StepVerseFont(std::optional<int> (*step)(int characterHeight));
    int VerseCharacterHeight(const LOGFONTA& description);
    void FitCalendar();
    bool CalendarFits() const;
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnDpiSettled();
    void FitVerseFont(const Wide& text);
    void ShowInVerseFont(const Wide& text);
    HFONT VerseFont() const;

    // ReaderSizing.cpp
    void TakeTemplateLayout();
    void OnSettings();
    void ShowLowerBand(bool show);
    LRESULT OnSize(WPARAM type, LPARAM);
    LRESULT OnGetMinMaxInfo(WPARAM, LPARAM info);
    LRESULT OnWindowPosChanged(WPARAM, LPARAM);
    void LayOut();
    void FitVerseMargin();
    void RestorePlace(const WindowPlace& place);
    WindowPlace CurrentPlace() const;
    void ShowMaximizedIfLeftSo();

    // Posted after a change of DPI, to run once the dialog manager has laid the window out anew.
    static constexpr UINT WM_DPI_SETTLED = WM_APP + 1;
    // Posted after a click, to run once the focus has gone where the click sends it.
    static constexpr UINT WM_FOCUS_SETTLED = WM_APP + 2;
    // The default button's id: none, for Enter presses only the push button that has the focus.
    static constexpr WPARAM noDefaultButton = 0xFFFE;
    static const MessageEntry<ReaderDlg> messageMap[];

    CMonthCalCtrl m_calendar;
    CEdit m_verseBox;
    CString m_bookTitle;
    SettingsDlg m_settings;
    bool m_settingsShown = false;
    // The window's heights at the template's size, with the lower band and without it.
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
    // The controls as the template places them, and their windows in the same order; the verse
    // box's is m_verseBox's, which a change of reading direction makes anew.
    ReaderTemplate m_template;
    std::vector<HWND> m_laidOut;
    int m_templateWidth = 0;
    // The window's rectangle when it was last neither maximised nor minimised, and whether it
    // showed the band then.
    RECT m_normalRect{};
    bool m_normalWithBand = false;
    // The last search: its words, whether parts of words matched, the days' texts it searched,
    // what it found there, and the match shown last.
    std::string m_findWords;
    bool m_findParts = false;
    std::vector<std::string> m_foundTexts;
    std::vector<RecordFound> m_found;
    MatchPlace m_foundAt{-1, 0};
    // What a screen reader hears the verse box named.
    CString m_verseName;
    // Where the window opening maximised is restored to, until it is maximised.
    std::optional<RECT> m_restoreTo;
};
