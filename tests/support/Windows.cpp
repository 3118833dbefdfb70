#include "tests/support/Windows.h"

#include "contract/ProgramNames.h"
#include "tests/support/Unicode.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

HWND WaitForWindow(const char* caption, const char* windowClass, DWORD milliseconds) {
    HWND window = nullptr;
    const bool shown = WaitUntil(
        [&] {
            return (window =
                        ::FindWindowW(windowClass ? WideOf(windowClass).c_str() : nullptr, WideOf(caption).c_str())) &&
                   ::IsWindowVisible(window);
        },
        milliseconds);
    return shown ? window : nullptr;
}

std::string Text(HWND window) {
    std::string text(::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize(::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

std::string ItemText(HWND dialog, int id) { return Text(::GetDlgItem(dialog, id)); }

std::string UnicodeText(HWND window) {
    std::wstring text(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return Utf8Of(text);
}

std::string ItemUnicodeText(HWND dialog, int id) { return UnicodeText(::GetDlgItem(dialog, id)); }

bool SendWithBuffer(HWND window, UINT message, WPARAM wParam, void* buffer, std::size_t size, LRESULT& result) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    const HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    void* remote = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    bool sent = false;
    if (remote && ::WriteProcessMemory(process, remote, buffer, size, nullptr)) {
        result = ::SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote));
        sent = ::ReadProcessMemory(process, remote, buffer, size, nullptr);
    }
    if (remote) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    return sent;
}

bool SetCalendarSelection(HWND calendar, SYSTEMTIME date) {
    LRESULT selected = 0;
    return SendWithBuffer(calendar, MCM_SETCURSEL, 0, &date, sizeof date, selected) && selected;
}

std::string MessageText(HWND box) {
    constexpr int messageTextId = 0xFFFF; // the static text of a message box
    return ItemText(box, messageTextId);
}

void Press(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

bool Answer(HWND box, int id) {
    Press(box, id);
    return WaitUntil([box] { return !::IsWindow(box); });
}

void ClickAt(HWND window, int x, int y) {
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool PostedMessagesHandled(HWND edit) {
    static WPARAM marker = 0x7FFF0000;
    const WPARAM limit = ++marker;
    return ::PostMessageA(edit, EM_SETLIMITTEXT, limit, 0) &&
           WaitUntil([=] { return static_cast<WPARAM>(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)) == limit; });
}

int WindowHeight(HWND window) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

namespace {

int Luminance(std::uint32_t colour) {
    return (299 * ((colour >> 16) & 0xFF) + 587 * ((colour >> 8) & 0xFF) + 114 * (colour & 0xFF)) / 1000;
}

} // namespace

Shades ShadesOf(HWND control) {
    RECT area;
    ::GetClientRect(control, &area);
    ::MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Shades shades;
    if (bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ::SelectObject(memory, old);
        std::map<std::uint32_t, int> counts;
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i)
            ++counts[pixels[i] & 0xFFFFFF];
        std::uint32_t most = 0;
        for (const auto& [colour, count] : counts)
            if (count > counts[most]) most = colour;
        shades.background = shades.text = Luminance(most);
        for (const auto& entry : counts)
            if (std::abs(Luminance(entry.first) - shades.background) > std::abs(shades.text - shades.background))
                shades.text = Luminance(entry.first);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return shades;
}

void ClickCheckBox(HWND dialog, int id) { ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string ClipboardText(UINT format) {
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(format)) {
        const void* bytes = ::GlobalLock(data);
        text = format == CF_UNICODETEXT ? Utf8Of(static_cast<const wchar_t*>(bytes)) : static_cast<const char*>(bytes);
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

HWND SchedulerWindow() { return ::FindWindowA(SCHEDULER_WINDOW_CLASS, SCHEDULER_WINDOW_TITLE); }

bool SchedulerWaiting() { return SchedulerWindow() != nullptr; }

namespace {

bool SchedulerRunning() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    bool running = false;
    PROCESSENTRY32 process{};
    process.dwSize = sizeof process;
    for (BOOL more = ::Process32First(snapshot, &process); more && !running; more = ::Process32Next(snapshot, &process))
        running = ::lstrcmpiA(process.szExeFile, SCHEDULER_FILE_NAME) == 0;
    ::CloseHandle(snapshot);
    return running;
}

} // namespace

// A scheduler that a reader started to wake the waiting one may still be on its way up; once the
// waiting one is gone, it would wait in its place. So every scheduler process is waited out.
void EndScheduler() {
    WaitUntil([] {
        if (HWND scheduler = SchedulerWindow()) ::PostMessageA(scheduler, WM_QUIT, 0, 0);
        return !SchedulerWaiting() && !SchedulerRunning();
    });
}

std::string VisibleWindows() {
    std::string captions;
    ::EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            if (::IsWindowVisible(window)) *reinterpret_cast<std::string*>(found) += "\"" + Text(window) + "\" ";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&captions));
    return captions.empty() ? "none" : captions;
}

void PressKeys(std::initializer_list<WORD> held, WORD key) {
    std::vector<INPUT> keys;
    const auto add = [&](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        keys.push_back(input);
    };
    for (WORD code : held)
        add(code, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (WORD code : held)
        add(code, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof keys[0]);
}
