#include "reader/book/PassageFinder.h"

#include "framework/core/Utf8.h"

namespace {

// A chapter's heading or a passage's name is short; longer lines are text.
constexpr std::size_t longestName = 48;

// A line of a record, between its start and its line break, and where it starts in UTF-16 units.
struct Line {
    std::size_t from, to;
    int start;
};

std::vector<Line> LinesOf(const std::string& text) {
    std::vector<Line> lines;
    int start = 0;
    for (std::size_t from = 0; from <= text.size();) {
        std::size_t to = text.find('\n', from);
        if (to == std::string::npos) to = text.size();
        const std::size_t end = to > from && text[to - 1] == '\r' ? to - 1 : to;
        lines.push_back({from, end, start});
        start += Utf16Length(text, from, to) + 1;
        from = to + 1;
    }
    return lines;
}

// The verse number a line starts with, followed by a blank; 0 for none.
int VerseNumberOf(const std::string& text, const Line& line) {
    std::size_t at = line.from;
    int number = 0;
    while (at < line.to && at - line.from < 4 && text[at] >= '0' && text[at] <= '9')
        number = number * 10 + (text[at++] - '0');
    return at > line.from && at < line.to && text[at] == ' ' ? number : 0;
}

std::optional<PassageReference> NameOf(const std::string& text, const Line& line) {
    if (line.to - line.from > longestName || line.to == line.from) return std::nullopt;
    return ReadPassageReference(text.substr(line.from, line.to - line.from));
}

// Where passage is in one record's text.
std::optional<PassagePlace> FindInRecord(const std::string& text, int record, const PassageReference& passage) {
    const std::vector<Line> lines = LinesOf(text);
    std::optional<PassageReference> chapter; // the chapter the lines are in
    int unnumberedVerse = 0;                 // the verse a line without a number is
    std::optional<PassagePlace> found;
    for (const Line& line : lines) {
        // A heading first, for "1 Corinthians 13" starts as a verse does.
        if (const auto name = NameOf(text, line)) {
            chapter = name;
            unnumberedVerse = name->verse;
            if (passage.verse == 0 && name->book == passage.book && name->chapter == passage.chapter)
                return PassagePlace{record, line.start, Utf16Length(text, line.from, line.to)};
            continue;
        }
        int verse = VerseNumberOf(text, line);
        if (verse == 0 && line.to > line.from) verse = unnumberedVerse;
        if (verse == 0) continue;
        unnumberedVerse = 0;
        if (!chapter || chapter->book != passage.book || chapter->chapter != passage.chapter) continue;
        const int end = line.start + Utf16Length(text, line.from, line.to);
        if (verse == passage.verse) found = PassagePlace{record, line.start, end - line.start};
        if (found && verse > passage.verse && verse <= passage.lastVerse) found->length = end - found->start;
    }
    return found;
}

} // namespace

std::optional<PassagePlace> FindPassage(const std::vector<std::string>& texts, const PassageReference& passage) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (const auto place = FindInRecord(texts[i], static_cast<int>(i) + 1, passage)) return place;
    return std::nullopt;
}

bool NamesPassages(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        const std::vector<Line> lines = LinesOf(text);
        if (NameOf(text, lines.front())) return true;
    }
    return false;
}
