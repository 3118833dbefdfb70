// The reader's main window and settings panel made from their templates, as the reader makes them,
// with none of the reader's own work: the yardstick for what that work adds to its start.
#include "framework/win/CDialog.h"
#include "framework/win/CWinApp.h"
#include "reader/res/resource.h"

namespace {

class TemplatesDialog : public CDialog {
public:
    TemplatesDialog() : CDialog(IDD_READER) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        RECT placeholder;
        ::GetWindowRect(GetDlgItem(IDC_SETTINGS_PLACEHOLDER), &placeholder);
        ScreenToClient(&placeholder);
        m_panel.Create(IDD_SETTINGS, this);
        m_panel.SetWindowPos(nullptr, placeholder.left, placeholder.top, 0, 0, SWP_NOSIZE);
        m_panel.ShowWindow(SW_SHOWNORMAL);
        ::SetDlgItemTextA(m_hWnd, IDC_VERSE, "Templates shown.");
        return TRUE;
    }

private:
    CDialog m_panel{IDD_SETTINGS};
};

class TemplatesApp : public CWinApp {
public:
    BOOL InitInstance() override {
        TemplatesDialog dialog;
        RunMainDialog(dialog);
        return FALSE;
    }
};

TemplatesApp theApp;

} // namespace
