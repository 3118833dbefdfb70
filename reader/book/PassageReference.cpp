#include "reader/book/PassageReference.h"

#include "reader/book/BookNames.h"

namespace {

constexpr int chapterCounts[bookCount] = {50, 40,  27, 36, 34, 24, 21, 4,  31, 24, 22, 25, 29, 36, 10, 13, 10,
                                          42, 150, 31, 12, 8,  66, 52, 5,  48, 12, 14, 3,  9,  1,  4,  7,  3,
                                          3,  3,   2,  14, 4,  28, 16, 24, 21, 28, 16, 16, 13, 6,  6,  4,  4,
                                          5,  3,   6,  4,  3,  1,  13, 5,  5,  3,  5,  1,  1,  1,  22};
// No chapter has more verses than Psalm 119.
constexpr int mostVerses = 176;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The numbers after a book's name, read from at: CHAPTER [SEP VERSE [DASH VERSE]], blanks allowed
// between them, a separator of ":", "." or ",".
class Numbers {
public:
    Numbers(const std::string& text, std::size_t at) : m_text(text), m_at(at) {}

    // A number of one to three digits; 0 where there is none.
    int Number() {
        SkipBlanks();
        std::size_t end = m_at;
        int number = 0;
        while (end < m_text.size() && IsDigit(m_text[end]) && end - m_at < 4)
            number = number * 10 + (m_text[end++] - '0');
        if (end == m_at || end - m_at > 3) return 0;
        m_at = end;
        return number;
    }
    bool Take(const std::string& separators) {
        SkipBlanks();
        if (m_at == m_text.size() || separators.find(m_text[m_at]) == std::string::npos) return false;
        ++m_at;
        return true;
    }
    bool AtEnd() {
        SkipBlanks();
        return m_at == m_text.size();
    }

private:
    void SkipBlanks() {
        while (m_at < m_text.size() && IsBlank(m_text[m_at]))
            ++m_at;
    }

    const std::string& m_text;
    std::size_t m_at;
};

// Where the numbers after the name begin: after the last character that is neither a digit nor
// a blank nor a separator, and at a digit.
std::size_t NumbersStart(const std::string& text) {
    std::size_t start = text.size();
    while (start > 0 && (IsDigit(text[start - 1]) || IsBlank(text[start - 1]) ||
                         std::string(":,-").find(text[start - 1]) != std::string::npos ||
                         (text[start - 1] == '.' && start < text.size() && IsDigit(text[start]))))
        --start;
    while (start < text.size() && !IsDigit(text[start]))
        ++start;
    return start;
}

} // namespace

int ChapterCount(int book) { return book >= 0 && book < bookCount ? chapterCounts[book] : 0; }

std::optional<PassageReference> ReadPassageReference(const std::string& typed) {
    // A range with an en dash, as word processors write one, is a range with a hyphen.
    std::string text = typed;
    for (std::size_t dash; (dash = text.find("\xE2\x80\x93")) != std::string::npos;)
        text.replace(dash, 3, "-");
    const std::size_t numbersStart = NumbersStart(text);
    PassageReference passage{BookByAnyName(text.substr(0, numbersStart)), 1};
    if (passage.book < 0) return std::nullopt;
    Numbers numbers(text, numbersStart);
    if (!numbers.AtEnd()) {
        passage.chapter = numbers.Number();
        if (numbers.Take(":.,")) {
            passage.verse = numbers.Number();
            if (passage.verse == 0) return std::nullopt;
        } else if (ChapterCount(passage.book) == 1 && passage.chapter > 1) {
            passage.verse = passage.chapter; // "Jude 5": the one chapter's verse
            passage.chapter = 1;
        }
        if (numbers.Take("-")) {
            int& last = passage.verse > 0 ? passage.lastVerse : passage.lastChapter;
            const int first = passage.verse > 0 ? passage.verse : passage.chapter;
            if ((last = numbers.Number()) < first) return std::nullopt;
        }
        if (!numbers.AtEnd()) return std::nullopt;
    }
    if (passage.chapter < 1 || passage.chapter > ChapterCount(passage.book)) return std::nullopt;
    if (passage.verse > mostVerses || passage.lastVerse > mostVerses) return std::nullopt;
    if (passage.lastChapter > ChapterCount(passage.book)) return std::nullopt;
    if (passage.lastVerse == passage.verse) passage.lastVerse = 0;
    if (passage.lastChapter == passage.chapter) passage.lastChapter = 0;
    return passage;
}
