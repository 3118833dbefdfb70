#include "tools/quillbook/SwordImport.h"

#include "tools/quillbook/OsisText.h"

#include <cstdlib>

namespace {

constexpr char entryMark[] = "$$$";

// The book, chapter and verse of an entry's key "BOOK C:V"; false for any other key.
bool ParseVerseKey(const std::string& key, ModuleVerse& verse) {
    const std::size_t blank = key.rfind(' ');
    const std::size_t colon = key.find(':', blank == std::string::npos ? 0 : blank);
    if (blank == std::string::npos || blank == 0 || colon == std::string::npos) return false;
    const std::string chapter = key.substr(blank + 1, colon - blank - 1), number = key.substr(colon + 1);
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(chapter) || !digits(number)) return false;
    verse.book = key.substr(0, blank);
    verse.chapter = std::atoi(chapter.c_str());
    verse.verse = std::atoi(number.c_str());
    return true;
}

} // namespace

bool ReadSwordImport(const std::string& text, std::vector<ModuleVerse>& verses, std::string& error) {
    verses.clear();
    const std::size_t start = text.find_first_not_of("\r\n");
    if (start == std::string::npos || text.compare(start, 3, entryMark) != 0) {
        error = "no SWORD import file: it does not begin with a \"$$$\" line, as mod2imp writes one";
        return false;
    }
    for (std::size_t at = start; at < text.size();) {
        std::size_t keyEnd = text.find('\n', at);
        if (keyEnd == std::string::npos) keyEnd = text.size();
        std::string key = text.substr(at + 3, keyEnd - at - 3);
        if (!key.empty() && key.back() == '\r') key.pop_back();
        std::size_t next = text.find("\n$$$", keyEnd);
        next = next == std::string::npos ? text.size() : next + 1;
        ModuleVerse verse;
        if (ParseVerseKey(key, verse) && verse.chapter > 0 && verse.verse > 0) {
            verse.text = PlainVerseText(text.substr(keyEnd, next - keyEnd));
            verses.push_back(std::move(verse));
        }
        at = next;
    }
    if (verses.empty()) {
        error = "no SWORD import file: it holds no verse";
        return false;
    }
    return true;
}
