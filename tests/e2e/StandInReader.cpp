// Stands in for Quillview.exe in the scheduler's tests and for Quillwake.exe in the reader's: records
// when it was started and whether sched.dat was still there, in started.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const unsigned long long unixMs =
        ((static_cast<unsigned long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime) - 116444736000000000ULL) /
        10000;
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module);
    folder.erase(folder.rfind('\\') + 1);
    const bool scheduleLeft = ::GetFileAttributesA((folder + "sched.dat").c_str()) != INVALID_FILE_ATTRIBUTES;
    if (FILE* file = std::fopen((folder + "started.txt").c_str(), "w")) {
        std::fprintf(file, "%llu %d\n", unixMs, scheduleLeft ? 1 : 0);
        std::fclose(file);
    }
    return 0;
}
