#include "tools/quillbook/PlanBook.h"

#include "tools/quillbook/BookSource.h"
#include "tools/quillbook/ChronologicalOrder.h"
#include "tools/quillbook/CodePage.h"
#include "tools/quillbook/PdbWriter.h"
#include "tools/quillbook/Readings.h"
#include "tools/quillbook/SwordImport.h"
#include "tools/quillbook/VerseList.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

std::string Reference(const PlanVerse& verse) {
    return std::string(ImportName(verse.book)) + " " + std::to_string(verse.chapter) + ":" +
           std::to_string(verse.verse);
}

bool StartsChapter(const std::vector<PlanVerse>& verses, std::size_t i) {
    return i == 0 || verses[i - 1].book != verses[i].book || verses[i - 1].chapter != verses[i].chapter;
}

bool EndsChapter(const std::vector<PlanVerse>& verses, std::size_t i) {
    return i + 1 == verses.size() || verses[i + 1].book != verses[i].book || verses[i + 1].chapter != verses[i].chapter;
}

// The plan's title and description in the book's language, where the user gave none.
// A plan of other than 365 days says its days where the plan's own words say "in a year".
std::string OfItsDays(std::string text, const PlanOptions& options) {
    if (options.days == daysInCommonYear) return text;
    const bool spanish = options.language == Language::spanish;
    const std::string year = spanish ? " en un año" : " in a year";
    const std::size_t at = text.find(year);
    if (at == std::string::npos) return text;
    const std::string days = std::to_string(options.days);
    return text.replace(at, year.size(),
                        spanish ? " en " + days + (options.days == 1 ? " día" : " días")
                                : " in " + days + (options.days == 1 ? " day" : " days"));
}

std::string OwnTitle(const PlanOptions& options) {
    const std::string title =
        OfItsDays(FactsOf(options.plan).title[options.language == Language::spanish ? 1 : 0], options);
    return options.translation.empty() ? title : title + " (" + options.translation + ")";
}

// The plan's own description; a plan of other days says only that its days are alike, and a book
// read by the calendar what 29 February reads. A plan is read day after day from its start.
std::string OwnDescription(const PlanOptions& options) {
    const bool spanish = options.language == Language::spanish;
    const PlanFacts& facts = FactsOf(options.plan);
    std::string description = facts.description[spanish ? 1 : 0];
    if (options.days != daysInCommonYear)
        description = OfItsDays(facts.title[spanish ? 1 : 0], options) +
                      (spanish ? ", cada día de una longitud parecida." : ", each day of about the same length.");
    if (facts.kind == BookKind::calendar)
        description +=
            spanish ? " El 29 de febrero se lee el texto del 1 de enero." : " 29 February reads the text of 1 January.";
    return options.source.empty() ? description : description + " " + options.source;
}

// The passages of a verse list, one for each day, from the module's verses; false, with a reason
// that names the line, where the list cannot make a year or names what the module lacks.
bool ListDays(const std::vector<ModuleVerse>& module, const std::string& listText, std::vector<PlanVerse>& verses,
              std::vector<std::vector<std::size_t>>& days, std::string& error) {
    std::vector<ListedReference> references;
    if (!ReadVerseList(listText, references, error)) return false;
    if (references.size() != static_cast<std::size_t>(daysInCommonYear)) {
        error = "the list holds " + std::to_string(references.size()) + " references, not one for each of the " +
                std::to_string(daysInCommonYear) + " days";
        return false;
    }
    std::map<std::tuple<int, int, int>, const ModuleVerse*> byPlace;
    std::vector<bool> bookFound(bookCount, false);
    for (const ModuleVerse& verse : module) {
        const int book = BookIndex(verse.book);
        if (book < 0) continue;
        bookFound[book] = true;
        byPlace[{book, verse.chapter, verse.verse}] = &verse;
    }
    verses.clear();
    days.clear();
    for (const auto& [reference, lineNumber] : references) {
        const std::string line = "line " + std::to_string(lineNumber) + ": ";
        if (!bookFound[reference.book]) {
            error = line + "the source has no verse of " + ImportName(reference.book);
            return false;
        }
        days.emplace_back();
        for (int number = reference.firstVerse; number <= reference.lastVerse; ++number) {
            const auto found = byPlace.find({reference.book, reference.chapter, number});
            if (found == byPlace.end() || found->second->text.empty()) {
                error = line + "the source has no " + ImportName(reference.book) + " " +
                        std::to_string(reference.chapter) + ":" + std::to_string(number);
                return false;
            }
            days.back().push_back(verses.size());
            verses.push_back({reference.book, reference.chapter, number, found->second->text});
        }
    }
    return true;
}

// The verses of a readings file's days, from the module's verses, and each day's passages; false, with a reason that
// names the line, where a line is no reading or names what the module lacks. A whole chapter reads the verses the
// module has of it.
bool ReadingsDays(const std::vector<ModuleVerse>& module, const std::string& text, std::vector<PlanVerse>& verses,
                  std::vector<std::vector<std::size_t>>& days, std::vector<std::vector<PassageReference>>& passages,
                  std::string& error) {
    std::vector<ReadingsLine> lines;
    if (!ReadReadings(text, lines, error)) return false;
    std::map<std::pair<int, int>, std::vector<const ModuleVerse*>> chapters;
    for (const ModuleVerse& verse : module)
        if (BookIndex(verse.book) >= 0) chapters[{BookIndex(verse.book), verse.chapter}].push_back(&verse);
    verses.clear();
    days.clear();
    passages.clear();
    for (const ReadingsLine& line : lines) {
        const std::string at = "line " + std::to_string(line.line) + ": the source has no ";
        days.emplace_back();
        passages.push_back(line.passages);
        for (const PassageReference& passage : line.passages) {
            const int lastChapter = passage.lastChapter ? passage.lastChapter : passage.chapter;
            for (int chapter = passage.chapter; chapter <= lastChapter; ++chapter) {
                const auto found = chapters.find({passage.book, chapter});
                const std::string where = std::string(ImportName(passage.book)) + " " + std::to_string(chapter);
                if (found == chapters.end()) {
                    error = at + where;
                    return false;
                }
                const int first = passage.verse, last = passage.lastVerse ? passage.lastVerse : passage.verse;
                for (int number = first; first > 0 && number <= last; ++number) {
                    const auto verse = std::find_if(found->second.begin(), found->second.end(),
                                                    [&](const ModuleVerse* v) { return v->verse == number; });
                    if (verse == found->second.end() || (*verse)->text.empty()) {
                        error = at + where + ":" + std::to_string(number);
                        return false;
                    }
                }
                for (const ModuleVerse* verse : found->second) {
                    if (verse->text.empty() || (first > 0 && (verse->verse < first || verse->verse > last))) continue;
                    days.back().push_back(verses.size());
                    verses.push_back({passage.book, chapter, verse->verse, verse->text});
                }
            }
        }
    }
    return true;
}

// What a passage of a readings file reads, named as a whole-book plan's day names it: "Psalm 23",
// "Genesis 1-3", "Matthew 5:1-20".
std::string PassageReading(const PassageReference& passage, Language language) {
    std::string reading =
        std::string(passage.verse == 0 && passage.lastChapter == 0 ? ChapterName(passage.book, language)
                                                                   : BookName(passage.book, language)) +
        " " + std::to_string(passage.chapter);
    if (passage.lastChapter) reading += "-" + std::to_string(passage.lastChapter);
    if (passage.verse) reading += ":" + std::to_string(passage.verse);
    if (passage.lastVerse) reading += "-" + std::to_string(passage.lastVerse);
    return reading;
}

// A day of readings: what each of its passages reads, then the chapters of them all.
std::string ReadingsDayText(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day,
                            const std::vector<PassageReference>& passages, Language language) {
    std::string reading;
    for (const PassageReference& passage : passages)
        reading += (reading.empty() ? "" : "; ") + PassageReading(passage, language);
    const std::string text = DayText(verses, day, language);
    return reading + text.substr(text.find('\n'));
}

// The verses of the whole Bible, in canonical order, put in the order their chapters happened.
std::vector<PlanVerse> InChronologicalOrder(const std::vector<PlanVerse>& verses) {
    std::map<std::pair<int, int>, std::vector<const PlanVerse*>> chapters;
    for (const PlanVerse& verse : verses)
        chapters[{verse.book, verse.chapter}].push_back(&verse);
    std::vector<PlanVerse> ordered;
    ordered.reserve(verses.size());
    for (const auto& chapter : ChronologicalChapters())
        for (const PlanVerse* verse : chapters[chapter])
            ordered.push_back(*verse);
    return ordered;
}

// A day of the chronological plan: what each of its runs of chapters, one after another in the
// Bible, reads ("Genesis 11; Job 1-2"), then the chapters.
std::string ChronologicalDayText(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day,
                                 Language language) {
    std::string reading;
    for (std::size_t first = 0, n = 1; n <= day.size(); ++n) {
        const PlanVerse* before = &verses[day[n - 1]];
        const PlanVerse* next = n < day.size() ? &verses[day[n]] : nullptr;
        const bool goesOn =
            next &&
            ((next->book == before->book &&
              (next->chapter == before->chapter || next->chapter == before->chapter + 1)) ||
             (next->book == before->book + 1 && next->chapter == 1 && before->chapter == ChapterCount(before->book)));
        if (goesOn) continue;
        reading += (reading.empty() ? "" : "; ") +
                   DayReading(verses, {day.begin() + static_cast<std::ptrdiff_t>(first), day.begin() + n}, language);
        first = n;
    }
    const std::string text = DayText(verses, day, language);
    return reading + text.substr(text.find('\n'));
}

// A day of a verse list: the passage of its verses.
std::string ListedDayText(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day,
                          Language language) {
    return ChosenDayText({verses.begin() + day.front(), verses.begin() + day.back() + 1}, language);
}

bool Encode(const std::string& text, unsigned codePage, const std::string& what, std::string& out, std::string& error) {
    std::string unwritable;
    if (FromUtf8(text, codePage, out, unwritable)) return true;
    error = what + " holds " + unwritable + ", which code page " + std::to_string(codePage) + " cannot hold";
    return false;
}

} // namespace

std::string DayReading(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day, Language language) {
    const std::size_t firstIndex = day.front(), lastIndex = day.back();
    const PlanVerse &first = verses[firstIndex], &last = verses[lastIndex];
    const bool wholeChapters = StartsChapter(verses, firstIndex) && EndsChapter(verses, lastIndex);
    const std::string firstBook = first.book == last.book && first.chapter == last.chapter && wholeChapters
                                      ? ChapterName(first.book, language)
                                      : BookName(first.book, language);
    std::string reading = firstBook + " " + std::to_string(first.chapter);
    if (!wholeChapters) reading += ":" + std::to_string(first.verse);
    if (first.book != last.book) {
        reading += std::string(" - ") + BookName(last.book, language) + " " + std::to_string(last.chapter);
        if (!wholeChapters) reading += ":" + std::to_string(last.verse);
    } else if (wholeChapters) {
        if (last.chapter != first.chapter) reading += "-" + std::to_string(last.chapter);
    } else if (last.chapter != first.chapter) {
        reading += "-" + std::to_string(last.chapter) + ":" + std::to_string(last.verse);
    } else if (last.verse != first.verse) {
        reading += "-" + std::to_string(last.verse);
    }
    return reading;
}

std::string DayText(const std::vector<PlanVerse>& verses, const std::vector<std::size_t>& day, Language language) {
    std::string text = DayReading(verses, day, language) + "\n";
    for (std::size_t n = 0; n < day.size(); ++n) {
        const PlanVerse& verse = verses[day[n]];
        if (n == 0 || verses[day[n - 1]].chapter != verse.chapter || verses[day[n - 1]].book != verse.book)
            text += std::string("\n") + ChapterName(verse.book, language) + " " + std::to_string(verse.chapter) + "\n";
        text += std::to_string(verse.verse) + " " + verse.text + "\n";
    }
    text.pop_back();
    return text;
}

std::string ChosenDayText(const std::vector<PlanVerse>& passage, Language language) {
    const PlanVerse &first = passage.front(), &last = passage.back();
    std::string text = std::string(ChapterName(first.book, language)) + " " + std::to_string(first.chapter) + ":" +
                       std::to_string(first.verse);
    if (last.verse != first.verse) text += "-" + std::to_string(last.verse);
    text += "\n";
    for (const PlanVerse& verse : passage)
        text += "\n" + (passage.size() > 1 ? std::to_string(verse.verse) + " " : std::string()) + verse.text;
    return text;
}

bool PlanVerses(const std::vector<ModuleVerse>& module, Plan plan, std::vector<PlanVerse>& verses, std::string& error) {
    verses.clear();
    const PlanFacts& facts = FactsOf(plan);
    std::vector<bool> found(bookCount, false);
    for (const ModuleVerse& verse : module) {
        const int book = BookIndex(verse.book);
        if (book < facts.firstBook || book > facts.lastBook) continue;
        found[book] = true;
        if (!verse.text.empty()) verses.push_back({book, verse.chapter, verse.verse, verse.text});
    }
    for (int book = facts.firstBook; book <= facts.lastBook; ++book) {
        if (!found[book]) {
            error = std::string("the source has no verse of ") + ImportName(book) + ", which the plan reads";
            return false;
        }
    }
    if (plan == Plan::chronological) verses = InChronologicalOrder(verses);
    return true;
}

bool MakePlanBook(const std::string& importText, const PlanOptions& options, std::uint32_t palmTime, std::string& bytes,
                  std::string& error) {
    std::vector<ModuleVerse> module;
    std::vector<PlanVerse> verses;
    std::vector<std::vector<std::size_t>> days;
    std::vector<std::vector<PassageReference>> passages;
    if (!ReadSwordImport(importText, module, error)) return false;
    const bool listed = options.plan == Plan::verseList;
    if (listed) {
        if (!ListDays(module, options.list, verses, days, error)) return false;
    } else if (options.plan == Plan::readings) {
        if (!ReadingsDays(module, options.list, verses, days, passages, error)) return false;
    } else {
        if (!PlanVerses(module, options.plan, verses, error)) return false;
        days = PlanDays(options.plan, verses, options.days);
        if (days.empty()) {
            error = "the source's verses cannot be cut into " + std::to_string(options.days) + " days";
            return false;
        }
    }
    const auto dayText = listed ? ListedDayText : options.plan == Plan::chronological ? ChronologicalDayText : DayText;

    BookSource book;
    const std::string title = options.title.empty() ? OwnTitle(options) : options.title;
    const std::string description = options.description.empty() ? OwnDescription(options) : options.description;
    if (title.find('$') != std::string::npos || title.find('\n') != std::string::npos) {
        error = "a book's title holds no \"$\" and no line break";
        return false;
    }
    if (!Encode(title, options.codePage, "the title", book.title, error) ||
        !Encode(description, options.codePage, "the description", book.description, error))
        return false;
    for (std::size_t d = 0; d < days.size(); ++d) {
        const std::vector<std::size_t>& day = days[d];
        const std::string text = passages.empty() ? dayText(verses, day, options.language)
                                                  : ReadingsDayText(verses, day, passages[d], options.language);
        book.verses.emplace_back();
        if (Encode(text, options.codePage, "a day", book.verses.back(), error)) continue;
        // The day holds a character that the code page cannot: name the verse it stands in.
        for (std::size_t i : day) {
            std::string ignored;
            if (!Encode(verses[i].text, options.codePage, Reference(verses[i]), ignored, error)) break;
        }
        return false;
    }
    const BookInfo info{FactsOf(options.plan).kind, static_cast<std::uint16_t>(options.codePage),
                        static_cast<std::uint16_t>(days.size())};
    bytes = WritePalmDatabase(book.title, BookRecords(book), palmTime, info);
    return true;
}
