// The smallest dialog program built the way Quillview is: the yardstick for the reader's start.
#include "framework/win/CDialog.h"
#include "framework/win/CWinApp.h"

class EmptyApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CDialog dialog(100);
        m_pMainWnd = &dialog;
        dialog.DoModal();
        return FALSE;
    }
};

EmptyApp theApp;
