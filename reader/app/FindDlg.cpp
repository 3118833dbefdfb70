#include "reader/app/FindDlg.h"

#include "framework/core/WideText.h"
#include "framework/win/AccessibleName.h"
#include "framework/win/Resources.h"

#include <commctrl.h>

namespace {

// The list's columns, their titles and widths in dialog units; the last takes the rest of the list
// beside its scroll bar.
struct Column {
    UINT title;
    int width;
};
constexpr Column columns[] = {{IDS_FOUND_DATE, 115}, {IDS_FOUND_PASSAGE, 85}, {IDS_FOUND_WORDS, 0}};

void SetCell(HWND list, int row, int column, const CString& text) {
    const Wide wide(static_cast<const char*>(text));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(static_cast<const wchar_t*>(wide));
    ::SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, column == 0 ? 0 : row,
                   reinterpret_cast<LPARAM>(&item));
}

} // namespace

const MessageEntry<FindDlg> FindDlg::messageMap[] = {
    OnClicked<&FindDlg::OnFindNow>(IDC_FIND_NOW),
    OnNotify<&FindDlg::OnResultsDoubleClick>(NM_DBLCLK, IDC_FIND_RESULTS),
};

bool FindDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return DispatchMessageMap(messageMap, *this, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

BOOL FindDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const HWND list = Results();
    RECT client;
    ::GetClientRect(list, &client);
    int rest = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(std::size(columns)); ++i) {
        RECT width{0, 0, columns[i].width, 0};
        ::MapDialogRect(m_hWnd, &width);
        rest -= width.right;
        const Wide title(static_cast<const char*>(LoadStringResource(columns[i].title)));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = columns[i].width ? width.right : rest;
        column.pszText = const_cast<wchar_t*>(static_cast<const wchar_t*>(title));
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    ::SetDlgItemTextW(m_hWnd, IDC_FIND_WORDS, Wide(m_words));
    ::CheckDlgButton(m_hWnd, IDC_FIND_PARTS, m_parts ? BST_CHECKED : BST_UNCHECKED);
    if (!m_words.empty()) RunSearch();
    return TRUE;
}

// Enter searches in the words and chooses in the list: the default button takes it in both.
void FindDlg::OnFindNow() {
    if (::GetFocus() == Results())
        Choose();
    else
        RunSearch();
}

void FindDlg::OnOK() { Choose(); }

void FindDlg::OnResultsDoubleClick(NMHDR*, LRESULT*) { Choose(); }

void FindDlg::RunSearch() {
    CWnd words;
    words.m_hWnd = GetDlgItem(IDC_FIND_WORDS);
    m_words = static_cast<const char*>(words.GetWindowText());
    m_parts = ::IsDlgButtonChecked(m_hWnd, IDC_FIND_PARTS) == BST_CHECKED;
    const std::vector<Row> rows = m_search(m_words, m_parts);
    const HWND list = Results();
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        SetCell(list, row, 0, rows[row].date);
        SetCell(list, row, 1, rows[row].passage);
        SetCell(list, row, 2, rows[row].around);
    }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    CString count;
    if (rows.size() == 1)
        count = LoadStringResource(IDS_ONE_DAY_FOUND);
    else if (!rows.empty())
        count.Format(LoadStringResource(IDS_DAYS_FOUND), static_cast<int>(rows.size()));
    else if (m_words.find_first_not_of(" \t") != std::string::npos)
        count.Format(LoadStringResource(IDS_NO_DAY_FOUND), m_words.c_str());
    SetSpokenText(GetDlgItem(IDC_FIND_COUNT), count);
    if (rows.empty()) return;
    LVITEMW first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
}

void FindDlg::Choose() {
    m_chosen = static_cast<int>(::SendMessageW(Results(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (m_chosen >= 0) EndDialog(IDOK);
}
