#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

class CDialog;

// The application: exactly one object of a class derived from CWinApp is constructed before the
// program starts, and the framework's WinMain runs its InitInstance.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // Runs the program; its result is not used, and the program ends when it returns.
    virtual BOOL InitInstance() { return FALSE; }

    HICON LoadIcon(UINT id) const { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }
    // Runs dialog modally as the main window, which owns the message boxes raised meanwhile.
    INT_PTR RunMainDialog(CDialog& dialog);
    void BeginWaitCursor();
    void EndWaitCursor();

    // The window that owns the program's message boxes.
    CWnd* m_pMainWnd = nullptr;
    // The base name of the program file, the caption of AfxMessageBox.
    CString m_pszAppName;

private:
    int m_waitCursorCount = 0;
};

CWinApp* AfxGetApp();

// The folder of the program's own file in UTF-8, with its trailing backslash; empty where Windows
// gives no whole path for it.
CString AfxGetProgramFolder();

// A message box owned by the main window, captioned with the application name; an MB_OK or
// MB_OKCANCEL box without an icon of its own gets the exclamation icon.
int AfxMessageBox(const char* text, UINT type = MB_OK);
