// The reader's resources in each of its languages: the same windows, menus and strings in all of
// them, and every text whole in its control at the screen's DPI (the prefix says which).
#include "reader/book/VerseOfDay.h"
#include "reader/res/resource.h"
#include "tests/support/Unicode.h"
#include "tests/support/Windows.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <vector>

namespace {

constexpr LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID spanish = MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL);
constexpr LANGID languages[] = {english, spanish};
// The texts that show: 16 in the main window, 3 in the settings panel, 4 in the go-to box and 6
// in the find box.
constexpr int visibleTexts = 29;

// Windows' numbered resource types.
constexpr UINT menuType = 4, dialogType = 5, stringType = 6, dialogDataType = 240;

const void* ResourceIn(LANGID language, UINT type, UINT id) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceExW(module, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
    return found ? ::LockResource(::LoadResource(module, found)) : nullptr;
}

BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::set<UINT>*>(names)->insert(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<LANGID>*>(found)->insert(language);
    return TRUE;
}

// The strings of a language by id, UTF-8; blocks of 16, each a length and that many UTF-16 units.
std::map<UINT, std::string> Strings(LANGID language) {
    std::set<UINT> blocks;
    ::EnumResourceNamesW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(stringType), AddName,
                         reinterpret_cast<LONG_PTR>(&blocks));
    std::map<UINT, std::string> strings;
    for (UINT block : blocks) {
        const auto* entry = static_cast<const WCHAR*>(ResourceIn(language, stringType, block));
        for (UINT index = 0; entry && index < 16; entry += 1 + *entry, ++index)
            if (*entry) strings[(block - 1) * 16 + index] = Utf8Of(std::wstring(entry + 1, *entry));
    }
    return strings;
}

std::string String(LANGID language, UINT id) { return Strings(language)[id]; }

// The printf fields of a format, in order.
std::vector<std::string> FormatFields(const std::string& format) {
    static const std::regex field("%[-+ #0]*[0-9*]*(\\.[0-9*]+)?(hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn%]");
    std::vector<std::string> fields;
    for (auto match = std::sregex_iterator(format.begin(), format.end(), field); match != std::sregex_iterator();
         ++match)
        fields.push_back(match->str());
    return fields;
}

INT_PTR CALLBACK NoLogic(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The main window and its settings panel, the go-to box and the find box in a language, made from
// their templates alone.
struct Windows {
    explicit Windows(LANGID language) {
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&classes);
        const auto made = [&](UINT id, HWND parent) {
            const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(ResourceIn(language, dialogType, id));
            return dialogTemplate ? ::CreateDialogIndirectParamW(nullptr, dialogTemplate, parent, NoLogic, 0) : nullptr;
        };
        main = made(IDD_READER, nullptr);
        panel = main ? made(IDD_SETTINGS, main) : nullptr;
        goTo = made(IDD_GO_TO, nullptr);
        find = made(IDD_FIND, nullptr);
    }
    ~Windows() {
        for (HWND dialog : {main, goTo, find})
            ::DestroyWindow(dialog);
    }
    std::vector<HWND> Dialogs() const { return {main, panel, goTo, find}; }

    HWND main = nullptr, panel = nullptr, goTo = nullptr, find = nullptr;
};

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// What distinguishes a window but its text: its id, class, styles and place.
std::string Layout(HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    return std::to_string(static_cast<short>(::GetDlgCtrlID(control))) + " " + ClassOf(control) + " " +
           std::to_string(::GetWindowLongW(control, GWL_STYLE)) + " " +
           std::to_string(::GetWindowLongW(control, GWL_EXSTYLE)) + " " + std::to_string(rect.left) + "," +
           std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) + "x" +
           std::to_string(rect.bottom - rect.top);
}

std::vector<UINT> MenuIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            const std::vector<UINT> inner = MenuIds(sub);
            ids.insert(ids.end(), inner.begin(), inner.end());
        } else {
            ids.push_back(::GetMenuItemID(menu, i));
        }
    return ids;
}

// A text and the room its control gives it, in pixels.
struct Fit {
    SIZE text, room;
};

// How much of the control the text needs: a button's or a check box's one line beside its frame or
// box, a static text as it wraps within the control's width.
Fit Measure(HWND control, const std::wstring& text) {
    RECT client;
    ::GetClientRect(control, &client);
    HWND dialog = ::GetParent(control);
    RECT unit{0, 0, 4, 0};
    ::MapDialogRect(dialog, &unit);
    const int fourUnits = unit.right;
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    Fit fit{{}, {client.right, client.bottom}};

    HDC dc = ::GetDC(control);
    const HGDIOBJ before = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    if (ClassOf(control) == "Button") {
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &fit.text);
        switch (style & BS_TYPEMASK) {
        case BS_AUTOCHECKBOX:
            fit.room.cx -= ::GetSystemMetrics(SM_CXMENUCHECK) + fourUnits / 2;
            break;
        case BS_GROUPBOX:
            fit.room.cx -= 2 * fourUnits;
            break;
        default:
            fit.room.cx -= fourUnits;
        }
    } else {
        RECT needed{0, 0, client.right, 0};
        const UINT lines = style & SS_CENTERIMAGE ? DT_SINGLELINE : DT_WORDBREAK;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_NOPREFIX | lines);
        fit.text = {needed.right, needed.bottom};
    }
    ::SelectObject(dc, before);
    ::ReleaseDC(control, dc);
    return fit;
}

std::wstring Formatted(LANGID language, UINT id, int first, int second) {
    char text[100];
    std::snprintf(text, sizeof text, String(language, id).c_str(), first, second);
    return WideOf(text);
}

// The texts that the reader puts in place of a template's, with the widest numbers they show.
std::map<int, std::vector<std::wstring>> ShownTexts(LANGID language) {
    return {
        {IDC_READ, {Formatted(language, IDS_READ_OF_PLAN, 365, 365), Formatted(language, IDS_READ_IN_YEAR, 366, 2026)}},
        {IDC_BOOK_TITLE, {WideOf(String(language, IDS_NO_BOOK))}},
        {IDC_STANDING,
         {Formatted(language, IDS_DAYS_BEHIND, 365, 0) + Formatted(language, IDS_IN_A_ROW, 365, 0),
          Formatted(language, IDS_DAYS_AHEAD, 365, 0) + Formatted(language, IDS_IN_A_ROW, 365, 0)}},
        {IDC_PASSAGE_MESSAGE,
         {WideOf(String(language, IDS_NOT_A_PASSAGE)), WideOf(String(language, IDS_PASSAGE_NOT_IN_BOOK)),
          WideOf(String(language, IDS_NO_PASSAGES))}},
        {IDC_FIND_COUNT,
         {Formatted(language, IDS_DAYS_FOUND, 365, 0), WideOf(String(language, IDS_ONE_DAY_FOUND)),
          WideOf(
              std::regex_replace(String(language, IDS_NO_DAY_FOUND), std::regex("%s"), "righteousness everlasting"))}}};
}

} // namespace

TEST(Languages, EachHoldsEveryDialogMenuAndStringWithTheSameFormatFields) {
    for (UINT type : {dialogType, menuType, stringType, dialogDataType}) {
        std::set<UINT> names;
        ::EnumResourceNamesW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(type), AddName,
                             reinterpret_cast<LONG_PTR>(&names));
        EXPECT_FALSE(names.empty()) << type;
        for (UINT name : names) {
            std::set<LANGID> found;
            ::EnumResourceLanguagesW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(name),
                                     AddLanguage, reinterpret_cast<LONG_PTR>(&found));
            EXPECT_EQ(found, std::set<LANGID>(std::begin(languages), std::end(languages))) << type << " " << name;
        }
    }

    const std::map<UINT, std::string> englishStrings = Strings(english), spanishStrings = Strings(spanish);
    ASSERT_FALSE(englishStrings.empty());
    for (const auto& [id, text] : englishStrings) {
        ASSERT_TRUE(spanishStrings.count(id)) << "no Spanish string " << id;
        EXPECT_EQ(FormatFields(spanishStrings.at(id)), FormatFields(text)) << "string " << id;
    }
    for (const auto& [id, text] : spanishStrings)
        EXPECT_TRUE(englishStrings.count(id)) << "no English string " << id;
}

// The book tool prints a day in the reader's English words.
TEST(Languages, TheBookToolsWordsAreTheReadersEnglish) {
    const DayWords& words = EnglishDayWords();
    EXPECT_EQ(String(english, IDS_VERSE), static_cast<const char*>(words.verse));
    EXPECT_EQ(String(english, IDS_PLAN_DAY), static_cast<const char*>(words.planDay));
    EXPECT_EQ(String(english, IDS_PLAN_NOT_BEGUN), static_cast<const char*>(words.notBegun));
    EXPECT_EQ(String(english, IDS_PLAN_ENDED), static_cast<const char*>(words.ended));
    EXPECT_EQ(String(english, IDS_COPIED_PLAN_DAY), static_cast<const char*>(words.copiedPlanDay));
}

TEST(Languages, TheirWindowsAndMenusDifferOnlyInTheirTexts) {
    const Windows englishWindows(english), spanishWindows(spanish);
    ASSERT_TRUE(englishWindows.panel && spanishWindows.panel && englishWindows.find && spanishWindows.find);
    for (std::size_t i = 0; i < englishWindows.Dialogs().size(); ++i) {
        const auto dialogs = std::make_pair(englishWindows.Dialogs()[i], spanishWindows.Dialogs()[i]);
        EXPECT_EQ(Layout(dialogs.second), Layout(dialogs.first));
        // The main window's caption too: a second reader finds the first by it.
        if (i == 0) EXPECT_EQ(UnicodeText(dialogs.second), UnicodeText(dialogs.first));
        std::vector<std::string> englishLayout, spanishLayout;
        for (HWND control : Children(dialogs.first))
            if (control != englishWindows.panel) englishLayout.push_back(Layout(control));
        for (HWND control : Children(dialogs.second))
            if (control != spanishWindows.panel) spanishLayout.push_back(Layout(control));
        EXPECT_EQ(spanishLayout, englishLayout);
    }

    HMENU englishMenu = ::LoadMenuIndirectW(ResourceIn(english, menuType, IDR_VERSE_MENU));
    HMENU spanishMenu = ::LoadMenuIndirectW(ResourceIn(spanish, menuType, IDR_VERSE_MENU));
    ASSERT_TRUE(englishMenu && spanishMenu);
    EXPECT_EQ(MenuIds(spanishMenu), MenuIds(englishMenu));
    ::DestroyMenu(englishMenu);
    ::DestroyMenu(spanishMenu);
}

TEST(Languages, EveryTextIsWholeInItsControl) {
    HDC screen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(screen, LOGPIXELSY), QUILLMERE_WINE_DPI);
    ::ReleaseDC(nullptr, screen);
    for (LANGID language : languages) {
        const Windows windows(language);
        ASSERT_TRUE(windows.panel && windows.goTo && windows.find);
        std::map<int, std::vector<std::wstring>> shown = ShownTexts(language);
        int measured = 0;
        for (HWND dialog : windows.Dialogs())
            for (HWND control : Children(dialog)) {
                const std::string className = ClassOf(control);
                const LONG style = ::GetWindowLongW(control, GWL_STYLE);
                if (!(style & WS_VISIBLE) || (className != "Button" && className != "Static") ||
                    (className == "Static" && (style & SS_TYPEMASK) == SS_BITMAP))
                    continue;
                const int id = static_cast<short>(::GetDlgCtrlID(control));
                std::vector<std::wstring> texts{WideOf(UnicodeText(control))};
                if (shown.count(id) && dialog != windows.panel) texts = shown[id];
                for (const std::wstring& text : texts) {
                    const Fit fit = Measure(control, text);
                    EXPECT_LE(fit.text.cx, fit.room.cx) << Utf8Of(text) << " is too wide in language " << language;
                    EXPECT_LE(fit.text.cy, fit.room.cy) << Utf8Of(text) << " is too high in language " << language;
                }
                ++measured;
            }
        EXPECT_EQ(measured, visibleTexts) << "the visible texts of language " << language;
    }
}
