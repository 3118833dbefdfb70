#include "reader/app/ReaderApp.h"

#include "reader/app/ReaderDlg.h"
#include "Version.h"

ReaderApp theApp;

BOOL ReaderApp::InitInstance() {
    // A window with the main window's caption means the reader is open already: end without a word.
    if (::FindWindowA(nullptr, QUILLMERE_CAPTION)) return FALSE;
    ReaderDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
