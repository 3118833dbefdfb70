#include "framework/win/CWinApp.h"

#include "framework/core/ProgramPath.h"

namespace {

CWinApp* theApplication = nullptr;

CString ProgramBaseName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
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

void CWinApp::BeginWaitCursor() {
    ++m_waitCursorCount;
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void CWinApp::EndWaitCursor() {
    if (m_waitCursorCount > 0 && --m_waitCursorCount == 0) ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}

CWinApp* AfxGetApp() { return theApplication; }

CString AfxGetProgramFolder() {
    char modulePath[programPathBuffer] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return "";
    return CString(modulePath).Left(static_cast<int>(FolderLength(modulePath)));
}

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    const UINT buttons = type & MB_TYPEMASK;
    if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL)) type |= MB_ICONEXCLAMATION;
    const HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return ::MessageBoxA(owner, text, app ? static_cast<const char*>(app->m_pszAppName) : nullptr, type);
}
