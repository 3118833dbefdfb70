#include "tools/quillbook/BookBuild.h"

#include "framework/core/Calendar.h"
#include "reader/book/BookLayout.h"
#include "tools/quillbook/BookSource.h"
#include "tools/quillbook/PdbWriter.h"

bool BuildBook(const std::string& sourceText, const std::string& sourceName, std::uint32_t palmTime, BuiltBook& book,
               std::string& error, BookKind kind) {
    BookSource source;
    if (!ParseBookSource(sourceText, source, error)) {
        error = sourceName + ": " + error;
        return false;
    }
    const std::vector<std::string> records = BookRecords(source);
    if (records.size() > mostRecords) {
        error = "a book holds at most " + std::to_string(mostRecords - 1) + " verses";
        return false;
    }
    book.warnings.clear();
    if (source.verses.size() != daysInCommonYear)
        book.warnings.push_back(sourceName + " holds " + std::to_string(source.verses.size()) +
                                " verses, not one for each of the " + std::to_string(daysInCommonYear) + " days");
    book.bytes = WritePalmDatabase(source.title, records, palmTime, BookInfo{kind, 0});
    return true;
}
