#pragma once

#include "framework/core/CString.h"
#include "framework/win/CDialog.h"
#include "framework/win/MessageMap.h"
#include "reader/res/resource.h"

#include <functional>
#include <string>
#include <vector>

// Asks for words and lists the days of the open book that hold them all, each with its date, its
// passage and the words around the first match. Enter in the words searches, Enter in the list
// or a double click chooses a day; the list says how many days it holds.
class FindDlg : public CDialog {
public:
    struct Row {
        CString date, passage, around;
    };
    // The rows of the days that hold every one of words (UTF-8), whole words unless parts.
    using Search = std::function<std::vector<Row>(const std::string& words, bool parts)>;

    // Opens with the words and the choice of the last search, and lists its days again.
    FindDlg(CWnd* parent, Search search, std::string words, bool parts)
        : CDialog(IDD_FIND, parent), m_search(std::move(search)), m_words(std::move(words)), m_parts(parts) {}

    BOOL OnInitDialog() override;
    void OnOK() override;

    const std::string& Words() const { return m_words; }
    bool Parts() const { return m_parts; }
    // The row chosen, or -1.
    int Chosen() const { return m_chosen; }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnFindNow();
    void OnResultsDoubleClick(NMHDR* header, LRESULT* result);
    void RunSearch();
    void Choose();
    HWND Results() const { return GetDlgItem(IDC_FIND_RESULTS); }

    static const MessageEntry<FindDlg> messageMap[];

    Search m_search;
    std::string m_words;
    bool m_parts;
    int m_chosen = -1;
};
