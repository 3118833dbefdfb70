#pragma once

#include "framework/core/CFile.h"
#include "framework/core/CString.h"
#include "reader/book/BookLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The current book, a Palm Database file: record 0 holds the title, a "$" and the description,
// record v the text of verse v. No file stays open between requests and nothing is cached, so
// every request reads what the file holds at that moment.
class BookFile : public CFile {
public:
    ~BookFile() override;

    // Makes path the current book, even when it cannot be opened; true when it can.
    bool OpenBook(const CString& path);
    // Does nothing: no file stays open between requests. Kept, since the exit sequence calls it.
    void CloseBook();
    // The text of record index up to its first NUL, LF widened to CR LF; empty when the file
    // cannot be opened, index is out of range or the record has no data.
    CString GetRecordText(std::int32_t index);
    // The texts of count records from first on, read as GetRecordText reads each, in one opening.
    std::vector<std::string> GetRecordTexts(std::int32_t first, std::int32_t count);
    // Splits record 0 at its first "$".
    void GetTitleAndDescription(CString& title, CString& description);
    // What the book's app-info block says; a calendar book in no code page where there is none.
    BookInfo GetBookInfo();
    // From now on the texts of records come in UTF-8, read in codePage (ansiCodePage: the
    // system's); until then they are the book's bytes.
    void SetTextCodePage(unsigned codePage) { m_textCodePage = codePage; }

    // These read the open file; a byte beyond its end counts as 0.
    std::int32_t GetRecordCount();
    std::int32_t GetRecordOffset(std::int32_t index);
    // Where record index ends: at the data offset of the next record that has data (a record
    // with offset 0 has none and takes no room), or at the end of the file.
    std::uint64_t GetRecordEnd(std::int32_t index, std::int32_t count);

private:
    bool OpenForReading();
    CString ReadRecordText(std::int32_t index, std::int32_t count);
    // Reads size bytes at offset into bytes, those beyond the end of the file as 0.
    void ReadBytesAt(std::uint64_t offset, unsigned char* bytes, unsigned size);

    // The record count of the book as it was opened; nothing reads it, for every request reads the
    // file anew. Kept as the book's state of record.
    std::int32_t m_recordCount = 0;
    CString m_path;
    std::optional<unsigned> m_textCodePage;
};
