#include "tools/quillbook/OsisText.h"

#include "framework/core/Utf8.h"
#include "tools/quillbook/AddedWords.h"
#include "tools/quillbook/TextMarks.h"

#include <cstring>

namespace {

struct Tag {
    std::string name;
    bool closing = false;
    bool selfClosing = false;
    std::string attributes;

    bool Has(const char* attribute, const char* value) const {
        return attributes.find(std::string(attribute) + "=\"" + value + "\"") != std::string::npos;
    }
};

// The tag that starts at markup[at], a '<'; at moves past its '>'.
Tag ReadTag(const std::string& markup, std::size_t& at) {
    Tag tag;
    std::size_t end = markup.find('>', at);
    if (end == std::string::npos) end = markup.size();
    std::string inside = markup.substr(at + 1, end - at - 1);
    at = end + 1;
    if (!inside.empty() && inside.front() == '/') {
        tag.closing = true;
        inside.erase(0, 1);
    }
    if (!inside.empty() && inside.back() == '/') {
        tag.selfClosing = true;
        inside.pop_back();
    }
    const std::size_t nameEnd = inside.find_first_of(" \t\r\n");
    tag.name = inside.substr(0, nameEnd);
    if (nameEnd != std::string::npos) tag.attributes = inside.substr(nameEnd);
    return tag;
}

// The text of the entity that starts at markup[at], a '&'; at moves past its ';'. An '&' that
// starts no entity stands for itself.
std::string ReadEntity(const std::string& markup, std::size_t& at) {
    const std::size_t end = markup.find(';', at);
    if (end == std::string::npos || end - at > 10) {
        ++at;
        return "&";
    }
    const std::string name = markup.substr(at + 1, end - at - 1);
    static const char* const named[][2] = {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
    std::string text;
    for (const auto& entity : named)
        if (name == entity[0]) text = entity[1];
    if (text.empty() && name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        char* parsed = nullptr;
        const unsigned long codePoint = std::strtoul(digits.c_str(), &parsed, hex ? 16 : 10);
        if (!digits.empty() && *parsed == '\0' && codePoint > 0 && codePoint <= 0x10FFFF) AppendUtf8(text, codePoint);
    }
    if (text.empty()) {
        ++at;
        return "&";
    }
    at = end + 1;
    return text;
}

// Elements whose words are not read: notes with their cross-references, headings that are no
// canonical psalm title, and the speakers' names set over a song's parts.
bool IsUnread(const Tag& tag) {
    if (tag.name == "note" || tag.name == "speaker" || tag.name == "catchWord" || tag.name == "rdg") return true;
    return tag.name == "title" && !tag.Has("canonical", "true");
}

// Elements that part lines, stanzas, paragraphs and list items, which the markup may write
// without a blank between the words on either side.
bool SeparatesWords(const Tag& tag) {
    static const char* const names[] = {"l", "lg", "lb", "p", "div", "item", "list", "title"};
    for (const char* name : names)
        if (tag.name == name) return true;
    return false;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Punctuation that no blank comes before, though the markup may lay one out there.
bool IsPunctuation(const std::string& text) { return !text.empty() && std::strchr(",.;:!?", text[0]) != nullptr; }

// What a blank that markup stands for gives way to besides: punctuation and marks that close,
// after it, and marks that open, before it.
bool ClosesUp(const std::string& text) { return IsPunctuation(text) || ClosingMarkAt(text, 0) > 0; }
bool OpensUp(const std::string& out) { return OpeningMarkAtEnd(out) > 0; }

// The last word of out, without the marks that open it, and whether it begins a sentence: it
// stands first, after what ends one, or after a Spanish question or exclamation mark.
std::string LastWord(const std::string& out, bool& sentenceStart) {
    const std::size_t blank = out.rfind(' ');
    std::size_t start = blank == std::string::npos ? 0 : blank + 1;
    sentenceStart = blank == std::string::npos || (blank > 0 && std::strchr(".:;?!", out[blank - 1]));
    for (std::size_t mark; (mark = OpeningMarkAt(out, start)) > 0; start += mark)
        sentenceStart |= out.compare(start, mark, "\xC2\xBF") == 0 || out.compare(start, mark, "\xC2\xA1") == 0;
    return out.substr(start);
}

// Whether the element of tag, which begins right after another has ended, goes on the word before
// it rather than starting one: an added pronoun that is written on to its verb. Its text is what
// follows in markup from at up to the next tag.
bool SpellsOn(const Tag& tag, const std::string& markup, std::size_t at, const std::string& out) {
    if (tag.name != "transChange" || tag.selfClosing) return false;
    bool sentenceStart = false;
    const std::string word = LastWord(out, sentenceStart);
    return JoinsAsPronoun(word, markup.substr(at, markup.find('<', at) - at), sentenceStart);
}

} // namespace

std::string PlainVerseText(const std::string& markup) {
    std::string out;
    enum class Blank { none, written, ofMarkup } blank = Blank::none;
    int unreadDepth = 0;
    // An element has ended since the last text: an element that begins now starts another word.
    bool elementEnded = false;
    const auto write = [&](const std::string& text) {
        if (unreadDepth > 0 || text.empty()) return;
        elementEnded = false;
        if (!out.empty() && out.back() != ' ' && !IsPunctuation(text) &&
            (blank == Blank::written || (blank == Blank::ofMarkup && !ClosesUp(text) && !OpensUp(out))))
            out += ' ';
        out += text;
        blank = Blank::none;
    };
    for (std::size_t at = 0; at < markup.size();) {
        const char c = markup[at];
        if (c == '<') {
            const Tag tag = ReadTag(markup, at);
            if (tag.name == "div" && tag.selfClosing && tag.Has("type", "book") &&
                tag.attributes.find("eID=") != std::string::npos) {
                break;
            }
            if (unreadDepth > 0) {
                if (tag.closing)
                    --unreadDepth;
                else if (!tag.selfClosing)
                    ++unreadDepth;
                if (unreadDepth == 0 && blank == Blank::none) blank = Blank::ofMarkup;
            } else if (!tag.closing && !tag.selfClosing && IsUnread(tag)) {
                unreadDepth = 1;
                if (blank == Blank::written) blank = Blank::ofMarkup; // laid out around the note
            } else if (SeparatesWords(tag) && blank == Blank::none) {
                blank = Blank::ofMarkup;
            } else if (tag.closing) {
                elementEnded = true;
            } else if (elementEnded && blank == Blank::none && !SpellsOn(tag, markup, at, out)) {
                blank = Blank::ofMarkup;
            }
        } else if (c == '&') {
            write(ReadEntity(markup, at));
        } else if (IsSpace(c)) {
            if (unreadDepth == 0) blank = Blank::written, elementEnded = false;
            ++at;
        } else {
            const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(c));
            write(markup.substr(at, length));
            at += length;
        }
    }
    return out;
}
