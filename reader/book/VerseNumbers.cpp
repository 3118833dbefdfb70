#include "reader/book/VerseNumbers.h"

#include "framework/core/Utf8.h"
#include "reader/book/PassageReference.h"

#include <algorithm>

namespace {

// How many bytes the verse number at the start of line takes with its blank; 0 for none.
std::size_t NumberLength(const std::string& line) {
    std::size_t digits = 0;
    while (digits < line.size() && digits < 4 && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits >= 1 && digits <= 3 && digits < line.size() && line[digits] == ' ' ? digits + 1 : 0;
}

// Calls each(from, number) for the lines of text, from the byte where each starts, with the
// length of its verse number; each returns false to stop.
template <typename Each>
void ForEachLine(const std::string& text, Each each) {
    for (std::size_t from = 0, line = 0; from <= text.size(); ++line) {
        std::size_t to = text.find('\n', from);
        if (to == std::string::npos) to = text.size();
        std::string content = text.substr(from, to - from);
        if (!content.empty() && content.back() == '\r') content.pop_back();
        if (!each(from, line == 0 || ReadPassageReference(content) ? 0 : NumberLength(content))) return;
        from = to + 1;
    }
}

} // namespace

std::string WithoutVerseNumbers(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    ForEachLine(text, [&](std::size_t from, std::size_t number) {
        result.append(text, copied, from - copied);
        copied = from + number;
        return true;
    });
    result.append(text, copied, std::string::npos);
    return result;
}

std::string ShownWithoutVerseNumbers(const std::string& shown) {
    std::size_t record = shown.size();
    for (std::size_t from = 0; from < shown.size();) {
        const std::size_t end = shown.find('\n', from);
        if (end == std::string::npos) break;
        if (end == from || (end == from + 1 && shown[from] == '\r')) {
            record = end + 1;
            break;
        }
        from = end + 1;
    }
    return shown.substr(0, record) + WithoutVerseNumbers(shown.substr(record));
}

int UnitWithoutVerseNumbers(const std::string& text, int unit) {
    int removed = 0, start = 0;
    std::size_t counted = 0;
    ForEachLine(text, [&](std::size_t from, std::size_t number) {
        start += Utf16Length(text, counted, from);
        counted = from;
        if (start >= unit) return false;
        removed += std::min(static_cast<int>(number), unit - start);
        return true;
    });
    return unit - removed;
}
