// Works a window of another program from the command line, for scripts:
//   quillpoke press CAPTION ID    clicks the button ID of the window titled CAPTION
// ID is a number or a name: IDOK, IDCANCEL or one of the reader's resource.h.
//   quillpoke rect CAPTION        prints the window's screen rectangle as X Y WIDTH HEIGHT
//   quillpoke text CAPTION ID     prints the text of the window's control ID, in UTF-8
//   quillpoke wait CAPTION [MESSAGE]  waits up to half a minute for the window to show,
//                                 confirming meanwhile every message box titled MESSAGE
//   quillpoke shown CAPTION       succeeds only if the window shows now
//   quillpoke logon               starts what the scheduler's start-up shortcuts start, as a log-on
//                                 does; fails where there is none
//   quillpoke scheduler           waits up to half a minute for a waiting scheduler
#include "reader/res/resource.h"
#include "tests/support/Shortcut.h"
#include "tests/support/Unicode.h"
#include "tests/support/Waits.h"
#include "tests/support/Windows.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace {

// The control ids that scripts name, as their headers write them.
int ControlId(const char* text) {
#define QUILLPOKE_ID(name)                                                                                             \
    { #name, name }
    static const struct {
        const char* name;
        int id;
    } ids[] = {QUILLPOKE_ID(IDOK),
               QUILLPOKE_ID(IDCANCEL),
               QUILLPOKE_ID(IDC_CALENDAR),
               QUILLPOKE_ID(IDC_VERSE),
               QUILLPOKE_ID(IDC_SETTINGS),
               QUILLPOKE_ID(IDC_ABOUT),
               QUILLPOKE_ID(IDC_SELECT_BOOK),
               QUILLPOKE_ID(IDC_BOOK_TITLE),
               QUILLPOKE_ID(IDC_BOOK_PATH),
               QUILLPOKE_ID(IDC_READ),
               QUILLPOKE_ID(IDM_GO_TO),
               QUILLPOKE_ID(IDC_PASSAGE),
               QUILLPOKE_ID(IDM_FIND),
               QUILLPOKE_ID(IDC_FIND_WORDS),
               QUILLPOKE_ID(IDC_FIND_NOW),
               QUILLPOKE_ID(IDC_CATCH_UP),
               QUILLPOKE_ID(IDC_VERSE_NUMBERS),
               QUILLPOKE_ID(IDC_DARK_BACKGROUND),
               QUILLPOKE_ID(IDC_FONTS)};
#undef QUILLPOKE_ID
    for (const auto& known : ids)
        if (std::strcmp(known.name, text) == 0) return known.id;
    return std::atoi(text);
}

bool LogOn() {
    bool started = false;
    for (int folder : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
        std::string target, description;
        if (ReadShortcut(StartupLink(folder), target, description))
            started |= ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL) >
                       reinterpret_cast<HINSTANCE>(32);
    }
    return started;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "logon") == 0) return LogOn() ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "scheduler") == 0) return WaitUntil(SchedulerWaiting, 30000) ? 0 : 1;
    if (argc < 3) {
        std::fputs("usage: quillpoke press CAPTION ID | rect CAPTION | text CAPTION ID | settext CAPTION ID TEXT | "
                   "wait CAPTION [MESSAGE] | "
                   "shown CAPTION | logon | scheduler\n",
                   stderr);
        return 2;
    }
    HWND window = nullptr;
    const char* message = std::strcmp(argv[1], "wait") == 0 && argc == 4 ? argv[3] : nullptr;
    const auto shown = [&] {
        if (HWND box = message ? ::FindWindowA(nullptr, message) : nullptr)
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return (window = ::FindWindowA(nullptr, argv[2])) && ::IsWindowVisible(window);
    };
    if (!(std::strcmp(argv[1], "shown") == 0 ? shown() : WaitUntil(shown, 30000))) return 1;
    if (std::strcmp(argv[1], "press") == 0 && argc == 4) {
        const int id = ControlId(argv[3]);
        const HWND control = ::GetDlgItem(window, id);
        // A check box is clicked as a person clicks it, so that it turns on or off.
        if ((::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            ::PostMessageA(control, BM_CLICK, 0, 0);
        else
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    } else if (std::strcmp(argv[1], "rect") == 0) {
        RECT rect;
        ::GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    } else if (std::strcmp(argv[1], "settext") == 0 && argc == 5) {
        ::SendMessageW(::GetDlgItem(window, ControlId(argv[3])), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(WideOf(argv[4]).c_str()));
    } else if (std::strcmp(argv[1], "text") == 0 && argc == 4) {
        const std::string text = ItemUnicodeText(window, ControlId(argv[3]));
        _setmode(_fileno(stdout), _O_BINARY); // the text's own CR LF, not one made from each LF
        std::printf("%s\n", text.c_str());
    }
    return 0;
}
