#include "reader/app/ReaderApp.h"

#include "reader/app/ReaderDlg.h"
#include "Version.h"

ReaderApp theApp;

BOOL ReaderApp::InitInstance() {
    // A dialog with the main window's caption means the reader is open already: end without a word.
    // Another program's window of that title but of another class does not count.
    if (::FindWindowA("#32770", QUILLMERE_CAPTION)) return FALSE;
    ReaderDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
