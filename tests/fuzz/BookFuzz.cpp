// Any bytes as a book: the reader must neither crash nor read more than the file holds.
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string& BookPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("quillmere-fuzz-" + std::to_string(getpid()) + ".pdb")).string();
    return path;
}

void ExpectWithin(const CString& text, size_t size) {
    if (static_cast<size_t>(text.GetLength()) > 2 * size + 32) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::ofstream(BookPath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    BookFile book;
    if (!book.OpenBook(BookPath().c_str())) return 0;

    CString title, description;
    book.GetTitleAndDescription(title, description);
    ExpectWithin(title + description, size);

    std::int32_t count = 0;
    if (book.Open(BookPath().c_str(), CFile::typeBinary | CFile::modeRead)) count = book.GetRecordCount();
    book.Close();
    for (std::int32_t i = -1; i <= std::min(count, 40); ++i)
        ExpectWithin(book.GetRecordText(i), size);
    for (std::int32_t i = std::max(count - 3, 41); i <= count; ++i)
        ExpectWithin(book.GetRecordText(i), size);

    ExpectWithin(VerseTextForDate(book, 29, 2, 2024, EnglishDayWords()), size);
    ExpectWithin(VerseTextForDate(book, 31, 12, 2023, EnglishDayWords()), size);
    return 0;
}
