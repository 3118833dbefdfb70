#include "tools/quillbook/VerseList.h"

#include "reader/book/BookNames.h"
#include "tools/quillbook/ListLines.h"

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
    for (const auto& [line, number] : ListLines(text)) {
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
