#pragma once

#include "framework/core/CTime.h"
#include "framework/win/CWnd.h"

class CEdit : public CWnd {};

class CMonthCalCtrl : public CWnd {
public:
    BOOL GetCurSel(SYSTEMTIME* date) const { return SendMessage(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(date)); }
};

class CDateTimeCtrl : public CWnd {
public:
    // The picker's date and time as a local time; false when it holds none.
    bool GetTime(CTime& time) const;
    bool SetTime(const CTime& time);
};
