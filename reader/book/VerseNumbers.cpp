#include "reader/book/VerseNumbers.h"

#include "reader/book/PassageReference.h"

namespace {

// How many bytes the verse number at the start of line takes with its blank; 0 for none.
std::size_t NumberLength(const std::string& line) {
    std::size_t digits = 0;
    while (digits < line.size() && digits < 4 && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits >= 1 && digits <= 3 && digits < line.size() && line[digits] == ' ' ? digits + 1 : 0;
}

} // namespace

std::string WithoutVerseNumbers(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t from = 0, line = 0; from <= text.size(); ++line) {
        std::size_t to = text.find('\n', from);
        if (to == std::string::npos) to = text.size();
        std::string content = text.substr(from, to - from);
        const bool carriage = !content.empty() && content.back() == '\r';
        if (carriage) content.pop_back();
        const std::size_t number = line == 0 || ReadPassageReference(content) ? 0 : NumberLength(content);
        result.append(content, number, std::string::npos);
        if (carriage) result += '\r';
        if (to < text.size()) result += '\n';
        from = to + 1;
    }
    return result;
}
