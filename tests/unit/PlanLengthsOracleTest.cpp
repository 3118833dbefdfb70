// Reading plans of any length, made by running the book tool as a program, read back as the reader
// reads them and held against the KJV module they are made from. The module is read here by a few
// lines of this file's own, so that a fault in how the tool reads it, splits it into days or writes
// the days shows as a difference: a verse dropped or read twice, a day far longer than the others
// where it could have been cut, a title or a reading line that does not say what the book holds.

#include "reader/book/BookFile.h"
#include "reader/book/BookLayout.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include <sys/wait.h>

namespace {

// ---------------------------------------------------------------------------------------------
// The module: each verse a line "$$$Book C:V", then its markup up to the next such line.

struct ModuleVerse {
    int book = 0, chapter = 0, verse = 0;
};

struct Module {
    std::vector<std::string> books;  // as the module names them, in its order
    std::vector<ModuleVerse> verses; // those with text, in the module's order
    std::map<std::tuple<int, int, int>, std::size_t> positions;

    int BookNamed(std::string_view name) const {
        const auto found = std::find(books.begin(), books.end(), name);
        return found == books.end() ? -1 : static_cast<int>(found - books.begin());
    }
    // Where the verse stands among the verses with text; verses.size() for one that has none.
    std::size_t Position(int book, int chapter, int verse) const {
        const auto found = positions.find({book, chapter, verse});
        return found == positions.end() ? verses.size() : found->second;
    }
    bool SameChapter(std::size_t a, std::size_t b) const {
        return verses[a].book == verses[b].book && verses[a].chapter == verses[b].chapter;
    }
    bool BeginsChapter(std::size_t at) const { return at == 0 || !SameChapter(at - 1, at); }
    bool EndsChapter(std::size_t at) const { return at + 1 == verses.size() || !SameChapter(at, at + 1); }
};

// Whether a verse's markup holds any text once its elements are taken out.
bool HasText(std::string_view markup) {
    bool inTag = false;
    for (const char c : markup) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag && c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return true;
    }
    return false;
}

// The module's headings of itself and of its testaments, and each book's and chapter's
// introduction (verse 0), are no verses.
Module ReadModule(const std::string& path) {
    Module module;
    const std::string file = TempFolder::Read(path);
    int book = -1, chapter = 0, verse = 0;
    std::size_t body = 0;
    const auto finish = [&](std::size_t end) {
        if (book < 0 || chapter < 1 || verse < 1 || !HasText(std::string_view(file).substr(body, end - body))) return;
        module.positions[{book, chapter, verse}] = module.verses.size();
        module.verses.push_back({book, chapter, verse});
    };
    for (std::size_t at = 0; at < file.size();) {
        std::size_t end = file.find('\n', at);
        if (end == std::string::npos) end = file.size();
        if (file.compare(at, 3, "$$$") == 0) {
            finish(at);
            const std::string line = file.substr(at + 3, end - at - 3);
            const std::size_t space = line.rfind(' '), colon = line.rfind(':');
            book = -1;
            if (space != std::string::npos && colon != std::string::npos && colon > space) {
                const std::string name = line.substr(0, space);
                book = module.BookNamed(name);
                if (book < 0) {
                    book = static_cast<int>(module.books.size());
                    module.books.push_back(name);
                }
                chapter = std::atoi(line.substr(space + 1, colon - space - 1).c_str());
                verse = std::atoi(line.substr(colon + 1).c_str());
            }
            body = std::min(end + 1, file.size());
        }
        at = end + 1;
    }
    finish(file.size());
    return module;
}

const Module& Kjv() {
    static const Module module = ReadModule(QUILLMERE_PLANS_DIR "/engKJV2006eb.imp");
    return module;
}

// The book's name as the days write it: "I Samuel" is "1 Samuel", "Revelation of John" "Revelation".
std::string EnglishName(const std::string& moduleName) {
    if (moduleName == "Revelation of John") return "Revelation";
    for (const auto& [roman, number] : {std::pair{"III ", "3 "}, std::pair{"II ", "2 "}, std::pair{"I ", "1 "}})
        if (moduleName.rfind(roman, 0) == 0) return number + moduleName.substr(std::string_view(roman).size());
    return moduleName;
}

// A chapter's heading names a psalm "Psalm 23"; a reading line may name the book either way.
std::string ChapterName(const std::string& moduleName) {
    return moduleName == "Psalms" ? "Psalm" : EnglishName(moduleName);
}

// ---------------------------------------------------------------------------------------------
// The plans and the tool

struct Plan {
    const char* name;
    const char* firstBook; // as the module names them
    const char* lastBook;
};

const Plan plans[] = {{"bible", "Genesis", "Revelation of John"},
                      {"new-testament", "Matthew", "Revelation of John"},
                      {"psalms", "Psalms", "Psalms"}};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct ToolRun {
    int exitCode = 0;   // -1 when the tool did not end by itself
    std::string output; // what the tool wrote to its standard output and error
};

// Runs the book tool with arguments, each a word of the command line.
ToolRun RunTool(const std::vector<std::string>& arguments, const TempFolder& folder, const std::string& name) {
    std::string command = Quoted(QUILLMERE_BOOK_TOOL);
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    const std::string output = folder.Path(name + ".out");
    const int status = std::system((command + " >" + Quoted(output) + " 2>&1").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempFolder::Read(output)};
}

std::vector<std::string> PlanArguments(const Plan& plan, int days, const std::string& out) {
    return {"plan", "--days", std::to_string(days), plan.name, QUILLMERE_PLANS_DIR "/engKJV2006eb.imp", out};
}

// ---------------------------------------------------------------------------------------------
// The days

struct DayVerse {
    int book = 0, chapter = 0, verse = 0;
    std::size_t length = 0; // of its text as the module holds it, in UTF-8 bytes
    bool endsSentence = false;
};

struct Day {
    std::string reading;
    std::vector<DayVerse> verses;
};

std::vector<std::string> Lines(const std::string& record) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= record.size();) {
        std::size_t end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        lines.push_back(record.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// How many bytes UTF-8 gives text in Windows-1252: the letters of Latin-1 take two, and of the
// marks at 0x80 to 0x9F, those of Latin Extended and the spacing modifiers two, the rest three.
std::size_t Utf8Length(std::string_view text) {
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool twoOfThePunctuation =
            std::string_view("\x83\x88\x8A\x8C\x8E\x9A\x9C\x9E\x9F").find(c) != std::string_view::npos;
        length += byte < 0x80 ? 1 : byte >= 0xA0 || twoOfThePunctuation ? 2 : 3;
    }
    return length;
}

// A sentence ends with a full stop, a question mark or an exclamation mark, before whatever closes
// a quotation or a bracket (the book's text is in Windows-1252: 0x92 and 0x94 close quotations).
bool EndsSentence(std::string_view text) {
    while (!text.empty() && std::string_view(" \"')]\x92\x94\xBB").find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    return !text.empty() && (text.back() == '.' || text.back() == '?' || text.back() == '!');
}

// "Genesis 12", "1 Samuel 3", "Psalm 23": the book and chapter of a chapter's heading.
bool ReadHeading(const std::string& line, const Module& module, int& book, int& chapter) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string::npos || space + 1 == line.size() || line[space + 1] == '0' ||
        line.find_first_not_of("0123456789", space + 1) != std::string::npos)
        return false;
    for (book = 0; book < static_cast<int>(module.books.size()); ++book)
        if (line.compare(0, space, ChapterName(module.books[book])) == 0 &&
            ChapterName(module.books[book]).size() == space) {
            chapter = std::atoi(line.c_str() + space + 1);
            return true;
        }
    return false;
}

// A day: what it reads, an empty line, then each chapter it touches, apart from the one before by an
// empty line: its heading and then its verses, each led by its number and a blank. The layout's
// first fault, or "" when it has none.
std::string ReadDay(const std::string& record, const Module& module, Day& day) {
    const std::vector<std::string> lines = Lines(record);
    day.reading = lines[0];
    if (lines.size() < 4 || !lines[1].empty()) return "no empty line after the reading line";
    int book = -1, chapter = 0;
    for (std::size_t line = 2; line < lines.size(); ++line) {
        const std::string& text = lines[line];
        const bool headingDue = line == 2 || lines[line - 1].empty();
        if (headingDue) {
            if (!ReadHeading(text, module, book, chapter)) return "\"" + text + "\" where a chapter's heading belongs";
            if (line + 1 == lines.size() || lines[line + 1].empty()) return "no verses under \"" + text + "\"";
            continue;
        }
        if (text.empty()) {
            if (line + 1 == lines.size()) return "an empty line at the end";
            continue;
        }
        const std::size_t space = text.find(' ');
        if (space == 0 || space == std::string::npos || space + 1 == text.size() || text[0] == '0' ||
            text.find_first_not_of("0123456789") != space)
            return "\"" + text + "\" where a verse belongs";
        const std::string_view verseText = std::string_view(text).substr(space + 1);
        day.verses.push_back({book, chapter, std::atoi(text.c_str()), Utf8Length(verseText), EndsSentence(verseText)});
    }
    return "";
}

std::string Reference(const Module& module, int book, int chapter, int verse) {
    return EnglishName(module.books[book]) + " " + std::to_string(chapter) + ":" + std::to_string(verse);
}
std::string Reference(const Module& module, const DayVerse& verse) {
    return Reference(module, verse.book, verse.chapter, verse.verse);
}
std::string Reference(const Module& module, std::size_t position) {
    const ModuleVerse& verse = module.verses[position];
    return Reference(module, verse.book, verse.chapter, verse.verse);
}

// The ways a day that reads from first to last may be named: whole chapters by their numbers
// ("Genesis 1-3", "Genesis 50 - Exodus 2"), anything else by chapter and verse ("Psalms 119:1-88",
// "Jude 1:14 - Revelation 1:8"); the Psalms as "Psalms" or "Psalm".
std::vector<std::string> ReadingLines(const Module& module, std::size_t first, std::size_t last) {
    const ModuleVerse& a = module.verses[first];
    const ModuleVerse& b = module.verses[last];
    const bool whole = module.BeginsChapter(first) && module.EndsChapter(last);
    const auto names = [&](int book) {
        std::vector<std::string> all{EnglishName(module.books[book])};
        if (ChapterName(module.books[book]) != all[0]) all.push_back(ChapterName(module.books[book]));
        return all;
    };
    const std::string c1 = std::to_string(a.chapter), c2 = std::to_string(b.chapter);
    const std::string v1 = std::to_string(a.verse), v2 = std::to_string(b.verse);
    std::vector<std::string> lines;
    for (const std::string& n1 : names(a.book)) {
        if (a.book != b.book) {
            for (const std::string& n2 : names(b.book))
                lines.push_back(whole ? n1 + " " + c1 + " - " + n2 + " " + c2
                                      : n1 + " " + c1 + ":" + v1 + " - " + n2 + " " + c2 + ":" + v2);
        } else if (whole) {
            lines.push_back(n1 + " " + c1 + (c1 == c2 ? "" : "-" + c2));
        } else if (a.chapter != b.chapter) {
            lines.push_back(n1 + " " + c1 + ":" + v1 + "-" + c2 + ":" + v2);
        } else {
            lines.push_back(n1 + " " + c1 + ":" + v1 + (v1 == v2 ? "" : "-" + v2));
        }
    }
    return lines;
}

// "a year" for the plans of 365 days, as they always were; otherwise the number of days.
std::string DaysInWords(int days) {
    return days == 365 ? "a year" : std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string TitleOf(const std::string& path) {
    BookFile book;
    book.OpenBook(path.c_str());
    CString title, description;
    book.GetTitleAndDescription(title, description);
    return static_cast<const char*>(title);
}

// Checks the book of one plan of days, as made to path: every verse of the plan once and in order,
// no day much longer than the mean where it could have been cut, each day named by what it reads.
void CheckPlanBook(const Module& module, const Plan& plan, int days, const std::string& path) {
    BookFile book;
    ASSERT_TRUE(book.OpenBook(path.c_str())) << "no book at " << path;
    const BookInfo info = book.GetBookInfo();
    EXPECT_EQ(info.kind, BookKind::plan);
    EXPECT_EQ(info.planDays, days) << "the plan's days, as the book says them";
    const std::string bytes = TempFolder::Read(path);
    ASSERT_GE(bytes.size(), header::size);
    const auto records = static_cast<int>(
        ReadBigEndian(reinterpret_cast<const unsigned char*>(bytes.data()) + header::recordCount.offset,
                      static_cast<int>(header::recordCount.size)));
    ASSERT_EQ(records, days + 1) << "record 0 for the title and one record for each day";
    const std::vector<std::string> texts = book.GetRecordTexts(1, days);

    const std::size_t begin = module.Position(module.BookNamed(plan.firstBook), 1, 1);
    std::size_t end = begin;
    while (end < module.verses.size() && module.verses[end].book <= module.BookNamed(plan.lastBook))
        ++end;
    ASSERT_LT(begin, end) << "the module holds no verse of the plan";

    std::size_t next = begin, total = 0;
    std::vector<std::size_t> lengths(days + 1, 0);
    std::vector<bool> cuttable(days + 1, false);
    std::vector<std::string> readings(days + 1);
    std::string badReadings;
    int badReadingCount = 0;
    for (int number = 1; number <= days; ++number) {
        const std::string at = "day " + std::to_string(number) + ": ";
        const std::string& record = texts[number - 1];
        ASSERT_FALSE(record.empty()) << at << "an empty record";
        Day day;
        const std::string fault = ReadDay(record, module, day);
        ASSERT_TRUE(fault.empty()) << at << fault;
        const std::size_t first = next;
        for (std::size_t i = 0; i < day.verses.size(); ++i) {
            const DayVerse& read = day.verses[i];
            const std::size_t position = module.Position(read.book, read.chapter, read.verse);
            if (position < begin || position >= end)
                FAIL() << at << Reference(module, read) << ", which is no verse of the plan";
            if (position > next)
                FAIL() << at << position - next << " verse(s) dropped from " << Reference(module, next) << ", before "
                       << Reference(module, read);
            if (position < next)
                FAIL() << at << Reference(module, read) << " again, or out of order, after "
                       << Reference(module, next - 1);
            ++next;
            lengths[number] += read.length;
            if (i + 1 < day.verses.size() && (read.endsSentence || module.EndsChapter(position)))
                cuttable[number] = true;
        }
        total += lengths[number];
        readings[number] = day.reading;
        const std::vector<std::string> named = ReadingLines(module, first, next - 1);
        if (std::find(named.begin(), named.end(), day.reading) == named.end() && ++badReadingCount <= 5)
            badReadings += "\n  " + at + "\"" + day.reading + "\" where it reads \"" + named[0] + "\"";
    }
    ASSERT_EQ(next, end) << end - next << " verse(s) from " << Reference(module, next) << " on are on no day";
    EXPECT_EQ(badReadingCount, 0) << "reading lines that do not name what the day reads:" << badReadings;

    // A day may be long only where it could not be cut: no verse before its last ends a sentence
    // or a chapter.
    const double mean = static_cast<double>(total) / days;
    std::string longDays;
    int longDayCount = 0;
    for (int number = 1; number <= days; ++number)
        if (lengths[number] > 2.5 * mean && cuttable[number] && ++longDayCount <= 5)
            longDays += "\n  day " + std::to_string(number) + ", " + readings[number] + ": " +
                        std::to_string(lengths[number]) + " bytes";
    EXPECT_EQ(longDayCount, 0) << "days longer than 2.5 times the mean of " << mean
                               << " characters that could have been cut:" << longDays;
}

// The plans' lengths to check: the shortest and the longest, a year and two, the Bible's chapters
// and one more, the lengths plans are often made in, and a few drawn from a fixed seed.
std::vector<int> SampleDays() {
    std::vector<int> days{1, 2, 7, 90, 365, 400, 730, 1189, 1190, 1999, 2000};
    std::mt19937 draw(20260608); // its numbers are the same on every platform
    for (int i = 0; i < 3; ++i)
        days.push_back(1 + static_cast<int>(draw() % mostPlanDays));
    return days;
}

TEST(PlanLengthsOracle, EachPlanOfAnyLengthReadsItsVersesOnceInDaysOfAboutTheSameLength) {
    const Module& module = Kjv();
    ASSERT_EQ(module.books.size(), 66u);
    ASSERT_GT(module.verses.size(), 31000u);

    // The tool makes the books side by side, one at a time on each of a few cores; they are checked after.
    struct Job {
        const Plan* plan;
        int days;
        std::string path;
        ToolRun run;
    };
    TempFolder folder;
    std::vector<Job> jobs;
    for (const Plan& plan : plans)
        for (const int days : SampleDays())
            jobs.push_back(
                {&plan, days, folder.Path(std::string(plan.name) + "-" + std::to_string(days) + ".pdb"), {}});
    std::atomic<std::size_t> taken{0};
    std::vector<std::thread> workers(std::clamp(std::thread::hardware_concurrency(), 2u, 4u));
    for (std::thread& worker : workers)
        worker = std::thread([&] {
            for (std::size_t job; (job = taken++) < jobs.size();)
                jobs[job].run = RunTool(PlanArguments(*jobs[job].plan, jobs[job].days, jobs[job].path), folder,
                                        std::to_string(job));
        });
    for (std::thread& worker : workers)
        worker.join();

    std::map<std::string, std::string> yearTitles;
    for (const Job& job : jobs)
        if (job.days == 365) yearTitles[job.plan->name] = TitleOf(job.path);
    for (const Job& job : jobs) {
        SCOPED_TRACE(std::string(job.plan->name) + " in " + std::to_string(job.days) + " days");
        if (job.run.exitCode != 0) {
            ADD_FAILURE() << "the tool exits with " << job.run.exitCode << ":\n" << job.run.output;
            continue;
        }
        CheckPlanBook(module, *job.plan, job.days, job.path);

        // Without --title the title names the days where that of a year says "a year".
        std::string title = yearTitles[job.plan->name];
        const std::size_t year = title.find("a year");
        if (year == std::string::npos) {
            ADD_FAILURE() << "the title of a year does not say so: " << title;
            continue;
        }
        EXPECT_EQ(TitleOf(job.path), title.replace(year, 6, DaysInWords(job.days)));
        if (std::string(job.plan->name) == "bible" && job.days == 90) {
            EXPECT_EQ(TitleOf(job.path), "The Bible in 90 days");
        }
    }
}

// Days out of range, or not a whole number, and days for a plan whose days are fixed: the tool says
// so and leaves no book behind, rather than making one of other days than were asked for.
TEST(PlanLengthsOracle, RefusesDaysItCannotMake) {
    const struct {
        const char* plan;
        const char* days;
    } refusals[] = {{"bible", "0"},   {"bible", "2001"},        {"bible", "x"},
                    {"psalms", "-1"}, {"new-testament", "90x"}, {"proverbs-monthly", "90"}};
    TempFolder folder;
    for (const auto& refusal : refusals) {
        const std::string out = folder.Path(std::string(refusal.plan) + "-" + refusal.days + ".pdb");
        const ToolRun run =
            RunTool({"plan", "--days", refusal.days, refusal.plan, QUILLMERE_PLANS_DIR "/engKJV2006eb.imp", out},
                    folder, "refusal");
        EXPECT_NE(run.exitCode, 0) << refusal.plan << " --days " << refusal.days << ": " << run.output;
        EXPECT_FALSE(std::filesystem::exists(out)) << refusal.plan << " --days " << refusal.days << " wrote " << out;
    }
}

} // namespace
