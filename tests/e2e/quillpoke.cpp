// Works a window of another program from the command line, for scripts:
//   quillpoke press CAPTION ID    clicks the button ID of the window titled CAPTION
//   quillpoke rect CAPTION        prints the window's screen rectangle as X Y WIDTH HEIGHT
//   quillpoke text CAPTION ID     prints the text of the window's control ID
//   quillpoke wait CAPTION        waits up to ten seconds for the window to show
//   quillpoke shown CAPTION       succeeds only if the window shows now
#include "tests/e2e/Waits.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs(
            "usage: quillpoke press CAPTION ID | rect CAPTION | text CAPTION ID | wait CAPTION | shown CAPTION\n",
            stderr);
        return 2;
    }
    HWND window = nullptr;
    const auto shown = [&] { return (window = ::FindWindowA(nullptr, argv[2])) && ::IsWindowVisible(window); };
    if (!(std::strcmp(argv[1], "shown") == 0 ? shown() : WaitUntil(shown))) return 1;
    if (std::strcmp(argv[1], "press") == 0 && argc == 4) {
        const int id = std::atoi(argv[3]);
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    } else if (std::strcmp(argv[1], "rect") == 0) {
        RECT rect;
        ::GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    } else if (std::strcmp(argv[1], "text") == 0 && argc == 4) {
        static char text[65536];
        ::SendMessageA(::GetDlgItem(window, std::atoi(argv[3])), WM_GETTEXT, sizeof text,
                       reinterpret_cast<LPARAM>(text));
        _setmode(_fileno(stdout), _O_BINARY); // the text's own CR LF, not one made from each LF
        std::printf("%s\n", text);
    }
    return 0;
}
