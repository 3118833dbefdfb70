// quillbook: makes books and shows what the reader shows of them.
#include "framework/core/CFile.h"
#include "framework/core/SaveFile.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "tools/quillbook/BookBuild.h"
#include "tools/quillbook/BookCheck.h"
#include "reader/book/BookNames.h"
#include "tools/quillbook/CodePage.h"
#include "tools/quillbook/DateArgument.h"
#include "tools/quillbook/PdbWriter.h"
#include "tools/quillbook/PlanBook.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#if defined(_WIN32)
#include "framework/core/WideText.h"
#include "framework/win/SafeDllSearch.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

enum ExitCode { success = 0, faulty = 1, usageError = 2 };

const char usage[] = "usage: quillbook build [--plan] SOURCE OUT.pdb\n"
                     "       quillbook plan [OPTION...] PLAN MODULE.imp OUT.pdb\n"
                     "       quillbook info BOOK\n"
                     "       quillbook show BOOK YYYY-MM-DD\n"
                     "       quillbook record BOOK N\n"
                     "\n"
                     "plan makes a reading plan, of 365 days unless --days says, from a SWORD module\n"
                     "written out by mod2imp (mod2imp MODULE > MODULE.imp). PLAN is one of\n"
                     "%p"
                     "and the days of the first four are about the same length. A list FILE holds 365\n"
                     "references, one a line, as BOOK CHAPTER:VERSE or BOOK CHAPTER:FIRST-LAST (John 3:16,\n"
                     "Romans 8:38-39); empty lines and lines that start with # are skipped. Books are named\n"
                     "as mod2imp names them (I Corinthians, Revelation of John), by their English names\n"
                     "(1 Corinthians), or by these short forms, in any letter case and with or without a\n"
                     "full stop:\n"
                     "%s\n"
                     "A readings FILE makes a plan of a day for each of its lines (empty lines and lines\n"
                     "that start with # skipped, 2000 at most), each line that day's passages as people\n"
                     "write them, in English or Spanish, separated by ;: Genesis 1-3; Gen 1-3; Ps 1,\n"
                     "Matt 5:1-20, Ps 119:1-88, Juan 1; Salmo 8.\n"
                     "\n"
                     "OPTIONs:\n"
                     "  --title TEXT        the book's title (default: the plan's)\n"
                     "  --description TEXT  what the book is (default: a line on the plan)\n"
                     "  --translation TEXT  the translation, named after the plan's own title\n"
                     "  --source TEXT       where the text comes from, after the plan's own description\n"
                     "  --code-page N       the Windows code page of the book's text, or utf-8 (default 1252)\n"
                     "  --language en|es    the language of the book names, English or Spanish (default en)\n"
                     "  --days N            the days of a bible, new-testament or psalms plan, 1 to 2000\n";

// The usage, with the short forms of the books wrapped into lines.
std::string UsageText() {
    std::string forms, line = " ";
    const std::string names = ShortBookNames() + ".";
    for (std::size_t at = 0; at < names.size();) {
        std::size_t end = names.find(", ", at);
        end = end == std::string::npos ? names.size() : end + 2;
        const std::string name = names.substr(at, end - at);
        if (line.size() + name.size() > 80) {
            forms += line + "\n";
            line = " ";
        }
        line += " " + name.substr(0, name.find_last_not_of(' ') + 1);
        at = end;
    }
    forms += line;
    std::string text(usage);
    text.replace(text.find("%p"), 2, PlanNamesHelp());
    text.replace(text.find("%s"), 2, forms);
    return text;
}

int Usage(const std::string& why = "") {
    if (!why.empty()) std::fprintf(stderr, "quillbook: %s\n", why.c_str());
    std::fputs(UsageText().c_str(), stderr);
    return usageError;
}

int Help() {
    std::fputs(UsageText().c_str(), stdout);
    return success;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quillbook: %s\n", message.c_str());
    return faulty;
}

void WriteOut(const char* text, std::size_t length) { std::fwrite(text, 1, length, stdout); }

// Text with CR LF put back to LF, for a terminal.
std::string ForTerminal(const char* text) {
    CString lines(text);
    lines.Replace("\r\n", "\n");
    return static_cast<const char*>(lines);
}

int Build(const char* sourcePath, const char* outPath, BookKind kind) {
    std::string text, error;
    if (!CFile::ReadAll(sourcePath, UINT64_MAX, text)) return Fail(std::string("cannot read ") + sourcePath);
    const auto palmTime = static_cast<std::uint32_t>(std::time(nullptr) + palmEpochOffset);
    BuiltBook book;
    if (!BuildBook(text, sourcePath, palmTime, book, error, kind)) return Fail(error);
    for (const std::string& warning : book.warnings)
        std::fprintf(stderr, "quillbook: warning: %s\n", warning.c_str());
    if (!SaveFile(outPath, book.bytes.data(), book.bytes.size())) return Fail(std::string("cannot write ") + outPath);
    return success;
}

int MakePlan(int count, char** arguments) {
    PlanOptions options;
    std::vector<std::string> positional;
    for (int i = 0; i < count; ++i) {
        const std::string argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            positional.push_back(argument);
            continue;
        }
        if (i + 1 == count) return Usage(argument + " needs a value");
        const std::string value = arguments[++i];
        static const std::pair<const char*, std::string PlanOptions::*> texts[] = {
            {"--title", &PlanOptions::title},
            {"--description", &PlanOptions::description},
            {"--translation", &PlanOptions::translation},
            {"--source", &PlanOptions::source},
        };
        const auto text = std::find_if(std::begin(texts), std::end(texts),
                                       [&](const auto& option) { return argument == option.first; });
        if (text != std::end(texts)) {
            options.*(text->second) = value;
        } else if (argument == "--language") {
            if (!LanguageByName(value, options.language)) return Usage("no language " + value + " (en or es)");
        } else if (argument == "--code-page") {
            char* end = nullptr;
            const unsigned long codePage =
                value == "utf-8" || value == "UTF-8" ? utf8CodePage : std::strtoul(value.c_str(), &end, 10);
            if (value.empty() || (end && *end != '\0') || codePage > 65535 || !KnownCodePage(codePage))
                return Usage("no code page " + value + " is known here (for example 1252)");
            options.codePage = static_cast<unsigned>(codePage);
        } else if (argument == "--days") {
            char* end = nullptr;
            const long days = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || days < 1 || days > mostPlanDays)
                return Usage("no plan has " + value + " days (from 1 to " + std::to_string(mostPlanDays) + ")");
            options.days = static_cast<int>(days);
        } else {
            return Usage("no option " + argument);
        }
    }
    if (positional.size() != 3) return Usage();
    std::string text, bytes, error;
    const bool readings = positional[0].rfind("readings:", 0) == 0;
    if (readings || positional[0].rfind("list:", 0) == 0) {
        options.plan = readings ? Plan::readings : Plan::verseList;
        const std::string list = positional[0].substr(positional[0].find(':') + 1);
        if (!CFile::ReadAll(list.c_str(), UINT64_MAX, options.list)) return Fail("cannot read " + list);
    } else if (!PlanByName(positional[0], options.plan)) {
        return Usage("no plan named " + positional[0]);
    }
    if (options.days != daysInCommonYear && (FactsOf(options.plan).kind != BookKind::plan || readings))
        return Usage("--days is for the bible, new-testament and psalms plans");
    if (!CFile::ReadAll(positional[1].c_str(), UINT64_MAX, text)) return Fail("cannot read " + positional[1]);
    const auto palmTime = static_cast<std::uint32_t>(std::time(nullptr) + palmEpochOffset);
    // A line's fault is the list's or the readings', named by the file that holds the line.
    const std::string list = positional[0].substr(positional[0].find(':') + 1);
    if (!MakePlanBook(text, options, palmTime, bytes, error))
        return Fail((error.rfind("line ", 0) == 0 ? list : positional[1]) + ": " + error);
    if (!SaveFile(positional[2].c_str(), bytes.data(), bytes.size())) return Fail("cannot write " + positional[2]);
    return success;
}

int Info(const char* path) {
    BookFile book;
    if (!book.OpenBook(path)) return Fail(std::string("cannot open ") + path);
    CString title, description;
    book.GetTitleAndDescription(title, description);
    const BookReport report = CheckBook(book, path);
    const BookInfo info = book.GetBookInfo();
    std::printf("title: %s\ndescription: %s\nrecords: %d\nkind: %s\n", ForTerminal(title).c_str(),
                ForTerminal(description).c_str(), static_cast<int>(report.recordCount),
                info.kind == BookKind::plan ? "a plan, read from the day the reader begins it"
                                            : "a calendar book, day N of the year in record N");
    if (info.kind == BookKind::plan) std::printf("days: %d\n", int{info.planDays});
    if (info.codePage != 0)
        std::printf("code page: %u%s\n", static_cast<unsigned>(info.codePage),
                    info.codePage == utf8CodePage ? " (UTF-8)" : "");
    else
        std::printf("code page: none named, the system's\n");
    for (const std::string& problem : report.problems)
        std::printf("problem: %s\n", problem.c_str());
    return report.problems.empty() ? success : faulty;
}

int Show(const char* path, const char* dateText) {
    Date date;
    if (!ParseDateArgument(dateText, date))
        return Usage(std::string(dateText) +
                     " is not a valid date (write dates as YYYY-MM-DD, for example 2026-03-14)");
    BookFile book;
    if (!book.OpenBook(path)) return Fail(std::string("cannot open ") + path);
    const CString text = VerseTextForDate(book, date.day, date.month, date.year, EnglishDayWords());
    WriteOut(text, text.GetLength());
    return success;
}

int Record(const char* path, const char* indexText) {
    char* end = nullptr;
    errno = 0;
    const long long index = std::strtoll(indexText, &end, 10);
    if (*indexText == '\0' || *end != '\0' || errno || index < INT32_MIN || index > INT32_MAX)
        return Usage(std::string(indexText) + " is not a valid record number (write a whole number, for example 1)");
    BookFile book;
    if (!book.OpenBook(path)) return Fail(std::string("cannot open ") + path);
    const CString text = book.GetRecordText(static_cast<std::int32_t>(index));
    WriteOut(text, text.GetLength());
    return success;
}

} // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    RestrictDllSearch();
    _setmode(_fileno(stdout), _O_BINARY);
    // Windows' own arguments, whole in any language: the ANSI ones lose what the code page lacks.
    std::vector<std::string> arguments;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        for (int i = 0; i < argc; ++i)
            arguments.push_back(Utf8FromWide(wide[i]));
        ::LocalFree(wide);
    }
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    argc = static_cast<int>(arguments.size());
    argv = pointers.data();
#endif
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 4) return Build(argv[2], argv[3], BookKind::calendar);
    if (command == "build" && argc == 5 && std::string(argv[2]) == "--plan")
        return Build(argv[3], argv[4], BookKind::plan);
    if (command == "plan") return MakePlan(argc - 2, argv + 2);
    if (command == "info" && argc == 3) return Info(argv[2]);
    if (command == "show" && argc == 4) return Show(argv[2], argv[3]);
    if (command == "record" && argc == 4) return Record(argv[2], argv[3]);
    if ((command == "--help" || command == "-h") && argc == 2) return Help();
    return Usage();
}
