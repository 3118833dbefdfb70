// The main window's template as the resources hold it, made with no code of the reader behind it.
#include "reader/res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>

namespace {

INT_PTR CALLBACK NoLogic(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

} // namespace

TEST(ReaderTemplate, EachControlIdIsUsedOnce) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&classes));
    HWND window = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_READER), nullptr, NoLogic, 0);
    ASSERT_TRUE(window);
    std::multiset<int> ids;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ids.insert(static_cast<short>(::GetDlgCtrlID(child)));
    ::DestroyWindow(window);
    EXPECT_EQ(ids, (std::multiset<int>{IDC_CALENDAR, IDOK, IDC_VERSE, IDC_ABOUT, IDC_SETTINGS, IDC_FONTS, IDC_SMALLER,
                                       IDC_LARGER, IDC_LANGUAGE, IDC_RESIZE_HOLDER, IDC_BOOK_TITLE, IDC_STATIC,
                                       IDC_SELECT_BOOK, IDC_STATIC, IDC_STATIC, IDC_STATIC, IDC_SETTINGS_PLACEHOLDER,
                                       IDC_READ, IDC_CATCH_UP}));
}
