// The main window's template as the resources hold it, made with no code of the reader behind it.
#include "reader/logic/ReaderLayout.h"
#include "reader/res/resource.h"
#include "tests/support/RectChecks.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <vector>

namespace {

INT_PTR CALLBACK NoLogic(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

HWND MainWindowTemplate() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_READER), nullptr, NoLogic, 0);
}

Rect ClientRectOf(HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

TEST(ReaderTemplate, EachControlIdIsUsedOnce) {
    HWND window = MainWindowTemplate();
    ASSERT_TRUE(window);
    std::multiset<int> ids;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ids.insert(static_cast<short>(::GetDlgCtrlID(child)));
    ::DestroyWindow(window);
    // clang-format off
    EXPECT_EQ(ids, (std::multiset<int>{IDC_CALENDAR, IDOK, IDC_VERSE, IDC_ABOUT, IDC_SETTINGS, IDC_FONTS, IDC_SMALLER,
                                       IDC_LARGER, IDC_LANGUAGE, IDC_RESIZE_HOLDER, IDC_BOOK_TITLE, IDC_STATIC,
                                       IDC_SELECT_BOOK, IDC_STATIC, IDC_STATIC, IDC_STATIC, IDC_SETTINGS_PLACEHOLDER,
                                       IDC_READ, IDC_CATCH_UP, IDC_VERSE_NUMBERS, IDC_DARK_BACKGROUND, IDC_STANDING}));
    // clang-format on
}

// The layout of the real template at sizes up to a large screen's: the visible controls stay in the
// client area and apart, but for those the template itself puts one inside the other (the Display
// group's buttons).
TEST(ReaderTemplate, LaysOutAtAnySizeWithoutAControlOverAnother) {
    HWND window = MainWindowTemplate();
    ASSERT_TRUE(window);
    RECT client;
    ::GetClientRect(window, &client);
    const Rect holder = ClientRectOf(::GetDlgItem(window, IDC_RESIZE_HOLDER));
    ReaderTemplate layout{client.right, client.bottom,   ClientRectOf(::GetDlgItem(window, IDC_VERSE)),
                          holder.top,   holder.Height(), {}};
    std::vector<bool> visible;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        layout.controls.push_back(ClientRectOf(child));
        visible.push_back(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
    }
    ::DestroyWindow(window);
    const std::vector<Rect>& at = layout.controls;
    for (const bool band : {false, true})
        for (int width = layout.width; width <= 2560; width += 311)
            for (int height = layout.height - (band ? 0 : layout.bandHeight); height <= 1440; height += 173) {
                const std::vector<Rect> placed = LayOutReader(layout, width, height, band);
                for (std::size_t i = 0; i < placed.size(); ++i) {
                    if (!visible[i] || (!band && at[i].top >= layout.bandTop)) continue;
                    EXPECT_TRUE(Inside(placed[i], {0, 0, width, height})) << i << " at " << width << "x" << height;
                    for (std::size_t j = 0; j < i; ++j) {
                        const bool shown = visible[j] && (band || at[j].top < layout.bandTop);
                        if (shown && !Inside(at[i], at[j]) && !Inside(at[j], at[i])) {
                            EXPECT_FALSE(Overlap(placed[i], placed[j])) << i << " and " << j;
                        }
                    }
                }
            }
}
