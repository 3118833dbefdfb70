#include "tools/quillbook/TextMarks.h"

#include <cstring>
#include <initializer_list>

namespace {

using Marks = std::initializer_list<const char*>;

const Marks closingMarks = {")", "]", "\xE2\x80\x9D", "\xE2\x80\x99", "\xC2\xBB"};
const Marks openingMarks = {"(", "[", "\xE2\x80\x9C", "\xE2\x80\x98", "\xC2\xAB", "\xC2\xBF", "\xC2\xA1"};

std::size_t MarkAt(const Marks& marks, const std::string& text, std::size_t at) {
    if (at > text.size()) return 0;
    for (const char* mark : marks)
        if (text.compare(at, std::strlen(mark), mark) == 0) return std::strlen(mark);
    return 0;
}

std::size_t MarkAtEnd(const Marks& marks, const std::string& text) {
    for (const char* mark : marks) {
        const std::size_t length = std::strlen(mark);
        if (text.size() >= length && text.compare(text.size() - length, length, mark) == 0) return length;
    }
    return 0;
}

} // namespace

std::size_t ClosingMarkAt(const std::string& text, std::size_t at) { return MarkAt(closingMarks, text, at); }
std::size_t OpeningMarkAt(const std::string& text, std::size_t at) { return MarkAt(openingMarks, text, at); }
std::size_t ClosingMarkAtEnd(const std::string& text) { return MarkAtEnd(closingMarks, text); }
std::size_t OpeningMarkAtEnd(const std::string& text) { return MarkAtEnd(openingMarks, text); }
