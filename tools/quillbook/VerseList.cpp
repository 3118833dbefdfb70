#include "tools/quillbook/VerseList.h"

#include "reader/book/BookNames.h"

#include <cstdlib>

namespace {

// A whole number of one to three digits, above 0, from text[at]; at moves past it.
bool ReadNumber(const std::string& text, std::size_t& at, int& number) {
    const std::size_t start = at;
    while (at < text.size() && at - start < 4 && text[at] >= '0' && text[at] <= '9')
        ++at;
    if (at == start || at - start > 3) return false;
    number = std::atoi(text.substr(start, at - start).c_str());
    return number > 0;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

bool ParseVerseReference(const std::string& text, VerseReference& reference) {
    const std::string trimmed = Trimmed(text);
    const std::size_t blank = trimmed.rfind(' ');
    if (blank == std::string::npos) return false;
    reference.book = BookByAnyName(trimmed.substr(0, blank));
    if (reference.book < 0) return false;
    const std::string place = trimmed.substr(blank + 1);
    std::size_t at = 0;
    if (!ReadNumber(place, at, reference.chapter) || at >= place.size() || place[at++] != ':') return false;
    if (!ReadNumber(place, at, reference.firstVerse)) return false;
    reference.lastVerse = reference.firstVerse;
    if (at < place.size() && place[at] == '-') {
        ++at;
        if (!ReadNumber(place, at, reference.lastVerse) || reference.lastVerse < reference.firstVerse) return false;
    }
    return at == place.size();
}

bool ReadVerseList(const std::string& text, std::vector<ListedReference>& references, std::string& error) {
    references.clear();
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trimmed(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (line.empty() || line[0] == '#') continue;
        VerseReference reference;
        if (!ParseVerseReference(line, reference)) {
            error = "line " + std::to_string(number) + ": \"" + line +
                    "\" is no reference (write BOOK CHAPTER:VERSE or BOOK CHAPTER:FIRST-LAST, for example John 3:16)";
            return false;
        }
        references.push_back({reference, number});
    }
    return true;
}
