#include "framework/win/CWinApp.h"

#include "framework/core/ProgramPath.h"
#include "framework/win/CDialog.h"
#include "framework/core/WideText.h"

namespace {

CWinApp* theApplication = nullptr;

CString ProgramBaseName() {
    char path[programPathBuffer];
    OwnProgramFile(path, sizeof path);
    CString name(path);
    name = name.Right(name.GetLength() - name.ReverseFind('\\') - 1);
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

} // namespace

CWinApp::CWinApp() : m_pszAppName(ProgramBaseName()) { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

INT_PTR CWinApp::RunMainDialog(CDialog& dialog) {
    m_pMainWnd = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pMainWnd = nullptr;
    return result;
}

void CWinApp::BeginWaitCursor() {
    ++m_waitCursorCount;
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void CWinApp::EndWaitCursor() {
    if (m_waitCursorCount > 0 && --m_waitCursorCount == 0) ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}

CWinApp* AfxGetApp() { return theApplication; }

CString AfxGetProgramFolder() {
    char path[programPathBuffer];
    OwnProgramFile(path, sizeof path);
    return CString(path).Left(static_cast<int>(FolderLength(path)));
}

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    const UINT buttons = type & MB_TYPEMASK;
    if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL)) type |= MB_ICONEXCLAMATION;
    const HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    const Wide caption(app ? static_cast<const char*>(app->m_pszAppName) : "");
    return ::MessageBoxW(owner, Wide(text), app ? static_cast<const wchar_t*>(caption) : nullptr, type);
}
