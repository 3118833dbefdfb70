// The books we ship, read back as the reader reads them and held against the SWORD modules they are
// made from. The modules' OSIS markup is read here by a small reader of this file's own, written
// apart from the book maker's, so that a fault in the maker's reading shows as a difference: words
// joined or split, a verse dropped or doubled, a day cut where its plan allows none, a reading line
// that does not name what the day reads.

#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// The 66 books

struct BookNames {
    std::string module;  // as mod2imp names the book
    std::string english; // as the English books and the verse list name it
    std::string spanish;
};

constexpr int bookCount = 66;

// The names from book-names.tsv, a data file of the test's own.
const std::vector<BookNames>& AllBookNames() {
    static const std::vector<BookNames> names = [] {
        std::vector<BookNames> read;
        std::ifstream in(QUILLMERE_BOOK_NAMES);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            const std::size_t first = line.find('\t'), second = line.find('\t', first + 1);
            read.push_back(
                {line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
        }
        read.resize(bookCount); // a file cut short names nothing, and the tests then fail on every name
        return read;
    }();
    return names;
}
constexpr int psalms = 18;
constexpr int proverbs = 19;
constexpr int matthew = 39;

enum class Language { English, Spanish };

std::string BookName(int book, Language language) {
    return language == Language::English ? AllBookNames()[book].english : AllBookNames()[book].spanish;
}

// The heading of one of the book's chapters, before its number: a psalm is "Psalm 23", "Salmo 23".
std::string ChapterName(int book, Language language) {
    if (book == psalms) return language == Language::English ? "Psalm" : "Salmo";
    return BookName(book, language);
}

// The names a reading line may give the book: its own, and for the Psalms also that of one psalm.
std::vector<std::string> ReadingNames(int book, Language language) {
    std::vector<std::string> names{BookName(book, language)};
    if (ChapterName(book, language) != names.front()) names.push_back(ChapterName(book, language));
    return names;
}

// The book that one of its names, module or english, names; -1 for none.
int BookNamed(std::string_view name, std::string BookNames::*names) {
    for (int book = 0; book < bookCount; ++book)
        if (name == AllBookNames()[book].*names) return book;
    return -1;
}

int BookOfModuleName(std::string_view name) { return BookNamed(name, &BookNames::module); }
int BookOfEnglishName(std::string_view name) { return BookNamed(name, &BookNames::english); }

// How many chapters each of the 66 books has: 929 in the 39 of the Old Testament, 260 in the 27
// of the New.
constexpr int oldTestamentChapters[] = {50, 40, 27, 36, 34, 24, 21, 4,  31, 24, 22, 25, 29, 36, 10, 13, 10, 42, 150, 31,
                                        12, 8,  66, 52, 5,  48, 12, 14, 3,  9,  1,  4,  7,  3,  3,  3,  2,  14, 4};
constexpr int newTestamentChapters[] = {28, 16, 24, 21, 28, 16, 16, 13, 6, 6, 4, 4, 5, 3,
                                        6,  4,  3,  1,  13, 5,  5,  3,  5, 1, 1, 1, 22};
constexpr int oldTestamentBooks = static_cast<int>(std::size(oldTestamentChapters));

int ChaptersOf(int book) {
    return book < oldTestamentBooks ? oldTestamentChapters[book] : newTestamentChapters[book - oldTestamentBooks];
}

// ---------------------------------------------------------------------------------------------
// Characters: the modules are UTF-8, the books Windows-1252. Both are compared as UTF-8.

// The code point at text[at], moving at past it; a byte that starts no UTF-8 sequence reads as U+FFFD.
char32_t Decode(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0) return 0xFFFD;
    char32_t c = lead & (0x3F >> more);
    for (; more > 0 && at < text.size(); --more, ++at) {
        const auto next = static_cast<unsigned char>(text[at]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = c << 6 | (next & 0x3F);
    }
    return more == 0 ? c : 0xFFFD;
}

// The lead byte carries the sequence's length in its high bits; each byte after it six bits.
void Encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int following = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    const unsigned lengthBits = 0xFF00u >> (following + 1) & 0xFF;
    out += static_cast<char>(lengthBits | c >> 6 * following);
    for (int shift = 6 * (following - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | (c >> shift & 0x3F));
}

std::u32string Decoded(std::string_view text) {
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();)
        decoded += Decode(text, at);
    return decoded;
}

std::string FromWindows1252(std::string_view bytes) {
    // 0x80 to 0x9F; the five bytes the code page leaves undefined read as U+FFFD.
    static const char32_t high[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string text;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        Encode(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b, text);
    }
    return text;
}

bool IsLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}
bool IsCapital(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }
char32_t Lower(char32_t c) { return IsCapital(c) ? c + 0x20 : c; }
bool Contains(std::u32string_view set, char32_t c) { return set.find(c) != std::u32string_view::npos; }
bool EndsWith(std::u32string_view text, std::u32string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// ---------------------------------------------------------------------------------------------
// Spanish object pronouns after a verb
//
// The Reina-Valera writes an object pronoun that follows its verb onto the verb ("sácalo",
// "alcánzala", "manifestarélo"); before a verb, or after any other word, the pronoun stands apart
// ("Jehová los persiga", "y la", "no lo"). Where the pronoun was added by the translators the module
// marks it as an element of its own, set right after the word before it, so the markup does not
// tell which of the two it is. Spelling mostly does: a verb that takes a pronoun is an infinitive
// (sacarla), a gerund (mirándolos), a plural command (desatadla), a short command (hazlo, dalo,
// diles), or a form whose accent mark only makes sense with the pronoun on it (sáca-lo, díjo-le,
// pusiéron-la), or a form stressed on its last vowel (plantó-la, manifestaré-lo); a capital inside a
// sentence is a name (Jehová, Josué, Dios). Where spelling cannot tell, either reading is taken.

enum class Join { Together, Apart, Either };

bool IsObjectPronoun(std::u32string_view word) {
    static const std::set<std::u32string_view> pronouns = {U"me", U"te", U"se",  U"nos", U"os", U"lo",
                                                           U"la", U"le", U"los", U"las", U"les"};
    return pronouns.count(word) > 0;
}

bool IsVowel(char32_t c) { return Contains(U"aeiouáéíóúü", c); }

// How many syllables follow the one that carries the word's accent mark, or -1 when it has none;
// hiatus is set when the accent marks a stressed i or u beside another vowel (día, había, oído),
// which any word may carry.
int SyllablesAfterTheAccent(std::u32string_view word, bool& hiatus) {
    const std::size_t accent = word.find_last_of(U"áéíóú");
    if (accent == std::u32string_view::npos) return -1;
    const bool weak = word[accent] == U'í' || word[accent] == U'ú';
    hiatus =
        weak && ((accent > 0 && IsVowel(word[accent - 1])) || (accent + 1 < word.size() && IsVowel(word[accent + 1])));
    int syllables = 0;
    bool inVowels = true;
    for (std::size_t at = accent + 1; at < word.size(); ++at) {
        const bool vowel = IsVowel(word[at]) || (word[at] == U'y' && at + 1 == word.size());
        if (!vowel) {
            inVowels = false;
        } else if (!inVowels || (at == accent + 1 && Contains(U"aeo", word[at]))) {
            // A new group of vowels, or a strong vowel right after the accented one: po-sé-e, trá-e-me.
            ++syllables;
            inVowels = true;
        }
    }
    return syllables;
}

// Whether an object pronoun the module adds right after word is written onto it; startsSentence
// when word begins a sentence (or the verse), where a capital says nothing about a name.
Join PronounAfter(std::u32string word, bool startsSentence) {
    if (word.empty()) return Join::Apart;
    const bool capitals = word.size() > 1 && std::all_of(word.begin(), word.end(), IsCapital);
    if (IsCapital(word.front()) && !capitals && !startsSentence) return Join::Apart;
    std::transform(word.begin(), word.end(), word.begin(), Lower);

    // Words that are no verbs, among them those whose accent mark tells them from another word.
    static const std::set<std::u32string_view> others = {
        U"y",      U"e",      U"o",       U"u",        U"á",       U"é",       U"ó",        U"a",       U"que",
        U"no",     U"ni",     U"si",      U"de",       U"del",     U"al",      U"en",       U"con",     U"por",
        U"para",   U"sin",    U"como",    U"cuando",   U"donde",   U"mas",     U"pues",     U"ya",      U"tan",
        U"muy",    U"se",     U"me",      U"te",       U"nos",     U"os",      U"lo",       U"la",      U"los",
        U"las",    U"le",     U"les",     U"el",       U"su",      U"sus",     U"tu",       U"tus",     U"mi",
        U"mis",    U"un",     U"una",     U"porque",   U"aunque",  U"ellos",   U"ellas",    U"él",      U"ella",
        U"yo",     U"tú",     U"mí",      U"ti",       U"sí",      U"fé",      U"pié",      U"más",     U"aún",
        U"qué",    U"quién",  U"quiénes", U"cuál",     U"cuáles",  U"cuánto",  U"cuánta",   U"cuántos", U"cuántas",
        U"cómo",   U"dónde",  U"cuándo",  U"sólo",     U"éste",    U"ésta",    U"éstos",    U"éstas",   U"ése",
        U"ésa",    U"ésos",   U"ésas",    U"aquél",    U"aquélla", U"allá",    U"acá",      U"aquí",    U"allí",
        U"así",    U"ahí",    U"también", U"además",   U"jamás",   U"después", U"atrás",    U"detrás",  U"según",
        U"maná",   U"mar",    U"lugar",   U"altar",    U"mujer",   U"ayer",    U"hogar",    U"pilar",   U"par",
        U"ciudad", U"verdad", U"maldad",  U"voluntad", U"mitad",   U"heredad", U"piedad",   U"bondad",  U"libertad",
        U"sed",    U"red",    U"pared",   U"merced",   U"salud",   U"virtud",  U"juventud", U"multitud"};
    if (others.count(word)) return Join::Apart;
    // Verbs of one syllable: hazlo, dalo, diles, vílo, dílo, dióles, helo (he aquí, lo he).
    static const std::set<std::u32string_view> shortVerbs = {U"da",  U"di",  U"dí",  U"haz", U"vi",  U"ví",
                                                             U"ve",  U"pon", U"ten", U"sal", U"ven", U"dió",
                                                             U"vió", U"fué", U"dé",  U"he",  U"oid", U"id"};
    if (shortVerbs.count(word)) return Join::Together;
    const std::u32string_view w = word;
    if (w.size() >= 3 && (EndsWith(w, U"ar") || EndsWith(w, U"er") || EndsWith(w, U"ir") || EndsWith(w, U"ír")))
        return Join::Together;                                               // an infinitive: sacarla
    if (EndsWith(w, U"ándo") || EndsWith(w, U"éndo")) return Join::Together; // a gerund: mirándolos
    if (w.size() >= 3 && (EndsWith(w, U"ad") || EndsWith(w, U"ed") || EndsWith(w, U"id") || EndsWith(w, U"íd")))
        return EndsWith(w, U"idad") ? Join::Apart : Join::Together; // a plural command: desatadla

    bool hiatus = false;
    const int after = SyllablesAfterTheAccent(w, hiatus);
    // Without an accent mark, a word of more than one syllable that is none of the above would need
    // one with a pronoun on it, so the pronoun is not on it.
    if (after < 0) return Join::Apart;
    if (hiatus) return Join::Either;
    const char32_t last = w.back();
    if (after == 0) {
        if (last == U'ó' || last == U'é' || last == U'á') return Join::Together; // plantóla, meditélo
        if (EndsWith(w, U"éis") || EndsWith(w, U"áis")) return Join::Together;   // veréislo
        return Join::Either;
    }
    // Stressed on the syllable before the last: only the pronoun explains the mark (sáca-lo, púso-les),
    // unless the word ends in a consonant other than n or s (árbol, cárcel), as such words do.
    if (after == 1) return IsVowel(last) || last == U'n' || last == U's' ? Join::Together : Join::Apart;
    // Stressed further back: a verb that carries a pronoun already (júrame-lo, concédase-le), or a
    // word stressed so by itself (ejército, príncipe).
    for (const std::u32string_view tail : {U"me", U"te", U"se", U"nos", U"le", U"lo", U"la", U"les", U"los", U"las"})
        if (EndsWith(w, tail)) return Join::Together;
    return Join::Apart;
}

// ---------------------------------------------------------------------------------------------
// The markup reader

// Where a verse's text may read with a blank or without one: the reader could not tell.
constexpr char eitherMark = '\x01';

struct Tag {
    std::string_view name;
    std::string_view attributes;
    bool closing = false;
    bool empty = false; // <name ... />
};

// Reads the tag that begins at markup[at], a '<', moving at past its '>'.
Tag ReadTag(std::string_view markup, std::size_t& at) {
    const std::size_t end = std::min(markup.find('>', at), markup.size() - 1);
    std::string_view inside = markup.substr(at + 1, end - at - 1);
    at = end + 1;
    Tag tag;
    if (!inside.empty() && inside.front() == '/') {
        tag.closing = true;
        inside.remove_prefix(1);
    }
    if (!inside.empty() && inside.back() == '/') {
        tag.empty = true;
        inside.remove_suffix(1);
    }
    const std::size_t space = inside.find_first_of(" \t\n");
    tag.name = inside.substr(0, space);
    tag.attributes = space == std::string_view::npos ? std::string_view() : inside.substr(space);
    return tag;
}

bool Has(std::string_view attributes, std::string_view attribute) {
    return attributes.find(attribute) != std::string_view::npos;
}

// Elements whose content is no verse text: notes (with the cross-references), headings other than a
// psalm's own title, the speakers named above the Song of Solomon.
bool IsLeftOut(const Tag& tag) {
    if (tag.name == "title") return !Has(tag.attributes, "canonical=\"true\"");
    return tag.name == "note" || tag.name == "reference" || tag.name == "speaker";
}

// Elements that only mark up words: their edges may fall inside a word ("<w>with tear</w>s").
bool IsWithinWords(std::string_view name) {
    return name == "w" || name == "divineName" || name == "seg" || name == "foreign" || name == "hi" || name == "name";
}

// The character that markup[at], an '&', stands for, moving at past the entity.
char32_t ReadEntity(std::string_view markup, std::size_t& at) {
    const std::size_t semicolon = markup.find(';', at);
    if (semicolon != std::string_view::npos && semicolon - at <= 10) {
        const std::string_view name = markup.substr(at + 1, semicolon - at - 1);
        static const std::pair<std::string_view, char32_t> named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        char32_t c = 0;
        for (const auto& [entity, character] : named)
            if (name == entity) c = character;
        if (c == 0 && name.size() > 1 && name[0] == '#')
            c = static_cast<char32_t>(name[1] == 'x' ? std::strtoul(std::string(name.substr(2)).c_str(), nullptr, 16)
                                                     : std::strtoul(std::string(name.substr(1)).c_str(), nullptr, 10));
        if (c != 0) {
            at = semicolon + 1;
            return c;
        }
    }
    ++at;
    return '&';
}

bool IsClosingPunctuation(char32_t c) { return Contains(U",.;:!?)]”’»", c); }
bool IsOpeningPunctuation(char32_t c) { return Contains(U"([“‘«¿¡", c); }

// The last code point of text.
char32_t LastOf(std::string_view text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    return Decode(text, start);
}

// The letters at the end of text, and whether they begin a sentence (or the text).
std::u32string LastWord(std::string_view text, bool& startsSentence) {
    const std::u32string decoded = Decoded(text);
    std::size_t start = decoded.size();
    while (start > 0 && IsLetter(decoded[start - 1]))
        --start;
    std::size_t before = start;
    while (before > 0 && (decoded[before - 1] == ' ' || decoded[before - 1] == eitherMark))
        --before;
    startsSentence = before == 0 || Contains(U".!?:¿¡(", decoded[before - 1]);
    return decoded.substr(start);
}

// The first word of the added words that begin at markup[at], and whether more words follow it.
std::u32string AddedWord(std::string_view markup, std::size_t at, bool& more) {
    std::u32string word;
    while (at < markup.size()) {
        std::size_t next = at;
        const char32_t c = Decode(markup, next);
        if (!IsLetter(c)) break;
        word += c;
        at = next;
    }
    const std::size_t end = at;
    while (at < markup.size() && markup[at] == ' ')
        ++at;
    more = !word.empty() && at > end && at < markup.size() && markup[at] != '<';
    return word;
}

// What one verse's OSIS markup reads as. Notes, cross-references and headings are left out, a
// psalm's own title is kept, entities are decoded and white space becomes single blanks. Where an
// element other than one that marks up words begins or ends between two characters, the words
// stand apart, unless punctuation closes the one before or opens the one after; in the
// Reina-Valera (spanish) a pronoun the translators added after a verb is written onto it. The
// reading stops where the markup closes its book (bookEnds is then set).
std::string ReadVerse(std::string_view markup, bool spanish, bool* bookEnds = nullptr) {
    std::string text;
    bool blank = false;       // white space since the last character
    bool boundary = false;    // an element began or ended since the last character
    bool added = false;       // an element of added words began since the last character
    std::string_view leftOut; // the element being left out
    int depth = 0;            // how deep it nests in itself
    std::size_t at = 0;
    while (at < markup.size()) {
        const char c = markup[at];
        if (c == '<') {
            const Tag tag = ReadTag(markup, at);
            if (!leftOut.empty()) {
                if (tag.name == leftOut && !tag.empty) depth += tag.closing ? -1 : 1;
                if (depth == 0) {
                    leftOut = {};
                    boundary = true;
                }
            } else if (tag.name == "div" && tag.empty && Has(tag.attributes, "type=\"book\"") &&
                       Has(tag.attributes, "eID=")) {
                if (bookEnds) *bookEnds = true;
                break;
            } else if (!tag.closing && !tag.empty && IsLeftOut(tag)) {
                leftOut = tag.name;
                depth = 1;
            } else if (!IsWithinWords(tag.name)) {
                boundary = true;
                added = added || (tag.name == "transChange" && !tag.closing && !tag.empty);
            }
            continue;
        }
        if (!leftOut.empty()) {
            ++at;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = true;
            ++at;
            continue;
        }
        const std::size_t here = at;
        const char32_t next = c == '&' ? ReadEntity(markup, at) : Decode(markup, at);
        if (!text.empty()) {
            const char32_t before = LastOf(text);
            bool more = false;
            std::u32string pronoun;
            if (blank) {
                text += ' ';
            } else if (boundary && spanish && added && IsLetter(before) && IsLetter(next) &&
                       IsObjectPronoun(pronoun = AddedWord(markup, here, more))) {
                bool startsSentence = false;
                const std::u32string word = LastWord(text, startsSentence);
                Join join = PronounAfter(word, startsSentence);
                // "la", "las" and "los" before more added words may be articles: "dejaban la cría".
                if (join == Join::Together && more && (pronoun == U"la" || pronoun == U"las" || pronoun == U"los"))
                    join = Join::Either;
                if (join == Join::Apart) text += ' ';
                if (join == Join::Either) text += eitherMark;
            } else if (boundary && !IsClosingPunctuation(next) && !IsOpeningPunctuation(before)) {
                text += ' ';
            }
        }
        Encode(next, text);
        blank = boundary = added = false;
    }
    return text;
}

// ---------------------------------------------------------------------------------------------
// Modules

struct Verse {
    int book = 0, chapter = 0, verse = 0;
    std::string text; // may hold eitherMark
};

// The verses of a module's 66 books that have text, in the module's order.
struct Module {
    std::vector<Verse> verses;
    std::map<std::tuple<int, int, int>, std::size_t> index;
    std::map<std::pair<int, int>, std::pair<int, int>> chapters; // first and last verse with text

    const Verse* Find(int book, int chapter, int verse) const {
        const auto found = index.find({book, chapter, verse});
        return found == index.end() ? nullptr : &verses[found->second];
    }
    bool BeginsChapter(const Verse& verse) const {
        return chapters.at({verse.book, verse.chapter}).first == verse.verse;
    }
    bool EndsChapter(const Verse& verse) const {
        return chapters.at({verse.book, verse.chapter}).second == verse.verse;
    }
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads what mod2imp wrote: each verse a line "$$$Book C:V", then its markup up to the next such line.
Module ReadModule(const std::string& path, bool spanish) {
    Module module;
    const std::string all = ReadFile(path);
    const std::string_view file = all;
    int book = -1, chapter = 0, verse = 0;
    std::size_t bodyStart = 0;
    const auto finish = [&](std::size_t bodyEnd) {
        if (book < 0 || chapter < 1 || verse < 1 || bodyEnd < bodyStart) return;
        Verse read{book, chapter, verse, ReadVerse(file.substr(bodyStart, bodyEnd - bodyStart), spanish)};
        if (read.text.empty()) return;
        module.index[{book, chapter, verse}] = module.verses.size();
        auto found = module.chapters.find({book, chapter});
        if (found == module.chapters.end())
            module.chapters[{book, chapter}] = {verse, verse};
        else
            found->second.second = verse;
        module.verses.push_back(std::move(read));
    };
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t end = file.find('\n', at);
        if (end == std::string_view::npos) end = file.size();
        const std::string_view line = file.substr(at, end - at);
        if (line.substr(0, 3) == "$$$") {
            finish(at);
            book = -1;
            const std::size_t space = line.rfind(' ');
            const std::size_t colon = line.rfind(':');
            if (space != std::string_view::npos && colon != std::string_view::npos && colon > space) {
                book = BookOfModuleName(line.substr(3, space - 3));
                chapter = std::atoi(std::string(line.substr(space + 1, colon - space - 1)).c_str());
                verse = std::atoi(std::string(line.substr(colon + 1)).c_str());
            }
            bodyStart = end + 1;
        }
        at = end + 1;
    }
    finish(file.size());
    return module;
}

std::string PlansDir() {
    // A copy of the folder, changed on purpose, may be held against itself instead of the build's.
    if (const char* dir = std::getenv("QUILLMERE_SHIPPED_BOOKS")) return dir;
    return QUILLMERE_PLANS_DIR;
}

const Module& LoadModule(const std::string& name) {
    static std::map<std::string, std::unique_ptr<Module>> loaded;
    auto& module = loaded[name];
    if (!module) module = std::make_unique<Module>(ReadModule(PlansDir() + "/" + name + ".imp", name == "spaRV1909eb"));
    return *module;
}

// ---------------------------------------------------------------------------------------------
// Comparing texts

// Drops the blank before punctuation that closes a phrase, which a note beside it may leave or take.
std::string WithoutBlanksBeforePunctuation(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool blank = text[at] == ' ' || text[at] == eitherMark;
        if (blank && at + 1 < text.size() && std::string_view(",.;:!?").find(text[at + 1]) != std::string_view::npos)
            continue;
        out += text[at];
    }
    return out;
}

enum class Difference { None, Joined, Split, Other };

// How the book's text differs from what the module reads, and where it first does in each (both
// without blanks before punctuation).
Difference Compare(std::string_view expected, std::string_view actual, std::size_t& inExpected, std::size_t& inActual) {
    const std::string e = WithoutBlanksBeforePunctuation(expected);
    const std::string a = WithoutBlanksBeforePunctuation(actual);
    std::size_t i = 0, j = 0;
    while (i < e.size() && j < a.size()) {
        if (e[i] == eitherMark) {
            if (a[j] == ' ') ++j;
            ++i;
        } else if (e[i] == a[j]) {
            ++i;
            ++j;
        } else {
            break;
        }
    }
    if (i < e.size() && e[i] == eitherMark) ++i;
    inExpected = i;
    inActual = j;
    if (i == e.size() && j == a.size()) return Difference::None;
    const auto letters = [](std::string text) {
        text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == eitherMark; }),
                   text.end());
        return text;
    };
    if (letters(e) != letters(a)) return Difference::Other;
    return i < e.size() && e[i] == ' ' ? Difference::Joined : Difference::Split;
}

// Some 80 bytes of text around where, cut between characters.
std::string Around(std::string_view text, std::size_t where) {
    const auto within = [&](std::size_t at) {
        return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t start = where > 40 ? where - 40 : 0;
    while (start > 0 && within(start))
        --start;
    std::size_t end = std::min(start + 80, text.size());
    while (within(end))
        ++end;
    std::string part(text.substr(start, end - start));
    std::replace(part.begin(), part.end(), eitherMark, '|');
    return (start > 0 ? "..." : "") + part + (end < text.size() ? "..." : "");
}

// A sentence ends with a full stop, a question mark or an exclamation mark, and what closes a quotation.
bool EndsSentence(std::string_view text) {
    std::u32string decoded = Decoded(text);
    while (!decoded.empty() && Contains(U"”’\"')] \x01»", decoded.back()))
        decoded.pop_back();
    return !decoded.empty() && Contains(U".?!", decoded.back());
}

// ---------------------------------------------------------------------------------------------
// What is wrong with a book, by kind, with the first few of each

class Findings {
public:
    void Add(const std::string& kind, const std::string& what) {
        Kind& found = m_kinds[kind];
        if (found.examples.size() < shown) found.examples.push_back(what);
        ++found.count;
    }
    int Count() const {
        int count = 0;
        for (const auto& kind : m_kinds)
            count += kind.second.count;
        return count;
    }
    std::string Report() const {
        std::string report;
        for (const auto& [name, kind] : m_kinds) {
            report += std::to_string(kind.count) + " x " + name + ":\n";
            for (const auto& example : kind.examples)
                report += "    " + example + "\n";
            if (kind.count > static_cast<int>(kind.examples.size())) report += "    ...\n";
        }
        return report;
    }

private:
    static constexpr std::size_t shown = 12;
    struct Kind {
        int count = 0;
        std::vector<std::string> examples;
    };
    std::map<std::string, Kind> m_kinds;
};

const char* const joined = "verse text: words joined that the module prints apart";
const char* const split = "verse text: a word split that the module prints whole";
const char* const otherText = "verse text: other difference";
const char* const sequence = "verses dropped, doubled or out of order";
const char* const cut = "day cut where the plan allows none";
const char* const readingLine = "reading line that does not name the day";
const char* const layout = "day layout";

std::string Reference(const Verse& verse) {
    return std::string(AllBookNames()[verse.book].english) + " " + std::to_string(verse.chapter) + ":" +
           std::to_string(verse.verse);
}

void CompareText(Findings& findings, int day, const Verse& expected, std::string_view actual) {
    std::size_t inExpected = 0, inActual = 0;
    const Difference difference = Compare(expected.text, actual, inExpected, inActual);
    if (difference == Difference::None) return;
    const std::string what = "day " + std::to_string(day) + ", " + Reference(expected) + ": the book reads \"" +
                             Around(WithoutBlanksBeforePunctuation(actual), inActual) + "\", the module \"" +
                             Around(WithoutBlanksBeforePunctuation(expected.text), inExpected) + "\"";
    findings.Add(difference == Difference::Joined ? joined : difference == Difference::Split ? split : otherText, what);
}

// ---------------------------------------------------------------------------------------------
// The books

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find('\n', at);
        lines.emplace_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back(); // a line break at the very end
    return lines;
}

// The records of a book as the reader gives them, in UTF-8 with LF line breaks.
std::vector<std::string> ReadRecords(const std::string& path) {
    BookFile book;
    std::vector<std::string> records;
    if (!book.OpenBook(CString(path.c_str()))) return records;
    for (std::int32_t index = 0;; ++index) {
        std::string text = static_cast<const char*>(book.GetRecordText(index));
        if (text.empty()) break;
        std::string lf;
        for (std::size_t at = 0; at < text.size(); ++at)
            if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) lf += text[at];
        records.push_back(FromWindows1252(lf));
    }
    return records;
}

struct Day {
    std::string reading;
    std::vector<Verse> verses;
};

// "Genesis 12", "1 Samuel 3", "Psalm 23": the book and chapter a chapter's heading names.
bool ReadChapterName(const std::string& line, Language language, int& book, int& chapter) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string::npos || space + 1 == line.size()) return false;
    const std::string number = line.substr(space + 1);
    if (number.find_first_not_of("0123456789") != std::string::npos || number[0] == '0') return false;
    for (book = 0; book < bookCount; ++book)
        if (line.compare(0, space, ChapterName(book, language)) == 0 && ChapterName(book, language).size() == space) {
            chapter = std::atoi(number.c_str());
            return true;
        }
    return false;
}

// "12 And God said...": a verse's number and text.
bool ReadVerseLine(const std::string& line, int& verse, std::string& text) {
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || space + 1 == line.size() || line[space + 1] == ' ') return false;
    if (line.find_first_not_of("0123456789") != space || line[0] == '0') return false;
    verse = std::atoi(line.substr(0, space).c_str());
    text = line.substr(space + 1);
    return true;
}

// A day of a plan book: what it reads, an empty line, then each chapter's heading followed by its
// verses, each led by its number; an empty line may come before a heading.
Day ReadPlanDay(const std::string& record, int number, Language language, Findings& findings) {
    const std::string at = "day " + std::to_string(number) + ": ";
    const std::vector<std::string> lines = Lines(record);
    Day day;
    day.reading = lines[0];
    if (lines.size() < 3 || !lines[1].empty()) findings.Add(layout, at + "no empty line after the reading line");
    int book = -1, chapter = 0;
    bool versesInChapter = true;
    for (std::size_t line = 2; line < lines.size(); ++line) {
        int newBook = 0, newChapter = 0, verse = 0;
        std::string text;
        if (lines[line].empty() && line + 1 < lines.size() &&
            ReadChapterName(lines[line + 1], language, newBook, newChapter)) {
            continue; // an empty line may set a chapter apart from the one before
        }
        if (ReadChapterName(lines[line], language, newBook, newChapter)) {
            if (!versesInChapter) findings.Add(layout, at + "no verses under \"" + lines[line - 1] + "\"");
            book = newBook;
            chapter = newChapter;
            versesInChapter = false;
        } else if (ReadVerseLine(lines[line], verse, text)) {
            if (book < 0)
                findings.Add(layout, at + "a verse before any chapter's heading: \"" + lines[line] + "\"");
            else
                day.verses.push_back(Verse{book, chapter, verse, text});
            versesInChapter = true;
        } else {
            findings.Add(layout,
                         at + "a line that is neither a chapter's heading nor a verse: \"" + lines[line] + "\"");
        }
    }
    if (!versesInChapter) findings.Add(layout, at + "no verses under \"" + lines.back() + "\"");
    if (day.verses.empty()) findings.Add(layout, at + "no verses");
    return day;
}

// The ways a plan's day that reads from first to last may be named: whole chapters by their
// numbers ("Genesis 1-3", "Jonah 1 - Micah 2"), anything else by chapter and verse
// ("Psalms 2:8-3:1", "Jude 1:14 - Revelation 1:8").
std::vector<std::string> ReadingLines(const Module& module, const Verse& first, const Verse& last, Language language) {
    const bool whole = module.BeginsChapter(first) && module.EndsChapter(last);
    const std::string c1 = std::to_string(first.chapter), c2 = std::to_string(last.chapter);
    const std::string v1 = std::to_string(first.verse), v2 = std::to_string(last.verse);
    std::vector<std::string> lines;
    for (const std::string& n1 : ReadingNames(first.book, language)) {
        if (first.book == last.book) {
            if (whole)
                lines.push_back(n1 + " " + c1 + (c1 == c2 ? "" : "-" + c2));
            else if (first.chapter != last.chapter)
                lines.push_back(n1 + " " + c1 + ":" + v1 + "-" + c2 + ":" + v2);
            else
                lines.push_back(n1 + " " + c1 + ":" + v1 + (v1 == v2 ? "" : "-" + v2));
            continue;
        }
        for (const std::string& n2 : ReadingNames(last.book, language))
            lines.push_back(whole ? n1 + " " + c1 + " - " + n2 + " " + c2
                                  : n1 + " " + c1 + ":" + v1 + " - " + n2 + " " + c2 + ":" + v2);
    }
    return lines;
}

bool OneOf(const std::string& line, const std::vector<std::string>& lines) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The chapters of chronological.txt in its order, as book and chapter: each line "Genesis 1-11" or
// "Psalms 51". A line that names no book or no chapters reads as one chapter {-1, 0}.
std::vector<std::pair<int, int>> ReadChronologicalOrder() {
    std::vector<std::pair<int, int>> chapters;
    for (const std::string& line : Lines(ReadFile(QUILLMERE_CHRONOLOGICAL_ORDER))) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t space = line.rfind(' ');
        const int book = space == std::string::npos ? -1 : BookOfEnglishName(std::string_view(line).substr(0, space));
        const int first = book < 0 ? 0 : std::atoi(line.c_str() + space + 1);
        const std::size_t dash = line.find('-', space);
        const int last = dash == std::string::npos ? first : std::atoi(line.c_str() + dash + 1);
        if (first < 1 || last < first) chapters.emplace_back(-1, 0);
        for (int chapter = first; first >= 1 && chapter <= last; ++chapter)
            chapters.emplace_back(book, chapter);
    }
    return chapters;
}

enum class Plan { Bible, NewTestament, Psalms, ProverbsMonthly, VerseADay, Chronological, NewTestamentIn90Days };

// The plans the reader reads from the day it begins them, each of its own number of days; the
// others are read by the calendar.
bool IsPlan(Plan plan) { return plan != Plan::ProverbsMonthly && plan != Plan::VerseADay; }

constexpr int days = 365;

int PlanDays(Plan plan) { return plan == Plan::NewTestamentIn90Days ? 90 : days; }

struct ShippedBook {
    std::string file;
    const char* module;
    Language language;
    Plan plan;
    std::string title; // empty where the title goes unchecked
};

std::ostream& operator<<(std::ostream& out, const ShippedBook& book) { return out << book.file; }

// The seven books of each translation, in plan order: file names, module, language and title.
std::vector<ShippedBook> AllShippedBooks() {
    static const char* const english[] = {
        "Bible in a year", "New Testament in a year",      "Psalms in a year",        "Proverbs - a chapter a day",
        "A verse a day",   "Bible in chronological order", "New Testament in 90 days"};
    static const char* const spanish[] = {"Biblia - plan anual",        "Nuevo Testamento - plan anual",
                                          "Salmos - plan anual",        "Proverbios - plan mensual",
                                          "Un versiculo al dia",        "Biblia - orden cronologico",
                                          "Nuevo Testamento en 90 dias"};
    static const char* const englishTitles[] = {
        "", "", "", "", "", "The Bible in chronological order", "The New Testament in 90 days"};
    static const char* const spanishTitles[] = {
        "", "", "", "", "", "La Biblia en orden cronológico", "El Nuevo Testamento en 90 días"};
    static const std::tuple<const char*, const char*, const char*, Language> translations[] = {
        {"KJV", "KJV", "engKJV2006eb", Language::English},
        {"WEB", "WEB", "engWEB2015eb", Language::English},
        {"RV1909", "Reina-Valera 1909", "spaRV1909eb", Language::Spanish}};
    std::vector<ShippedBook> books;
    for (const auto& [tag, translation, module, language] : translations) {
        for (int plan = 0; plan < 7; ++plan) {
            const bool inSpanish = language == Language::Spanish;
            const std::string title = (inSpanish ? spanishTitles : englishTitles)[plan];
            books.push_back({std::string((inSpanish ? spanish : english)[plan]) + " (" + tag + ")", module, language,
                             static_cast<Plan>(plan), title.empty() ? "" : title + " (" + translation + ")"});
        }
    }
    return books;
}

// The verses a whole-book plan reads, as places in module.verses, in the order it reads them: the
// plan's books in the module's order, or for the chronological plan each chapter where the order
// of events puts it.
std::vector<std::size_t> PlanOrder(Plan plan, const Module& module) {
    std::vector<std::size_t> order;
    if (plan == Plan::Chronological) {
        for (const auto& [book, chapter] : ReadChronologicalOrder()) {
            const auto verses = module.chapters.find({book, chapter});
            if (verses == module.chapters.end()) continue;
            for (std::size_t at = module.index.at({book, chapter, verses->second.first});
                 at < module.verses.size() && module.verses[at].book == book && module.verses[at].chapter == chapter;
                 ++at)
                order.push_back(at);
        }
        return order;
    }
    const bool newTestament = plan == Plan::NewTestament || plan == Plan::NewTestamentIn90Days;
    const int firstBook = plan == Plan::Psalms ? psalms : newTestament ? matthew : 0;
    const int lastBook = plan == Plan::Psalms ? psalms : bookCount - 1;
    for (std::size_t at = 0; at < module.verses.size(); ++at)
        if (module.verses[at].book >= firstBook && module.verses[at].book <= lastBook) order.push_back(at);
    return order;
}

std::size_t Length(const Verse& verse) { return Decoded(verse.text).size(); }

// The whole-book plans: every verse of the plan's books with text, once and in the plan's order,
// over the plan's days; each day ending where the plan allows; each day named by what it reads,
// the chronological plan's by each run of chapters that follow one another in the Bible. In the
// chronological and the 90-day plans each day also reads from half to one and a half times the
// mean day's text, unless a single chapter makes the day.
void CheckWholeBooks(const ShippedBook& shipped, const Module& module, const std::vector<std::string>& records,
                     Findings& findings) {
    const std::vector<std::size_t> order = PlanOrder(shipped.plan, module);
    std::vector<std::size_t> positions(module.verses.size(), order.size());
    double mean = 0;
    for (std::size_t position = 0; position < order.size(); ++position) {
        positions[order[position]] = position;
        mean += Length(module.verses[order[position]]);
    }
    mean /= PlanDays(shipped.plan);
    const bool chronological = shipped.plan == Plan::Chronological;
    const bool lengths = chronological || shipped.plan == Plan::NewTestamentIn90Days;
    if (chronological) {
        const auto unread = std::count(positions.begin(), positions.end(), order.size());
        if (unread > 0)
            findings.Add(sequence, std::to_string(unread) + " verse(s) of chapters the order of events leaves out");
    }

    std::size_t next = 0;
    for (int number = 1; number <= PlanDays(shipped.plan); ++number) {
        const Day day = ReadPlanDay(records[number], number, shipped.language, findings);
        const std::string at = "day " + std::to_string(number) + ": ";
        std::vector<std::size_t> read; // the day's verses, as places in module.verses
        std::size_t length = 0;
        for (const Verse& verse : day.verses) {
            const auto found = module.index.find({verse.book, verse.chapter, verse.verse});
            const std::size_t position = found == module.index.end() ? order.size() : positions[found->second];
            if (position == order.size()) {
                findings.Add(sequence, at + Reference(verse) + ", which the plan's text does not hold");
                continue;
            }
            const Verse& expected = module.verses[found->second];
            if (position > next)
                findings.Add(sequence, at + std::to_string(position - next) + " verse(s) dropped from " +
                                           Reference(module.verses[order[next]]) + " before " + Reference(expected));
            if (position < next)
                findings.Add(sequence, at + Reference(expected) + " again, or out of order, after " +
                                           Reference(module.verses[order[next - 1]]));
            else
                next = position + 1;
            CompareText(findings, number, expected, verse.text);
            read.push_back(found->second);
            length += Length(expected);
        }
        if (read.empty()) continue;
        const Verse& first = module.verses[read.front()];
        const Verse& last = module.verses[read.back()];

        const bool chapterEnds = module.EndsChapter(last);
        if (!chapterEnds && (shipped.plan == Plan::Bible || chronological || !EndsSentence(last.text)))
            findings.Add(cut, at + "ends after " + Reference(last) + " \"" +
                                  Around(last.text, last.text.size() > 40 ? last.text.size() - 40 : 0) + "\"");
        // The chronological plan names each run of verses that follow one another in the Bible,
        // "; " between them ("Genesis 11; Job 1-2"); the others name the day from first to last.
        std::vector<std::vector<std::string>> runs; // the ways each run may be named
        for (std::size_t i = 1, runStart = 0; i <= read.size(); ++i) {
            if (i < read.size() && (!chronological || read[i] == read[i - 1] + 1)) continue;
            runs.push_back(
                ReadingLines(module, module.verses[read[runStart]], module.verses[read[i - 1]], shipped.language));
            runStart = i;
        }
        std::vector<std::string> parts;
        for (std::size_t from = 0;;) {
            const std::size_t to = day.reading.find("; ", from);
            parts.push_back(day.reading.substr(from, to - from));
            if (to == std::string::npos) break;
            from = to + 2;
        }
        bool named = parts.size() == runs.size();
        std::string reading;
        for (std::size_t run = 0; run < runs.size(); ++run) {
            named = named && OneOf(parts[run], runs[run]);
            reading += (run > 0 ? "; " : "") + runs[run].front();
        }
        if (!named) findings.Add(readingLine, at + "\"" + day.reading + "\" where it reads \"" + reading + "\"");
        const bool oneChapter =
            first.book == last.book && first.chapter == last.chapter && module.BeginsChapter(first) && chapterEnds;
        if (lengths && !oneChapter && (length < mean / 2 || length > mean * 1.5))
            findings.Add("day length", at + std::to_string(length) + " characters, against a mean of " +
                                           std::to_string(static_cast<int>(mean)));
    }
    if (next < order.size())
        findings.Add(sequence, std::to_string(order.size() - next) + " verse(s) from " +
                                   Reference(module.verses[order[next]]) + " on are on no day");
}

// Proverbs a chapter a day: each day reads the chapter of its day of the month, in a common year.
void CheckProverbs(const ShippedBook& shipped, const Module& module, const std::vector<std::string>& records,
                   Findings& findings) {
    static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int number = 1;
    for (int month = 0; month < 12; ++month)
        for (int date = 1; date <= monthDays[month]; ++date, ++number) {
            const Day day = ReadPlanDay(records[number], number, shipped.language, findings);
            const std::string at = "day " + std::to_string(number) + ": ";
            const std::string name = BookName(proverbs, shipped.language) + " " + std::to_string(date);
            if (day.reading != name)
                findings.Add(readingLine, at + "\"" + day.reading + "\" where it reads \"" + name + "\"");
            std::vector<const Verse*> chapter;
            for (const Verse& verse : module.verses)
                if (verse.book == proverbs && verse.chapter == date) chapter.push_back(&verse);
            std::size_t next = 0;
            for (const Verse& read : day.verses) {
                if (next < chapter.size() && read.book == proverbs && read.chapter == date &&
                    read.verse == chapter[next]->verse) {
                    CompareText(findings, number, *chapter[next++], read.text);
                } else {
                    findings.Add(sequence, at + Reference(read) + " where " +
                                               (next < chapter.size() ? Reference(*chapter[next]) : "nothing more") +
                                               " belongs");
                    if (next < chapter.size()) ++next;
                }
            }
            if (next < chapter.size())
                findings.Add(sequence, at + std::to_string(chapter.size() - next) + " verse(s) missing from " +
                                           Reference(*chapter[next]) + " on");
        }
}

struct Passage {
    int book = -1;
    int chapter = 0;
    int first = 0;
    int last = 0;
};

// The 365 passages of the verse list: "John 3:16", "Romans 8:38-39".
std::vector<Passage> ReadVerseList() {
    std::vector<Passage> passages;
    for (const std::string& line : Lines(ReadFile(QUILLMERE_VERSE_LIST))) {
        if (line.empty() || line[0] == '#') continue;
        Passage passage;
        const std::size_t space = line.rfind(' ');
        const std::size_t colon = line.find(':', space);
        if (space != std::string::npos && colon != std::string::npos) {
            passage.book = BookOfEnglishName(std::string_view(line).substr(0, space));
            passage.chapter = std::atoi(line.substr(space + 1, colon - space - 1).c_str());
            passage.first = std::atoi(line.substr(colon + 1).c_str());
            const std::size_t dash = line.find('-', colon);
            passage.last = dash == std::string::npos ? passage.first : std::atoi(line.substr(dash + 1).c_str());
        }
        passages.push_back(passage);
    }
    return passages;
}

// A verse a day: line N of the verse list, named in the book's language, an empty line and the
// text, each verse on a line of its own led by its number where there is more than one.
void CheckVerseADay(const ShippedBook& shipped, const Module& module, const std::vector<std::string>& records,
                    Findings& findings) {
    const std::vector<Passage> passages = ReadVerseList();
    ASSERT_EQ(passages.size(), static_cast<std::size_t>(days));
    for (int number = 1; number <= days; ++number) {
        const Passage& passage = passages[number - 1];
        const std::string at = "day " + std::to_string(number) + ": ";
        if (passage.book < 0) {
            findings.Add(layout, at + "line " + std::to_string(number) + " of the verse list names no passage");
            continue;
        }
        const std::vector<std::string> lines = Lines(records[number]);
        std::vector<std::string> named;
        for (const std::string& name : ReadingNames(passage.book, shipped.language))
            named.push_back(name + " " + std::to_string(passage.chapter) + ":" + std::to_string(passage.first) +
                            (passage.last == passage.first ? "" : "-" + std::to_string(passage.last)));
        if (!OneOf(lines[0], named))
            findings.Add(readingLine, at + "\"" + lines[0] + "\" where it reads \"" + named.front() + "\"");
        const int count = passage.last - passage.first + 1;
        if (lines.size() != static_cast<std::size_t>(count) + 2 || !lines[1].empty()) {
            findings.Add(layout, at + std::to_string(lines.size()) + " lines for " + std::to_string(count) +
                                     " verse(s) after the reference and an empty line");
            continue;
        }
        for (int verse = passage.first; verse <= passage.last; ++verse) {
            const Verse* expected = module.Find(passage.book, passage.chapter, verse);
            const std::string& line = lines[2 + verse - passage.first];
            if (!expected) {
                findings.Add(sequence, at + "the module has no text for a verse of " + named.front());
                continue;
            }
            if (count == 1) {
                CompareText(findings, number, *expected, line);
                continue;
            }
            int read = 0;
            std::string text;
            if (!ReadVerseLine(line, read, text) || read != verse)
                findings.Add(layout, at + "\"" + line + "\" where verse " + std::to_string(verse) + " belongs");
            else
                CompareText(findings, number, *expected, text);
        }
    }
}

class ShippedBooks : public ::testing::TestWithParam<ShippedBook> {};

TEST_P(ShippedBooks, ReadAsTheirModulePrintsThePlansVerses) {
    const ShippedBook& shipped = GetParam();
    const std::vector<std::string> records = ReadRecords(PlansDir() + "/" + shipped.file + ".pdb");
    ASSERT_EQ(records.size(), static_cast<std::size_t>(PlanDays(shipped.plan)) + 1)
        << "record 0 and one record for each day";
    const std::size_t dollar = records[0].find('$');
    EXPECT_TRUE(dollar != std::string::npos && dollar > 0 && dollar + 1 < records[0].size())
        << "record 0 is the title, a $ and the description";
    if (!shipped.title.empty()) {
        EXPECT_EQ(records[0].substr(0, dollar), shipped.title);
    }

    const Module& module = LoadModule(shipped.module);
    ASSERT_GT(module.verses.size(), 30000u);
    Findings findings;
    switch (shipped.plan) {
    case Plan::Bible:
    case Plan::NewTestament:
    case Plan::Psalms:
    case Plan::Chronological:
    case Plan::NewTestamentIn90Days:
        CheckWholeBooks(shipped, module, records, findings);
        break;
    case Plan::ProverbsMonthly:
        CheckProverbs(shipped, module, records, findings);
        break;
    case Plan::VerseADay:
        CheckVerseADay(shipped, module, records, findings);
        break;
    }
    EXPECT_EQ(findings.Count(), 0) << shipped.file << ":\n" << findings.Report();
}

// As the reader shows them: each of a plan's days, begun on any day, is that day's record under
// its heading, and a calendar book shows on every date what the reader of the calendar shows.
TEST_P(ShippedBooks, ShowEachDayAsTheReaderReadsIt) {
    const ShippedBook& shipped = GetParam();
    BookFile book;
    ASSERT_TRUE(book.OpenBook((PlansDir() + "/" + shipped.file + ".pdb").c_str()));
    const BookKind kind = book.GetBookInfo().kind;
    if (kind == BookKind::plan) {
        const Date start{2026, 12, 8};
        const int planDays = PlanDays(shipped.plan);
        for (int day = 1; day <= planDays; ++day) {
            const std::string shown = static_cast<const char*>(
                TextForDate(book, kind, start, DateOfPlanDay(start, day), "", "", EnglishDayWords(), planDays));
            const std::string heading = "Day " + std::to_string(day) + " of " + std::to_string(planDays) + ":\r\n\r\n";
            ASSERT_EQ(shown, heading + static_cast<const char*>(book.GetRecordText(day))) << day;
            // A reader of before plans reads the records by the calendar, and the mark, which
            // stands outside the record list, changes none of them.
            const Date date = DateOfPlanDay({2026, 1, 1}, day);
            ASSERT_EQ(std::string(VerseTextForDate(book, date.day, date.month, date.year, EnglishDayWords())),
                      "Verse " + std::to_string(day) + ":\r\n\r\n" + static_cast<const char*>(book.GetRecordText(day)));
        }
        return;
    }
    for (int year = 2026; year <= 2028; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(month, year); ++day)
                ASSERT_EQ(
                    std::string(TextForDate(book, kind, {2026, 12, 8}, {year, month, day}, "", "", EnglishDayWords())),
                    std::string(VerseTextForDate(book, day, month, year, EnglishDayWords())));
}

// The whole-book plans are read from the day the reader begins them, and say how many days they
// have; the others are read by the calendar.
TEST_P(ShippedBooks, SayWhetherTheyArePlans) {
    const ShippedBook& shipped = GetParam();
    const bool plan = IsPlan(shipped.plan);
    BookFile book;
    ASSERT_TRUE(book.OpenBook((PlansDir() + "/" + shipped.file + ".pdb").c_str()));
    EXPECT_EQ(book.GetBookInfo().kind, plan ? BookKind::plan : BookKind::calendar);
    EXPECT_EQ(book.GetBookInfo().codePage, 1252);
    if (plan) {
        EXPECT_EQ(book.GetBookInfo().planDays, PlanDays(shipped.plan));
    }
}

std::string TestName(const ::testing::TestParamInfo<ShippedBook>& info) {
    std::string name;
    for (const char* c = info.param.file.c_str(); *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Each, ShippedBooks, ::testing::ValuesIn(AllShippedBooks()), TestName);

// ---------------------------------------------------------------------------------------------
// The order of events the chronological plans read

TEST(ChronologicalOrder, HoldsEveryChapterOnceWhereItsEventsHappen) {
    ASSERT_EQ(oldTestamentBooks + std::size(newTestamentChapters), static_cast<std::size_t>(bookCount));
    int chapters = 0;
    for (int book = 0; book < bookCount; ++book)
        chapters += ChaptersOf(book);
    ASSERT_EQ(chapters, 1189);

    const std::vector<std::pair<int, int>> order = ReadChronologicalOrder();
    std::map<std::pair<int, int>, int> places;
    for (const auto& [book, chapter] : order) {
        if (book < 0 || chapter > ChaptersOf(book))
            ADD_FAILURE() << "a line that names no chapter of the 66 books, after " << places.size() << " chapters";
        else if (!places.emplace(std::pair(book, chapter), static_cast<int>(places.size())).second)
            ADD_FAILURE() << BookName(book, Language::English) << " " << chapter << " twice";
    }
    ASSERT_EQ(order.size(), 1189u);
    ASSERT_EQ(places.size(), 1189u);

    const auto place = [&](const char* book, int chapter) { return places.at({BookOfEnglishName(book), chapter}); };
    const auto eachChapter = [&](const char* first, const char* last, auto check) {
        for (int book = BookOfEnglishName(first); book <= BookOfEnglishName(last); ++book)
            for (int chapter = 1; chapter <= ChaptersOf(book); ++chapter)
                check(BookName(book, Language::English), chapter, places.at({book, chapter}));
    };
    EXPECT_EQ(place("Job", 1), place("Genesis", 11) + 1);
    EXPECT_GT(place("Psalms", 51), place("2 Samuel", 12));
    eachChapter("Ezra", "Nehemiah", [&](const std::string& book, int chapter, int at) {
        EXPECT_GT(at, place("2 Chronicles", 36)) << book << " " << chapter;
    });
    eachChapter("Revelation", "Revelation", [&](const std::string& book, int chapter, int at) {
        EXPECT_GE(at, 1189 - ChaptersOf(bookCount - 1)) << book << " " << chapter;
    });
    // Paul's letters beside the journeys of Acts.
    eachChapter("Romans", "Philemon", [&](const std::string& book, int chapter, int at) {
        EXPECT_GT(at, place("Acts", 13)) << book << " " << chapter;
    });
    eachChapter("1 Thessalonians", "1 Thessalonians", [&](const std::string& book, int chapter, int at) {
        EXPECT_LT(at, place("Acts", 19)) << book << " " << chapter;
    });
    eachChapter("Romans", "Romans", [&](const std::string& book, int chapter, int at) {
        EXPECT_LT(at, place("Acts", 21)) << book << " " << chapter;
    });
}

// ---------------------------------------------------------------------------------------------
// The markup reader itself, on verses as the modules write them

std::string English(std::string_view markup) { return ReadVerse(markup, false); }
std::string Spanish(std::string_view markup) {
    std::string text = ReadVerse(markup, true);
    std::replace(text.begin(), text.end(), eitherMark, '|');
    return text;
}

TEST(ShippedBooksMarkupReader, KeepsTogetherWhatTheMarkupWritesTogether) {
    const char* const readings[][2] = {
        {"<w lemma=\"strong:G4228\">feet</w> <w lemma=\"strong:G1144\">with tear</w>s, <w "
         "lemma=\"strong:G2532\">and</w>",
         "feet with tears, and"},
        {"<w>And</w> <w>in</w>asmuch", "And inasmuch"},
        {"a <w lemma=\"strong:H3117\">day’s</w> <w>journey</w>", "a day’s journey"},
        {"to <w lemma=\"strong:H4136\">God-ward</w>, that", "to God-ward, that"},
        {"the <divineName><w>LORD</w></divineName>’s <w>house</w>", "the LORD’s house"},
        {"said, “<w>Let</w> <w>there</w>”", "said, “Let there”"},
        {"<w>ground</w>—<w>man</w>", "ground—man"},
    };
    for (const auto& reading : readings)
        EXPECT_EQ(English(reading[0]), reading[1]);
}

TEST(ShippedBooksMarkupReader, SetsApartWordsThatElementsOfTheirOwnMeet) {
    // Words the Reina-Valera's translators added, set right beside the words around them.
    EXPECT_EQ(Spanish("<w lemma=\"strong:H8033\">hay allí</w><transChange type=\"added\">también</transChange>"
                      "<w lemma=\"strong:H0916\">bdelio</w> <w>y piedra</w>"),
              "hay allí también bdelio y piedra");
    EXPECT_EQ(Spanish("<w>Estas</w><transChange type=\"added\"><w>son las medidas</w> <w>de que</w></transChange>"
                      "<w>Salomón</w>"),
              "Estas son las medidas de que Salomón");
    // A quotation's end right before the next word.
    EXPECT_EQ(English("<w>righteousness</w>.”</q><w lemma=\"strong:G5119\">Then</w> <w>he</w>"),
              "righteousness.” Then he");
    // A note between two words, or between the parts of a quotation that it splits.
    EXPECT_EQ(English("<w>God</w><note placement=\"foot\"><reference type=\"annotateRef\">1:1 </reference>The "
                      "Hebrew word</note><w>created</w> <w>the</w>"),
              "God created the");
    EXPECT_EQ(English("<w>weeds</w></q><note placement=\"foot\">darnel</note><q marker=\"\" who=\"Jesus\">"
                      "<w>also</w>"),
              "weeds also");
    EXPECT_EQ(English("<w>Omega</w>,</q><note>TR adds</note><q who=\"Jesus\">”</q><w>says</w> <w>the</w>"),
              "Omega,” says the");
    // But no blank before what closes a phrase or after what opens one.
    EXPECT_EQ(English("<w>offspring</w>.<note>or, seed</note>” <div eID=\"gen1\" type=\"x-p\"/>"), "offspring.”");
    EXPECT_EQ(English("<w>is</w> incomprehensible<note>or, wonderful</note>?”"), "is incomprehensible?”");
    EXPECT_EQ(English("<w>Christ</w><note>Messiah</note>)."), "Christ).");
    EXPECT_EQ(Spanish("<w>familia</w> ¿<transChange type=\"added\">no es</transChange> <w>la más</w>"),
              "familia ¿no es la más");
}

TEST(ShippedBooksMarkupReader, WritesAnAddedPronounOntoTheVerbBeforeIt) {
    const auto added = [](const char* before, const char* pronoun) {
        return Spanish(std::string("<w>") + before + "</w><transChange type=\"added\">" + pronoun +
                       "</transChange> <w>siguiente</w>");
    };
    // The word before, the added words, and the reading; "|" where either reading is right.
    const char* const readings[][3] = {
        {"y alcánce", "la", "y alcáncela siguiente"},
        {"Y dijo: sáca", "lo", "Y dijo: sácalo siguiente"},
        {"y manifestaré", "lo aún", "y manifestarélo aún siguiente"},
        {"para desatar", "la", "para desatarla siguiente"},
        {"y sabiéndo", "lo", "y sabiéndolo siguiente"},
        {"desatad", "la", "desatadla siguiente"},
        {"haz", "lo", "hazlo siguiente"},
        {"Y Labán plantó", "la", "Y Labán plantóla siguiente"},
        {"y tráeme", "lo", "y tráemelo siguiente"},
        // A capital that begins a sentence is no name.
        {"Dad", "me", "Dadme siguiente"},
        {"Y dijo Jacob: Júrame", "lo", "Y dijo Jacob: Júramelo siguiente"},
        {"Medité", "lo", "Meditélo siguiente"},
        // Before a verb, or after another word, the pronoun stands apart.
        {"el ángel de Jehová", "los", "el ángel de Jehová los siguiente"},
        {"la cual Josué", "los", "la cual Josué los siguiente"},
        {"si Dios", "lo", "si Dios lo siguiente"},
        {"cuánto", "nos", "cuánto nos siguiente"},
        {"y", "la", "y la siguiente"},
        {"que", "la", "que la siguiente"},
        {"no", "lo", "no lo siguiente"},
        {"y dejaban", "la cría", "y dejaban la cría siguiente"},
        {"del ejército", "se llamaba", "del ejército se llamaba siguiente"},
        // Where the spelling cannot tell, either reading is right.
        {"y tenía", "la", "y tenía|la siguiente"},
        {"y presentó", "la casa", "y presentó|la casa siguiente"},
    };
    for (const auto& reading : readings)
        EXPECT_EQ(added(reading[0], reading[1]), reading[2]) << reading[0];
    EXPECT_EQ(Spanish("y repartiéron<transChange type=\"added\">lo</transChange> prestamente"),
              "y repartiéronlo prestamente");
    // English has no such pronouns.
    EXPECT_EQ(English("<w>sent</w><transChange type=\"added\">me</transChange>"), "sent me");
}

TEST(ShippedBooksMarkupReader, ReadsOnlyTheVerseText) {
    // Notes and cross-references out, with all they hold.
    EXPECT_EQ(English("<w>light</w>.<note placement=\"foot\"><reference type=\"annotateRef\">1.4 </reference>the "
                      "light from…: Heb. <seg><divineName>LORD</divineName></seg></note>"),
              "light.");
    EXPECT_EQ(English("<w>evaluated</w>,<note type=\"crossReference\"><reference subType=\"x-origin\" "
                      "type=\"annotateRef\">12:4 </reference><reference>Exodus 30:12</reference></note> <w>and</w>"),
              "evaluated, and");
    // Headings out; a psalm's own title kept at the start of its verse.
    EXPECT_EQ(English("<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"pv1\"/><title><foreign>ב "
                      "BETH.</foreign></title> <lg sID=\"g1\"/> <l level=\"1\" sID=\"g2\"/>Wherewithal shall"),
              "Wherewithal shall");
    EXPECT_EQ(English("<title canonical=\"true\" type=\"psalm\">A <w>Psalm</w> of David.</title> <lg sID=\"a\"/>"
                      "<divineName><w>LORD</w></divineName>, how"),
              "A Psalm of David. LORD, how");
    EXPECT_EQ(English("<w>Amen</w>. <title>Written to the Hebrews from Italy by Timothy.</title>"), "Amen.");
    EXPECT_EQ(English("<speaker>Beloved</speaker> <lg sID=\"a\"/> <l level=\"1\" sID=\"b\"/>Let <w>him</w> kiss"),
              "Let him kiss");
    // Entities decoded, white space one blank, nothing after the end of the book.
    EXPECT_EQ(English("bread &amp; wine, &#8220;salt&#x201D; \t and\n  oil  "), "bread & wine, “salt” and oil");
    EXPECT_EQ(English("saints. Amen.  <chapter eID=\"Rev.22\"/> <div canonical=\"true\" eID=\"g9\" osisID=\"Rev\" "
                      "type=\"book\"/> <div sID=\"g10\" type=\"glossary\"/> Abaddon is Hebrew for destruction."),
              "saints. Amen.");
    // Poetry lines and paragraphs part words.
    EXPECT_EQ(English("refuge.<l eID=\"a\" level=\"2\"/><l sID=\"b\" type=\"selah\"/>Selah.<l eID=\"b\"/>"),
              "refuge. Selah.");
}

TEST(ShippedBooksMarkupReader, TellsADifferenceInBlanksFromOneInWords) {
    const auto compare = [](std::string_view expected, std::string_view actual) {
        std::size_t inExpected = 0, inActual = 0;
        return Compare(expected, actual, inExpected, inActual);
    };
    EXPECT_EQ(compare("hay allí también bdelio", "hay allí también bdelio"), Difference::None);
    EXPECT_EQ(compare("hay allí también bdelio", "hay allítambién bdelio"), Difference::Joined);
    EXPECT_EQ(compare("with tears", "with tear s"), Difference::Split);
    EXPECT_EQ(compare("with tears", "with teers"), Difference::Other);
    EXPECT_EQ(compare("the LORD, said", "the LORD , said"), Difference::None);
    EXPECT_EQ(compare("y tenía\x01la cosa", "y tenía la cosa"), Difference::None);
    EXPECT_EQ(compare("y tenía\x01la cosa", "y teníala cosa"), Difference::None);
    EXPECT_EQ(compare("y tenía\x01la cosa", "y teníalacosa"), Difference::Joined);
    EXPECT_TRUE(EndsSentence("he said, “Go in peace.”"));
    EXPECT_TRUE(EndsSentence("¿Dónde estás tú?"));
    EXPECT_FALSE(EndsSentence("and he said,"));
    EXPECT_FALSE(EndsSentence("saying:"));
}

} // namespace
