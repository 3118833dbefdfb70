// Measures how long Quillview takes from the start of its process to today's verse on the
// screen, and how long the empty dialog program takes to show its window with its text, each
// started and watched the same way in turns:
//   startup_benchmark PROGRAM_FOLDER EMPTY_DIALOG.exe [RUNS]
#include "reader/app/SettingsFile.h"
#include "Version.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

// Starts program and waits until a visible window with caption shows whose control textId holds
// text beginning with prefix; the milliseconds taken, or -1.
double TimeStart(const fs::path& program, const char* caption, int textId, const char* prefix) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program.string() + "\"";
    const std::string folder = program.parent_path().string();
    const double start = Now();
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return -1;
    double taken = -1;
    while (Now() - start < 20000) {
        HWND window = ::FindWindowA(nullptr, caption);
        char text[64] = {};
        if (window && ::IsWindowVisible(window))
            ::SendMessageA(::GetDlgItem(window, textId), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (std::string(text).rfind(prefix, 0) == 0) {
            taken = Now() - start;
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            break;
        }
        ::Sleep(1);
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return taken;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_benchmark PROGRAM_FOLDER EMPTY_DIALOG.exe [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const fs::path folder = fs::temp_directory_path() / "quillmere-startup-benchmark";
    fs::remove_all(folder);
    fs::create_directories(folder);
    // The whole program folder, so that the reader meets at its start what an installed one meets.
    fs::copy(argv[1], folder, fs::copy_options::recursive);
    fs::copy_file(argv[2], folder / "EmptyDialog.exe");
    // Settings without the chime, so that no first-use message and no sound come between.
    std::ofstream(folder / "settings.dat", std::ios::binary)
        << SettingsBytes(false, 0, false, FontDescription{}, (folder / "quillmere.pdb").string());

    std::vector<double> reader, empty;
    for (int run = -1; run < runs; ++run) { // the first round only warms Wine up
        const double emptyTaken = TimeStart(folder / "EmptyDialog.exe", "Empty Dialog", 1001, "Nothing here.");
        const double readerTaken = TimeStart(folder / "Quillview.exe", QUILLMERE_CAPTION, 1001, "Verse ");
        if (run < 0) continue;
        empty.push_back(emptyTaken);
        reader.push_back(readerTaken);
    }
    fs::remove_all(folder);
    const double readerMedian = Median(reader), emptyMedian = Median(empty);
    std::printf("runs: %d\nempty dialog shown: %.1f ms (median)\nreader verse shown: %.1f ms (median)\n"
                "reader / empty dialog: %.2f\n",
                runs, emptyMedian, readerMedian, readerMedian / emptyMedian);
    return readerMedian > 0 && emptyMedian > 0 ? 0 : 1;
}
