#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/win/CWnd.h"

// One exchange between a dialog's controls and its members: with m_bSaveAndValidate the controls'
// values go into the members, otherwise the members' values into the controls.
struct CDataExchange {
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds control to the dialog's control id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A check box's state, 0 or 1; any other value checks the box.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// A date-time picker's local date and time.
void DDX_DateTimeCtrl(CDataExchange* pDX, int id, CTime& value);
