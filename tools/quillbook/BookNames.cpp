#include "tools/quillbook/BookNames.h"

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

} // namespace

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
    if (name == "en" || name == "english") language = Language::english;
    else if (name == "es" || name == "spanish") language = Language::spanish;
    else return false;
    return true;
}
