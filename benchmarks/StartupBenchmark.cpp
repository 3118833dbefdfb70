// Measures how long Quillview takes from the start of its process to today's verse on the screen,
// and how long each yardstick takes to show its window with its text, all started and watched the
// same way in turns, from one program folder; the reader also with the largest book of all, a
// plan, begun 100 days ago, with no day read, with every day read, and in a maximised window:
//   startup_benchmark EMPTY_DIALOG.exe TEMPLATES_DIALOG.exe LARGEST_BOOK [RUNS]
#include "Version.h"
#include "benchmarks/Now.h"
#include "reader/logic/ProgressFile.h"
#include "reader/book/BookFile.h"
#include "reader/res/resource.h"
#include "tests/support/Process.h"
#include "tests/support/ProgramFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Program {
    const char* name;
    const char* caption;
    const char* prefix; // of the text of the verse box once the program has shown what it shows
    std::string book;   // the reader's, where it is another than the default book
    std::vector<double> taken;
    std::string progress;              // progress.dat as the reader finds it
    std::optional<WindowPlace> window; // where settings.dat puts the window
};

// Starts program and waits until a visible window with its caption shows the text it shows;
// the milliseconds taken, or -1.
double TimeStart(const std::string& path, const Program& program) {
    char text[64] = {};
    HWND window = nullptr;
    const auto shown = [&] {
        window = ::FindWindowA(nullptr, program.caption);
        text[0] = '\0';
        if (window && ::IsWindowVisible(window))
            ::SendMessageA(::GetDlgItem(window, IDC_VERSE), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text).rfind(program.prefix, 0) == 0;
    };
    Process process;
    const double start = Now();
    if (!process.Start(path)) return -1;
    const bool ok = WaitUntil(shown, 20000, 1);
    const double taken = Now() - start;
    if (ok) ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    process.WaitForExit();
    return ok ? taken : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: startup_benchmark EMPTY_DIALOG.exe TEMPLATES_DIALOG.exe LARGEST_BOOK [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 15;
    // The whole program folder, so that the reader meets at its start what an installed one meets,
    // with settings without the chime, so that no first-use message and no sound come between.
    ProgramFolder folder{"Quillview.exe", "quill.wav", "quillmere.pdb", "Quillwake.exe"};
    folder.Copy(argv[1], "EmptyDialog.exe");
    folder.Copy(argv[2], "TemplatesDialog.exe");
    folder.Copy(argv[3], "largest.pdb");

    BookFile largestBook;
    CString title, description;
    largestBook.OpenBook(folder.Path("largest.pdb").c_str());
    largestBook.GetTitleAndDescription(title, description);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const Date start = DateOfDaysSinceEpoch(DaysSinceEpoch(now.wYear, now.wMonth, now.wDay) - 99);
    std::vector<int> everyDay(daysInCommonYear);
    for (int day = 1; day <= daysInCommonYear; ++day)
        everyDay[day - 1] = day;

    Program empty{"EmptyDialog.exe", "Empty Dialog", "Nothing here.", "", {}, "", {}};
    Program templates{"TemplatesDialog.exe", QUILLMERE_CAPTION, "Templates shown.", "", {}, "", {}};
    Program reader{"Quillview.exe", QUILLMERE_CAPTION, "Verse ", "", {}, "", {}};
    Program largest{"Quillview.exe",
                    QUILLMERE_CAPTION,
                    "Day ",
                    folder.Path("largest.pdb"),
                    {},
                    ProgressBytes({{static_cast<const char*>(title), start, {}}}),
                    {}};
    Program marked{"Quillview.exe",
                   QUILLMERE_CAPTION,
                   "Day ",
                   folder.Path("largest.pdb"),
                   {},
                   ProgressBytes({{static_cast<const char*>(title), start, everyDay}}),
                   {}};
    Program maximized = largest;
    maximized.window = WindowPlace{{100, 100, 900, 600}, true, USER_DEFAULT_SCREEN_DPI};
    for (int run = -1; run < runs; ++run) { // the first round only warms Wine up
        for (Program* program : {&empty, &templates, &reader, &largest, &marked, &maximized}) {
            folder.WriteSettings(false, 0, FontDescription{}, program->book, program->window);
            folder.Write("progress.dat", program->progress);
            const double taken = TimeStart(folder.Path(program->name), *program);
            if (run >= 0) program->taken.push_back(taken);
        }
    }
    const double emptyMedian = Median(empty.taken), templatesMedian = Median(templates.taken),
                 readerMedian = Median(reader.taken), largestMedian = Median(largest.taken),
                 markedMedian = Median(marked.taken), maximizedMedian = Median(maximized.taken);
    std::printf(
        "runs: %d\nempty dialog shown: %.1f ms (median)\ntemplates shown: %.1f ms (median)\n"
        "reader verse shown: %.1f ms (median)\nreader verse of the largest book shown: %.1f ms (median)\n"
        "reader / empty dialog: %.2f\nreader / templates: %.2f\nreader with the largest book / empty dialog: %.2f\n"
        "reader with the largest book, every day read / empty dialog: %.2f\n"
        "reader with the largest book / templates: %.2f\n"
        "reader with the largest book, every day read / templates: %.2f\n"
        "reader with the largest book, maximised / templates: %.2f\n",
        runs, emptyMedian, templatesMedian, readerMedian, largestMedian, readerMedian / emptyMedian,
        readerMedian / templatesMedian, largestMedian / emptyMedian, markedMedian / emptyMedian,
        largestMedian / templatesMedian, markedMedian / templatesMedian, maximizedMedian / templatesMedian);
    return readerMedian > 0 && emptyMedian > 0 && templatesMedian > 0 && largestMedian > 0 && markedMedian > 0 &&
                   maximizedMedian > 0
               ? 0
               : 1;
}
