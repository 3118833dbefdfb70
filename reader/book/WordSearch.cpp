#include "reader/book/WordSearch.h"

#include "framework/core/Utf8.h"
#include "reader/book/TextFolding.h"

#include <algorithm>

namespace {

// How much text the words around a match take, in bytes, before it and after it.
constexpr std::size_t aroundBefore = 30, aroundAfter = 60;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0 || c == 0x3000; }

bool IsWholeWord(const std::u16string& text, std::size_t start, std::size_t length) {
    return (start == 0 || !IsWordCharacter(text[start - 1])) &&
           (start + length == text.size() || !IsWordCharacter(text[start + length]));
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The words of the line around the match at bytes [start, end): whole words, an ellipsis where the
// line goes on.
std::string WordsAround(const std::string& text, std::size_t start, std::size_t end) {
    const std::size_t lineBreak = text.rfind('\n', start);
    const std::size_t lineStart = lineBreak == std::string::npos ? 0 : lineBreak + 1;
    const std::size_t lineEnd = std::min(text.find('\r', end), text.find('\n', end));
    std::size_t from = start > lineStart + aroundBefore ? start - aroundBefore : lineStart;
    std::size_t to = std::min(lineEnd, std::min(text.size(), end + aroundAfter));
    if (from > lineStart) {
        const std::size_t blank = text.find(' ', from);
        from = blank != std::string::npos && blank < start ? blank + 1 : start;
    }
    if (to < std::min(lineEnd, text.size())) {
        const std::size_t blank = text.rfind(' ', to);
        to = blank != std::string::npos && blank >= end ? blank : to;
        while (to > end && IsContinuation(text[to]))
            --to;
    }
    return (from > lineStart ? "\xE2\x80\xA6" : "") + text.substr(from, to - from) +
           (to < std::min(lineEnd, text.size()) ? "\xE2\x80\xA6" : "");
}

} // namespace

std::vector<std::u16string> SearchWords(const std::string& query) {
    std::vector<std::u16string> words;
    const std::u16string folded = FoldedText(query);
    for (std::size_t at = 0; at < folded.size();) {
        while (at < folded.size() && IsBlank(folded[at]))
            ++at;
        std::size_t end = at;
        while (end < folded.size() && !IsBlank(folded[end]))
            ++end;
        if (end > at && std::find(words.begin(), words.end(), folded.substr(at, end - at)) == words.end())
            words.push_back(folded.substr(at, end - at));
        at = end;
    }
    return words;
}

std::vector<RecordFound> FindWords(const std::vector<std::string>& texts, const std::vector<std::u16string>& words,
                                   bool wholeWords) {
    std::vector<RecordFound> found;
    if (words.empty()) return found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::u16string text = FoldedText(texts[i]);
        std::vector<WordMatch> matches;
        bool holdsAll = true;
        for (const std::u16string& word : words) {
            bool holds = false;
            for (std::size_t at = text.find(word); at != std::u16string::npos; at = text.find(word, at + 1)) {
                if (wholeWords && !IsWholeWord(text, at, word.size())) continue;
                matches.push_back({static_cast<int>(at), static_cast<int>(word.size())});
                holds = true;
            }
            if (!(holdsAll = holds)) break;
        }
        if (!holdsAll) continue;
        std::sort(matches.begin(), matches.end(),
                  [](const WordMatch& a, const WordMatch& b) { return a.start < b.start; });
        const std::size_t start = ByteOfUtf16Unit(texts[i], matches.front().start);
        const std::size_t end = ByteOfUtf16Unit(texts[i], matches.front().start + matches.front().length);
        found.push_back({static_cast<int>(i) + 1, matches, WordsAround(texts[i], start, end)});
    }
    return found;
}
