#include "reader/book/BookNames.h"

#include "reader/book/TextFolding.h"

#include <array>
#include <vector>

namespace {

struct Book {
    const char* importName;
    const char* english;
    const char* spanish;
};

const Book books[bookCount] = {
    {"Genesis", "Genesis", "Génesis"},
    {"Exodus", "Exodus", "Éxodo"},
    {"Leviticus", "Leviticus", "Levítico"},
    {"Numbers", "Numbers", "Números"},
    {"Deuteronomy", "Deuteronomy", "Deuteronomio"},
    {"Joshua", "Joshua", "Josué"},
    {"Judges", "Judges", "Jueces"},
    {"Ruth", "Ruth", "Rut"},
    {"I Samuel", "1 Samuel", "1 Samuel"},
    {"II Samuel", "2 Samuel", "2 Samuel"},
    {"I Kings", "1 Kings", "1 Reyes"},
    {"II Kings", "2 Kings", "2 Reyes"},
    {"I Chronicles", "1 Chronicles", "1 Crónicas"},
    {"II Chronicles", "2 Chronicles", "2 Crónicas"},
    {"Ezra", "Ezra", "Esdras"},
    {"Nehemiah", "Nehemiah", "Nehemías"},
    {"Esther", "Esther", "Ester"},
    {"Job", "Job", "Job"},
    {"Psalms", "Psalms", "Salmos"},
    {"Proverbs", "Proverbs", "Proverbios"},
    {"Ecclesiastes", "Ecclesiastes", "Eclesiastés"},
    {"Song of Solomon", "Song of Solomon", "Cantares"},
    {"Isaiah", "Isaiah", "Isaías"},
    {"Jeremiah", "Jeremiah", "Jeremías"},
    {"Lamentations", "Lamentations", "Lamentaciones"},
    {"Ezekiel", "Ezekiel", "Ezequiel"},
    {"Daniel", "Daniel", "Daniel"},
    {"Hosea", "Hosea", "Oseas"},
    {"Joel", "Joel", "Joel"},
    {"Amos", "Amos", "Amós"},
    {"Obadiah", "Obadiah", "Abdías"},
    {"Jonah", "Jonah", "Jonás"},
    {"Micah", "Micah", "Miqueas"},
    {"Nahum", "Nahum", "Nahúm"},
    {"Habakkuk", "Habakkuk", "Habacuc"},
    {"Zephaniah", "Zephaniah", "Sofonías"},
    {"Haggai", "Haggai", "Hageo"},
    {"Zechariah", "Zechariah", "Zacarías"},
    {"Malachi", "Malachi", "Malaquías"},
    {"Matthew", "Matthew", "Mateo"},
    {"Mark", "Mark", "Marcos"},
    {"Luke", "Luke", "Lucas"},
    {"John", "John", "Juan"},
    {"Acts", "Acts", "Hechos"},
    {"Romans", "Romans", "Romanos"},
    {"I Corinthians", "1 Corinthians", "1 Corintios"},
    {"II Corinthians", "2 Corinthians", "2 Corintios"},
    {"Galatians", "Galatians", "Gálatas"},
    {"Ephesians", "Ephesians", "Efesios"},
    {"Philippians", "Philippians", "Filipenses"},
    {"Colossians", "Colossians", "Colosenses"},
    {"I Thessalonians", "1 Thessalonians", "1 Tesalonicenses"},
    {"II Thessalonians", "2 Thessalonians", "2 Tesalonicenses"},
    {"I Timothy", "1 Timothy", "1 Timoteo"},
    {"II Timothy", "2 Timothy", "2 Timoteo"},
    {"Titus", "Titus", "Tito"},
    {"Philemon", "Philemon", "Filemón"},
    {"Hebrews", "Hebrews", "Hebreos"},
    {"James", "James", "Santiago"},
    {"I Peter", "1 Peter", "1 Pedro"},
    {"II Peter", "2 Peter", "2 Pedro"},
    {"I John", "1 John", "1 Juan"},
    {"II John", "2 John", "2 Juan"},
    {"III John", "3 John", "3 Juan"},
    {"Jude", "Jude", "Judas"},
    {"Revelation of John", "Revelation", "Apocalipsis"},
};

// Short forms of the books in English and then in Spanish, each set apart by "|", without accents, the
// first the one the usage shows. Numbered books are named by family: "1 cor" is the first book of
// the family that starts at 1 Corinthians.
struct ShortForms {
    int book;
    int numbered; // how many books the family has, 0 for a book with no number
    const char* names;
};

const ShortForms shortForms[] = {
    {0, 0, "gen|ge|gn"},
    {1, 0, "ex|exod|exo"},
    {2, 0, "lev|le|lv"},
    {3, 0, "num|nu|nm"},
    {4, 0, "deut|deu|dt"},
    {5, 0, "josh|jos"},
    {6, 0, "judg|jdg|jue|jc"},
    {7, 0, "ruth|rth|ru|rt"},
    {8, 2, "sam|sa|samuel|s"},
    {10, 2, "kgs|ki|kin|kings|r|re|rey"},
    {12, 2, "chr|chron|ch|chronicles|cr|cro|cron"},
    {14, 0, "ezra|ezr|esd"},
    {15, 0, "neh|ne"},
    {16, 0, "esth|est"},
    {17, 0, "job|jb"},
    {18, 0, "ps|psa|psalm|pss|sal|salmo"},
    {19, 0, "prov|pro|pr|prv"},
    {20, 0, "eccl|ecc|eccles|qoh|ec|ecl"},
    {21, 0, "song|song of songs|sos|cant|cnt|cantar de los cantares"},
    {22, 0, "isa|is"},
    {23, 0, "jer|je"},
    {24, 0, "lam|la|lm"},
    {25, 0, "ezek|eze|ezk|ez"},
    {26, 0, "dan|da|dn"},
    {27, 0, "hos|ho|os"},
    {28, 0, "joel|jl"},
    {29, 0, "amos|am"},
    {30, 0, "obad|ob|abd"},
    {31, 0, "jonah|jnh|jon"},
    {32, 0, "mic|mc|mi|miq"},
    {33, 0, "nah|na"},
    {34, 0, "hab|hb"},
    {35, 0, "zeph|zep|sof"},
    {36, 0, "hag|hg"},
    {37, 0, "zech|zec|zac"},
    {38, 0, "mal"},
    {39, 0, "matt|mat|mt|san mateo|s mateo"},
    {40, 0, "mark|mk|mrk|mr|mar|san marcos|s marcos"},
    {41, 0, "luke|lk|luk|lc|san lucas|s lucas"},
    {42, 0, "john|jn|jhn|san juan|s juan"},
    {43, 0, "acts|act|ac|hch|hech"},
    {44, 0, "rom|ro|rm"},
    {45, 2, "cor|co|corinthians"},
    {47, 0, "gal|ga"},
    {48, 0, "eph|ephes|ef"},
    {49, 0, "phil|php|fil|flp"},
    {50, 0, "col"},
    {51, 2, "thess|thes|th|thessalonians|ts|tes"},
    {53, 2, "tim|ti|timothy"},
    {55, 0, "titus|tit"},
    {56, 0, "philem|phlm|phm|flm|filem"},
    {57, 0, "heb|he"},
    {58, 0, "jas|jm|stg|sant"},
    {59, 2, "pet|pe|pt|peter|p|ped"},
    {61, 3, "john|jn|jhn|jo"},
    {64, 0, "jude|jud"},
    {65, 0, "rev|re|revelation|revelations|revelation of john|ap|apoc"},
};

// Lower case, no accents, no full stops, single blanks, a roman or glued number in front as "N ";
// a character that is no letter of a book's name as "?".
std::string Normalised(const std::string& name) {
    std::string out;
    for (char16_t c : FoldedText(name)) {
        if (c == u'.') continue;
        if (c == u' ' || c == u'\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    static const char* const romans[][2] = {{"iii ", "3 "}, {"ii ", "2 "}, {"i ", "1 "}};
    for (const auto& roman : romans) {
        if (out.rfind(roman[0], 0) == 0) {
            out = roman[1] + out.substr(std::string(roman[0]).size());
            break;
        }
    }
    if (out.size() > 1 && out[0] >= '1' && out[0] <= '3' && out[1] != ' ') out.insert(1, " ");
    return out;
}

} // namespace

int BookByAnyName(const std::string& name) {
    static const auto names = [] {
        std::vector<std::array<std::string, 3>> normalised;
        for (const Book& book : books)
            normalised.push_back({Normalised(book.importName), Normalised(book.english), Normalised(book.spanish)});
        return normalised;
    }();
    const std::string wanted = Normalised(name);
    for (int book = 0; book < bookCount; ++book)
        for (const std::string& bookName : names[book])
            if (wanted == bookName) return book;
    const bool numbered = wanted.size() > 2 && wanted[0] >= '1' && wanted[0] <= '3' && wanted[1] == ' ';
    const std::string base = numbered ? wanted.substr(2) : wanted;
    const int number = numbered ? wanted[0] - '0' : 0;
    for (const ShortForms& forms : shortForms) {
        if ((forms.numbered == 0) != !numbered || number > forms.numbered) continue;
        if (("|" + std::string(forms.names) + "|").find("|" + base + "|") != std::string::npos)
            return forms.book + (numbered ? number - 1 : 0);
    }
    return -1;
}

std::string ShortBookNames() {
    std::string names;
    for (const ShortForms& forms : shortForms) {
        std::string name = std::string(forms.names).substr(0, std::string(forms.names).find('|'));
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        names += std::string(names.empty() ? "" : ", ") + (forms.numbered ? "1 " : "") + name;
    }
    return names;
}

int BookIndex(const std::string& importName) {
    for (int book = 0; book < bookCount; ++book)
        if (importName == books[book].importName) return book;
    return -1;
}

const char* ImportName(int book) { return books[book].importName; }

const char* BookName(int book, Language language) {
    return language == Language::spanish ? books[book].spanish : books[book].english;
}

const char* ChapterName(int book, Language language) {
    if (book == psalmsBook) return language == Language::spanish ? "Salmo" : "Psalm";
    return BookName(book, language);
}

bool LanguageByName(const std::string& name, Language& language) {
    if (name == "en" || name == "english")
        language = Language::english;
    else if (name == "es" || name == "spanish")
        language = Language::spanish;
    else
        return false;
    return true;
}
