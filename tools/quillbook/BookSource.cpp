#include "tools/quillbook/BookSource.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

// The lines joined by LF, without the empty lines at the end.
std::string JoinBlock(std::vector<std::string> lines) {
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::string block;
    for (size_t i = 0; i < lines.size(); ++i)
        block += (i ? "\n" : "") + lines[i];
    return block;
}

} // namespace

bool ParseBookSource(const std::string& text, BookSource& book, std::string& error) {
    book = BookSource();
    if (text.find('\0') != std::string::npos) {
        error = "the source holds a NUL byte";
        return false;
    }
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty() || lines[0].empty()) {
        error = "the first line, the title, is empty";
        return false;
    }
    book.title = lines[0];
    if (book.title.find('$') != std::string::npos) {
        error = "the title holds a \"$\", which would end it early";
        return false;
    }
    std::vector<std::vector<std::string>> blocks(1);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == "%%")
            blocks.emplace_back();
        else
            blocks.back().push_back(lines[i]);
    }
    if (blocks.size() > 1 && lines.back() == "%%") blocks.pop_back();
    book.description = JoinBlock(blocks[0]);
    for (size_t i = 1; i < blocks.size(); ++i)
        book.verses.push_back(JoinBlock(blocks[i]));
    return true;
}

std::vector<std::string> BookRecords(const BookSource& book) {
    std::vector<std::string> records;
    records.push_back(book.title + "$" + book.description + '\0');
    for (const std::string& verse : book.verses)
        records.push_back(verse + '\0');
    return records;
}
