// Works a window of another program from the command line, for scripts:
//   quillpoke press CAPTION ID    clicks the button ID of the window titled CAPTION
//   quillpoke rect CAPTION        prints the window's screen rectangle as X Y WIDTH HEIGHT
//   quillpoke wait CAPTION        waits up to ten seconds for the window to show
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: quillpoke press CAPTION ID | rect CAPTION | wait CAPTION\n", stderr);
        return 2;
    }
    HWND window = nullptr;
    for (int tries = 0; tries < 200 && !(window && ::IsWindowVisible(window)); ++tries, ::Sleep(50))
        window = ::FindWindowA(nullptr, argv[2]);
    if (!window) return 1;
    if (std::strcmp(argv[1], "press") == 0 && argc == 4) {
        const int id = std::atoi(argv[3]);
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    } else if (std::strcmp(argv[1], "rect") == 0) {
        RECT rect;
        ::GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    return 0;
}
