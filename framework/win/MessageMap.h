#pragma once

#include "framework/win/Win32.h"

#include <cstddef>
#include <type_traits>

// A message map is a table of entries, each naming a message (with, for WM_COMMAND and WM_NOTIFY,
// a notification code and a control id) and the member function that handles it:
//
//     const MessageEntry<ReaderDlg> ReaderDlg::messageMap[] = {
//         OnMessage<&ReaderDlg::OnPaint>(WM_PAINT),
//         OnNotify<&ReaderDlg::OnCalendarSelChange>(MCN_SELCHANGE, IDC_CALENDAR),
//         OnClicked<&ReaderDlg::OnSettings>(IDC_SETTINGS),
//     };
//
// The first entry that matches handles the message.
template <class Window>
struct MessageEntry {
    UINT message;
    UINT code;
    int id;
    LRESULT (*call)(Window&, WPARAM, LPARAM);
};

template <class Member>
struct MemberOf;
template <class Window, class Result, class... Arguments>
struct MemberOf<Result (Window::*)(Arguments...)> {
    using Class = Window;
};
template <auto handler>
using WindowOf = typename MemberOf<decltype(handler)>::Class;

// void handler() of a button's BN_CLICKED.
template <auto handler>
constexpr MessageEntry<WindowOf<handler>> OnClicked(int id) {
    return {WM_COMMAND, BN_CLICKED, id, [](WindowOf<handler>& window, WPARAM, LPARAM) -> LRESULT {
                (window.*handler)();
                return 0;
            }};
}

// void handler() of a menu's command id, which WM_COMMAND brings with a code of 0, the value
// BN_CLICKED has too.
template <auto handler>
constexpr MessageEntry<WindowOf<handler>> OnMenuCommand(int id) {
    return {WM_COMMAND, 0, id, [](WindowOf<handler>& window, WPARAM, LPARAM) -> LRESULT {
                (window.*handler)();
                return 0;
            }};
}

// void handler(NMHDR* header, LRESULT* result) of a control's WM_NOTIFY code.
template <auto handler>
constexpr MessageEntry<WindowOf<handler>> OnNotify(UINT code, int id) {
    return {WM_NOTIFY, code, id, [](WindowOf<handler>& window, WPARAM, LPARAM lParam) -> LRESULT {
                LRESULT result = 0;
                (window.*handler)(reinterpret_cast<NMHDR*>(lParam), &result);
                return result;
            }};
}

// handler() of a message without arguments; what it returns, if anything, is the message's result.
template <auto handler>
constexpr MessageEntry<WindowOf<handler>> OnMessage(UINT message) {
    return {message, 0, 0, [](WindowOf<handler>& window, WPARAM, LPARAM) -> LRESULT {
                if constexpr (std::is_void_v<decltype((window.*handler)())>) {
                    (window.*handler)();
                    return 0;
                } else {
                    return reinterpret_cast<LRESULT>((window.*handler)());
                }
            }};
}

// LRESULT handler(WPARAM wParam, LPARAM lParam) of a message that carries its arguments.
template <auto handler>
constexpr MessageEntry<WindowOf<handler>> OnMessageWithParams(UINT message) {
    return {message, 0, 0, [](WindowOf<handler>& window, WPARAM wParam, LPARAM lParam) -> LRESULT {
                return (window.*handler)(wParam, lParam);
            }};
}

// Runs the handler of the first matching entry; false when no entry matches.
template <class Window, std::size_t count>
bool DispatchMessageMap(const MessageEntry<Window> (&map)[count], Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT* result) {
    for (const MessageEntry<Window>& entry : map) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND && (entry.code != HIWORD(wParam) || entry.id != LOWORD(wParam))) continue;
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (entry.code != header->code || entry.id != static_cast<int>(header->idFrom)) continue;
        }
        *result = entry.call(window, wParam, lParam);
        return true;
    }
    return false;
}
