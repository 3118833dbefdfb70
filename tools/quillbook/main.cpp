// quillbook: makes books and shows what the reader shows of them.
#include "framework/core/SaveFile.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "tools/quillbook/BookBuild.h"
#include "tools/quillbook/BookCheck.h"
#include "tools/quillbook/DateArgument.h"
#include "tools/quillbook/PdbWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#if defined(_WIN32)
#include "framework/win/SafeDllSearch.h"

#include <fcntl.h>
#include <io.h>
#endif

namespace {

enum ExitCode { success = 0, faulty = 1, usageError = 2 };

const char usage[] = "usage: quillbook build SOURCE OUT.pdb\n"
                     "       quillbook info BOOK\n"
                     "       quillbook show BOOK YYYY-MM-DD\n"
                     "       quillbook record BOOK N\n";

int Usage(const std::string& why = "") {
    if (!why.empty()) std::fprintf(stderr, "quillbook: %s\n", why.c_str());
    std::fputs(usage, stderr);
    return usageError;
}

int Help() {
    std::fputs(usage, stdout);
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

bool ReadWholeFile(const char* path, std::string& bytes) {
    CFile file;
    if (!file.Open(path, CFile::typeBinary | CFile::modeRead)) return false;
    bytes.resize(file.GetLength());
    bytes.resize(file.Read(&bytes[0], static_cast<unsigned>(bytes.size())));
    return true;
}

int Build(const char* sourcePath, const char* outPath) {
    std::string text, error;
    if (!ReadWholeFile(sourcePath, text)) return Fail(std::string("cannot read ") + sourcePath);
    const auto palmTime = static_cast<std::uint32_t>(std::time(nullptr) + palmEpochOffset);
    BuiltBook book;
    if (!BuildBook(text, sourcePath, palmTime, book, error)) return Fail(error);
    for (const std::string& warning : book.warnings)
        std::fprintf(stderr, "quillbook: warning: %s\n", warning.c_str());
    if (!SaveFile(outPath, book.bytes.data(), book.bytes.size())) return Fail(std::string("cannot write ") + outPath);
    return success;
}

int Info(const char* path) {
    BookFile book;
    if (!book.OpenBook(path)) return Fail(std::string("cannot open ") + path);
    CString title, description;
    book.GetTitleAndDescription(title, description);
    const BookReport report = CheckBook(book, path);
    std::printf("title: %s\ndescription: %s\nrecords: %d\n", ForTerminal(title).c_str(),
                ForTerminal(description).c_str(), static_cast<int>(report.recordCount));
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
    const CString text = VerseTextForDate(book, date.day, date.month, date.year);
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
#endif
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
    if (command == "info" && argc == 3) return Info(argv[2]);
    if (command == "show" && argc == 4) return Show(argv[2], argv[3]);
    if (command == "record" && argc == 4) return Record(argv[2], argv[3]);
    if ((command == "--help" || command == "-h") && argc == 2) return Help();
    return Usage();
}
