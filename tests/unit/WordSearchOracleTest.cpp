// The word search over every book we ship, held against a naive search of this file's own: the
// texts are decoded and folded here with a small table, every occurrence of every word is found by
// plain comparison, and the whole-word rule is applied afterwards. A fault in the search's folding,
// its UTF-16 places or its word boundaries then shows as a record or a place that differs.

#include "reader/book/BookFile.h"
#include "reader/book/WordSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

// UTF-8 to UTF-16; false when the bytes are not whole UTF-8 sequences.
bool ToUtf16(const std::string& utf8, std::u16string& out) {
    out.clear();
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at++]);
        const int more = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (more < 0 || at + more > utf8.size()) return false;
        char32_t c = more == 0 ? lead : lead & (0x3F >> more);
        for (int i = 0; i < more; ++i, ++at) {
            if ((static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80) return false;
            c = c << 6 | (utf8[at] & 0x3F);
        }
        if (c >= 0x10000) { // a surrogate pair, as Windows counts it
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            c = 0xDC00 + (c & 0x3FF);
        }
        out += static_cast<char16_t>(c);
    }
    return true;
}

// U+00C0..U+00FF, lower case and without accents; the letters that carry none only lose their case.
constexpr char16_t latin1Folded[] = u"aaaaaaæceeeeiiiiðnooooo×øuuuuyþßaaaaaaæceeeeiiiiðnooooo÷øuuuuyþy";
static_assert(sizeof latin1Folded / sizeof latin1Folded[0] == 65);

char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + (u'a' - u'A');
    if (c >= 0xC0 && c <= 0xFF) return latin1Folded[c - 0xC0];
    return c;
}

std::u16string Folded(const std::string& utf8) {
    std::u16string text;
    ToUtf16(utf8, text);
    for (char16_t& c : text)
        c = Fold(c);
    return text;
}

// Of folded text: a digit, a letter of ASCII or one of Latin-1 (blanks, CR, LF, punctuation are none).
bool IsWordChar(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

struct Book {
    std::string name;
    std::vector<std::string> texts;     // record N at N - 1, as the search is given them
    std::vector<std::u16string> folded; // the same, decoded and folded here
};

// Every shipped book, read once for all the queries.
const std::vector<Book>& ShippedBooks() {
    static const std::vector<Book> books = [] {
        std::vector<Book> read;
        for (const auto& entry : std::filesystem::directory_iterator(QUILLMERE_PLANS_DIR)) {
            if (entry.path().extension() != ".pdb") continue;
            BookFile file;
            const std::string path = entry.path().string();
            // The count is read from an open file only, and OpenBook leaves none open.
            if (!file.OpenBook(path.c_str()) || !file.Open(path.c_str(), CFile::typeBinary | CFile::modeRead)) continue;
            const std::int32_t count = file.GetRecordCount();
            file.Close();
            file.SetTextCodePage(file.GetBookInfo().codePage);
            Book book{entry.path().filename().string(), file.GetRecordTexts(1, count - 1), {}};
            for (const std::string& text : book.texts)
                book.folded.push_back(Folded(text));
            read.push_back(std::move(book));
        }
        std::sort(read.begin(), read.end(), [](const Book& a, const Book& b) { return a.name < b.name; });
        return read;
    }();
    return books;
}

std::vector<std::u16string> OracleWords(const std::string& query) {
    std::vector<std::u16string> words;
    for (std::size_t at = 0; at < query.size();) {
        const std::size_t end = std::min(query.find(' ', at), query.size());
        if (end > at) words.push_back(Folded(query.substr(at, end - at)));
        at = end + 1;
    }
    return words;
}

using Places = std::vector<std::pair<int, int>>;   // start and length in UTF-16 units
using Found = std::vector<std::pair<int, Places>>; // record and its places

Found Oracle(const Book& book, const std::vector<std::u16string>& words, bool whole) {
    Found found;
    for (std::size_t index = 0; index < book.folded.size() && !words.empty(); ++index) {
        const std::u16string& text = book.folded[index];
        Places places;
        bool all = true;
        for (const std::u16string& word : words) {
            bool any = false;
            for (std::size_t at = text.find(word); at != std::u16string::npos; at = text.find(word, at + 1)) {
                const std::size_t end = at + word.size();
                if (whole && ((at > 0 && IsWordChar(text[at - 1])) || (end < text.size() && IsWordChar(text[end]))))
                    continue;
                places.emplace_back(static_cast<int>(at), static_cast<int>(word.size()));
                any = true;
            }
            all = all && any;
        }
        std::sort(places.begin(), places.end());
        if (all) found.emplace_back(static_cast<int>(index) + 1, places);
    }
    return found;
}

Found Actual(const std::vector<RecordFound>& records) {
    Found found;
    for (const RecordFound& record : records) {
        Places places;
        for (const WordMatch& match : record.matches)
            places.emplace_back(match.start, match.length);
        found.emplace_back(record.record, places);
    }
    return found;
}

// The first record where the two differ, with its places in each; empty when they agree.
std::string FirstDifference(const Found& actual, const Found& expected) {
    const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto describe = [](const Found& found, Found::const_iterator at) {
        if (at == found.end()) return std::string(" none");
        std::string text = " record " + std::to_string(at->first) + ":";
        for (const auto& [start, length] : at->second)
            text += " " + std::to_string(start) + "+" + std::to_string(length);
        return text;
    };
    return a == actual.end() && e == expected.end() ? "" : describe(actual, a) + " instead of" + describe(expected, e);
}

struct Query {
    std::string text;
    bool wholeWords;
    bool findsSome; // in some book; false: in none
};

// clang-format off
const Query queries[] = {
    {"vine", true, true},     {"vine", false, true},      // the latter also in "vineyard", "divine"
    {"Jesus", true, true},    {"JESÚS", true, true},      {"corazon", true, true},  {"JEHOVÁ", true, true},
    {"heathen", true, true},  {"  love one another ", true, true},               {"Espíritu santo", true, true},
    {"amor", false, true},    {"naci", true, true},
    {"jehov", true, false},                               // "Jehová": an accented letter ends no word
    {"heathen corazon", true, false},                     // each is found, never in one record
    {"   ", true, false},     {std::string(1000, 'x'), true, false},
};
// clang-format on

TEST(WordSearchOracle, EveryShippedBookFindsWhatTheNaiveSearchFinds) {
    ASSERT_GE(ShippedBooks().size(), 3u);
    for (const Book& book : ShippedBooks())
        ASSERT_GT(book.texts.size(), 30u) << book.name;
    for (const Query& query : queries) {
        const std::vector<std::u16string> words = SearchWords(query.text);
        EXPECT_EQ(words, OracleWords(query.text)) << '"' << query.text << '"';
        std::size_t total = 0;
        for (const Book& book : ShippedBooks()) {
            const Found actual = Actual(FindWords(book.texts, words, query.wholeWords));
            EXPECT_EQ(FirstDifference(actual, Oracle(book, words, query.wholeWords)), "")
                << '"' << query.text.substr(0, 40) << "\" whole " << query.wholeWords << " in " << book.name;
            total += actual.size();
        }
        EXPECT_EQ(total > 0, query.findsSome) << '"' << query.text.substr(0, 40) << '"';
    }
}

TEST(WordSearchOracle, AroundHoldsTheFirstMatchInAFewWords) {
    for (const Book& book : ShippedBooks()) {
        for (const RecordFound& found : FindWords(book.texts, SearchWords("jesus"), true)) {
            ASSERT_FALSE(found.matches.empty());
            const WordMatch first = found.matches.front();
            const std::u16string word = book.folded[found.record - 1].substr(first.start, first.length);
            std::u16string around;
            EXPECT_TRUE(ToUtf16(found.around, around)) << book.name << " record " << found.record;
            EXPECT_NE(Folded(found.around).find(word), std::u16string::npos) << book.name << " record " << found.record;
            EXPECT_LE(found.around.size(), 200u) << book.name << " record " << found.record;
        }
    }
}

} // namespace
