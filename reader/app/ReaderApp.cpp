#include "reader/app/ReaderApp.h"

#include "Version.h"
#include "framework/win/Resources.h"
#include "reader/app/Autorun.h"
#include "reader/app/ReaderDlg.h"
#include "reader/logic/SettingsSequence.h"

ReaderApp theApp;

namespace {

// Restores the open reader where it is minimised and asks Windows to bring it to the front; Windows
// may flash its taskbar button instead where another program has the user's attention.
void BringForward(HWND window) {
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
}

} // namespace

BOOL ReaderApp::InitInstance() {
    // A dialog with the main window's caption means the reader is open already: it comes forward,
    // and where this start is the daily one, the start after it is armed. Another program's window
    // of that title but of another class does not count.
    if (HWND open = ::FindWindowA("#32770", QUILLMERE_CAPTION)) {
        BringForward(open);
        KeepDailyStartOfFolder(FilesOfFolder(static_cast<const char*>(AfxGetProgramFolder())), CTime::GetCurrentTime(),
                               Win32AutorunPlatform());
        return FALSE;
    }
    // The windows and texts in the user's language where the reader has it, else in English.
    ChooseResourceLanguage(RT_DIALOG, ReaderDlg::IDD, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ReaderDlg dialog(nullptr);
    RunMainDialog(dialog);
    return FALSE;
}
