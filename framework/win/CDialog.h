#pragma once

#include "framework/win/CWnd.h"
#include "framework/win/DataExchange.h"

// A dialog made from a dialog template of the program's resources, modal (DoModal) or as a
// child of another window (Create); a Unicode window, so that text in any script shows whole. Messages reach OnWndMsg,
// where a derived class runs its message map before CDialog's own handling of WM_INITDIALOG, IDOK and IDCANCEL.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    // Runs the dialog until EndDialog; returns its result, or -1 when it could not be made.
    INT_PTR DoModal();
    // Makes the dialog a child of parent from the template; true when the window exists.
    BOOL Create(UINT templateId, CWnd* parent);
    // Ends a modal dialog with result; a child dialog is hidden.
    void EndDialog(int result);
    // TRUE moves the controls' values into the members, FALSE the members into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Handles a message and sets its result; false leaves it to the dialog manager.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Leaves the message being handled to the dialog manager's default handling.
    LRESULT Default() {
        m_leftToDefault = true;
        return 0;
    }
    // From OnInitDialog of a modal dialog that has put itself where it is to open: it is not centred.
    void KeepPosition() { m_keepPosition = true; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();
    void EnableOwner();
    void ExecuteDialogInit();
    void CenterOnScreen();

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
    HWND m_disabledOwner = nullptr;
    bool m_leftToDefault = false;
    bool m_keepPosition = false;
};
