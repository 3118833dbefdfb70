#pragma once

#include "framework/core/CTime.h"
#include "framework/core/Calendar.h"
#include "framework/win/CWnd.h"

class CEdit : public CWnd {
public:
    // Keeps the selection, and so the place the text is scrolled to, when the dialog's keyboard
    // navigation moves the focus here; the dialog manager would otherwise select all of the text
    // and scroll to its end.
    void KeepSelectionOnTab();
    // Shows the first popup of menu, not the edit control's own, on a right click or the menu key;
    // its commands go to the parent window. The menu is the caller's and must outlive the control.
    void SetContextMenu(HMENU menu);
    // Right-aligned in right-to-left reading order, or as the template made it. The control is
    // made anew for it: its text is then empty, and its handle another.
    void SetRightToLeft(bool rightToLeft);
    // Keeps the text margin pixels from every edge of the box; the box forgets it when it is
    // resized or takes another font.
    void SetInnerMargin(int margin);
    // The first character of the top line shown, and the text scrolled so that its line is on top.
    int FirstVisibleCharacter() const;
    void ScrollToTop(int character);
};

// A date as the common controls take it, at midnight, and the date of one they give.
SYSTEMTIME SystemTimeOf(const Date& date);
inline Date DateOf(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }
// The local date of today.
Date Today();

class CMonthCalCtrl : public CWnd {
public:
    BOOL GetCurSel(SYSTEMTIME* date) const { return SendMessage(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(date)); }
};

class CDateTimeCtrl : public CWnd {
public:
    // The picker's date and time as a local time; FALSE when it holds none.
    BOOL GetTime(CTime& time) const;
    BOOL SetTime(const CTime& time);
};
