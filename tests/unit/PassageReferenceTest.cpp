#include "reader/book/BookNames.h"
#include "reader/book/PassageFinder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

std::vector<int> Fields(const std::optional<PassageReference>& passage) {
    if (!passage) return {};
    return {passage->book, passage->chapter, passage->verse, passage->lastVerse, passage->lastChapter};
}

// Every name in book-names.tsv, a data file of the tests' own: book N on line N.
std::vector<std::vector<std::string>> NamesOfTheBooks() {
    std::vector<std::vector<std::string>> books;
    std::ifstream in(QUILLMERE_BOOK_NAMES);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> names;
        for (std::size_t from = 0, tab; from <= line.size(); from = tab + 1) {
            tab = std::min(line.find('\t', from), line.size());
            names.push_back(line.substr(from, tab - from));
        }
        books.push_back(names);
    }
    return books;
}

} // namespace

TEST(PassageReference, IsReadAsPeopleTypeItInEnglishAndSpanish) {
    const struct {
        const char* text;
        std::vector<int> fields; // book, chapter, verse, last verse, last chapter; empty for no passage
    } cases[] = {
        {"John 3", {42, 3, 0, 0, 0}},
        {"jn 3:16", {42, 3, 16, 0, 0}},
        {"1 Cor 13", {45, 13, 0, 0, 0}},
        {"1Co 13:4-7", {45, 13, 4, 7, 0}},
        {"1 co 13 : 4 \xE2\x80\x93 7", {45, 13, 4, 7, 0}},
        {"Ps 23", {18, 23, 0, 0, 0}},
        {"Salmo 23", {18, 23, 0, 0, 0}},
        {"Salmos 119.105", {18, 119, 105, 0, 0}},
        {"Juan 3:16", {42, 3, 16, 0, 0}},
        {"Juan 3,16", {42, 3, 16, 0, 0}},
        {"San Juan 3", {42, 3, 0, 0, 0}},
        {"S. Juan 3", {42, 3, 0, 0, 0}},
        {"1 Juan 4:8", {61, 4, 8, 0, 0}},
        {"Genesis 1", {0, 1, 0, 0, 0}},
        {"Génesis 1", {0, 1, 0, 0, 0}},
        {"GÉNESIS 1", {0, 1, 0, 0, 0}},
        {"genesis 1", {0, 1, 0, 0, 0}},
        {"Éxodo 20", {1, 20, 0, 0, 0}},
        {"Apocalipsis 22:21", {65, 22, 21, 0, 0}},
        {"Matt. 5:3", {39, 5, 3, 0, 0}},
        {"  Ruth  ", {7, 1, 0, 0, 0}},
        {"Jude 5", {64, 1, 5, 0, 0}},
        {"Jude 5-7", {64, 1, 5, 7, 0}},
        {"John 3-4", {42, 3, 0, 0, 4}},
        {"Gen 1-3", {0, 1, 0, 0, 3}},
        {"Salmos 1 - 150", {18, 1, 0, 0, 150}},
        {"John 4-3", {}},
        {"John 20-22", {}},
        {"John 3-", {}},
        {"John 3-3", {42, 3, 0, 0, 0}},
        {"Romans 8:28-28", {44, 8, 28, 0, 0}},
        {"Ps 150", {18, 150, 0, 0, 0}},
        {"Ps 151", {}},
        {"John 99", {}},
        {"John 0", {}},
        {"John 3:0", {}},
        {"John 3:177", {}},
        {"John 3:16-15", {}},
        {"John 3:16-", {}},
        {"John 3:", {}},
        {"John 1234", {}},
        {"Hezekiah 1", {}},
        {"3:16", {}},
        {"", {}},
        {"   ", {}},
        {"3 Cor 1", {}},
        {"John 3 16 17", {}},
        {"\xE2\x98\x83 1", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fields(ReadPassageReference(c.text)), c.fields) << c.text;
    EXPECT_FALSE(ReadPassageReference(std::string(1000, 'x') + " 1"));
    EXPECT_FALSE(ReadPassageReference(std::string(1000, '9')));
}

// Each book by each of its names, in both languages, with accents and without, in any case; and
// its first and last chapter, but not the one after.
TEST(PassageReference, NamesEveryBookByItsNamesAndShortForms) {
    const auto books = NamesOfTheBooks();
    ASSERT_EQ(books.size(), 66u);
    for (int book = 0; book < 66; ++book) {
        for (const std::string& name : books[book]) {
            EXPECT_EQ(Fields(ReadPassageReference(name + " 1")), (std::vector<int>{book, 1, 0, 0, 0})) << name;
            std::string upper = name;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(BookByAnyName(upper), book) << upper;
        }
        const std::string& english = books[book][1];
        const int last = ChapterCount(book);
        EXPECT_EQ(Fields(ReadPassageReference(english + " " + std::to_string(last))).at(1), last) << english;
        EXPECT_FALSE(ReadPassageReference(english + " " + std::to_string(last + 1)).has_value() && last > 1) << english;
    }
    int chapters = 0;
    for (int book = 0; book < 66; ++book)
        chapters += ChapterCount(book);
    EXPECT_EQ(chapters, 1189);
    // The usage's short forms, numbered ones with a blank and without, name distinct books.
    std::set<int> named;
    const std::string forms = ShortBookNames() + ", ";
    for (std::size_t from = 0, comma; (comma = forms.find(", ", from)) != std::string::npos; from = comma + 2) {
        const std::string form = forms.substr(from, comma - from);
        const int book = BookByAnyName(form);
        EXPECT_TRUE(named.insert(book).second) << form;
        if (form[0] == '1') {
            EXPECT_EQ(BookByAnyName("1" + form.substr(2)), book) << form;
        }
    }
    EXPECT_EQ(named.count(-1), 0u);
}

TEST(PassageFinder, FindsTheRecordAndTheVersesOfAPassage) {
    const std::vector<std::string> texts = {
        "Psalms 1-2\r\n\r\nPsalm 1\r\n1 Blessed is the man\r\n2 But his delight\r\n\r\nPsalm 2\r\n1 Why do the heathen",
        "Psalms 3:1-4:2\r\n\r\nPsalm 3\r\n1 LORD, how are they\r\n2 Many\r\n\r\nPsalm 4\r\n1 Hear me\r\n2 O ye",
        "Juan 3:16\r\n\r\nPorque de tal manera amó Dios al mundo",
        "Luke 24:5-6\r\n\r\n5 And as they were afraid\r\n6 He is not here",
        "1 Corinthians 12:31-13:4\r\n\r\n1 Corinthians 12\r\n31 But covet\r\n\r\n1 Corinthians 13\r\n1 Though I\r\n"
        "4 Charity",
    };
    const auto place = [&](const char* reference) {
        const auto found = FindPassage(texts, *ReadPassageReference(reference));
        return found ? std::vector<int>{found->record, found->start, found->length} : std::vector<int>{};
    };
    EXPECT_EQ(place("Ps 2"), (std::vector<int>{1, 66, 7}));
    EXPECT_EQ(place("Ps 1:2"), (std::vector<int>{1, 45, 17}));
    EXPECT_EQ(place("Ps 3:1-2"), (std::vector<int>{2, 27, 28}));
    EXPECT_EQ(place("Salmo 4:2"), (std::vector<int>{2, 79, 6}));
    EXPECT_EQ(place("John 3:16"), (std::vector<int>{3, 13, 38}));
    EXPECT_EQ(place("Lk 24:6"), (std::vector<int>{4, 42, 16}));
    EXPECT_EQ(place("1Co 13:4"), (std::vector<int>{5, 92, 9}));
    EXPECT_EQ(place("1 Cor 13"), (std::vector<int>{5, 62, 16}));
    EXPECT_EQ(place("Ps 4:3"), std::vector<int>{});
    EXPECT_EQ(place("Ps 5"), std::vector<int>{});
    EXPECT_EQ(place("John 3:17"), std::vector<int>{});
    EXPECT_TRUE(NamesPassages(texts));
    EXPECT_FALSE(NamesPassages({"In the beginning God created", "", "Verse 2:\r\n\r\nAnd the earth"}));
}
