#include "tools/quillbook/ReadingPlan.h"

#include "tools/quillbook/TextMarks.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

using Days = std::vector<std::vector<std::size_t>>;

std::vector<std::vector<std::size_t>> ProverbsByDayOfMonth(const std::vector<PlanVerse>& verses) {
    std::vector<std::vector<std::size_t>> days(daysInCommonYear);
    for (int day = 1; day <= daysInCommonYear; ++day) {
        for (std::size_t i = 0; i < verses.size(); ++i)
            if (verses[i].chapter == DayOfMonthOf(day)) days[day - 1].push_back(i);
        if (days[day - 1].empty()) return {};
    }
    return days;
}

// Cuts verses into count days at the places where ends allows a day to end, with lengths as
// close to the mean as can be: the least sum of squared differences from it, found by dynamic
// programming over the runs of verses between those places. A day takes no more runs than make 2.5
// times the mean, unless it takes a single run.
std::vector<std::vector<std::size_t>> BalancedDays(const std::vector<PlanVerse>& verses, const std::vector<bool>& ends,
                                                   int count) {
    std::vector<std::size_t> runEnds; // one past each run's last verse
    std::vector<double> prefix{0};    // the characters of the runs before each run
    double length = 0;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        length += static_cast<double>(verses[i].text.size());
        if (ends[i]) {
            runEnds.push_back(i + 1);
            prefix.push_back(length);
        }
    }
    const std::size_t runs = runEnds.size(), days = static_cast<std::size_t>(count);
    if (count < 1 || runs < days) return {};
    const double mean = length / count, longest = 2.5 * mean;
    constexpr double unreachable = std::numeric_limits<double>::infinity();

    // cost[r]: the least cost of the first r runs in the days so far; from[d][r]: the runs before
    // day d when day d ends after run r.
    std::vector<double> cost(runs + 1, unreachable), next(runs + 1);
    std::vector<std::vector<std::uint32_t>> from(days + 1, std::vector<std::uint32_t>(runs + 1, 0));
    cost[0] = 0;
    for (std::size_t day = 1; day <= days; ++day) {
        std::fill(next.begin(), next.end(), unreachable);
        const std::size_t last = runs - (days - day); // runs left for the days after
        for (std::size_t r = day; r <= last; ++r) {
            for (std::size_t before = r - 1; before + 1 >= day; --before) {
                const double dayLength = prefix[r] - prefix[before];
                if (dayLength > longest && before + 1 < r) break;
                if (cost[before] < unreachable) {
                    const double total = cost[before] + (dayLength - mean) * (dayLength - mean);
                    if (total < next[r]) {
                        next[r] = total;
                        from[day][r] = static_cast<std::uint32_t>(before);
                    }
                }
                if (before == 0) break;
            }
        }
        cost.swap(next);
    }
    if (cost[runs] == unreachable) return {};
    std::vector<std::vector<std::size_t>> result(days);
    for (std::size_t day = days, r = runs; day > 0; --day) {
        const std::size_t before = from[day][r];
        for (std::size_t i = before == 0 ? 0 : runEnds[before - 1]; i < runEnds[r - 1]; ++i)
            result[day - 1].push_back(i);
        r = before;
    }
    return result;
}

bool EndsChapter(const std::vector<PlanVerse>& verses, std::size_t i) {
    return i + 1 == verses.size() || verses[i + 1].book != verses[i].book || verses[i + 1].chapter != verses[i].chapter;
}

// Where a day of count days may end: where the plan allows, and within a chapter longer than the
// longest day, after a sentence; where that leaves too few places, within a chapter longer than a
// day too, after a sentence, or at last after any verse.
std::vector<std::vector<std::size_t>> WholeBookDays(Plan plan, const std::vector<PlanVerse>& verses, int count) {
    if (verses.empty() || count < 1) return {};
    double length = 0;
    std::vector<double> chapterLength(verses.size());
    for (std::size_t first = 0, i = 0; i < verses.size(); ++i) {
        length += static_cast<double>(verses[i].text.size());
        chapterLength[first] += static_cast<double>(verses[i].text.size());
        if (EndsChapter(verses, i)) {
            for (std::size_t j = first + 1; j <= i; ++j)
                chapterLength[j] = chapterLength[first];
            first = i + 1;
        }
    }
    const double mean = length / count;
    std::vector<bool> ends(verses.size());
    for (int widening = 0; widening < 3; ++widening) {
        for (std::size_t i = 0; i < verses.size(); ++i) {
            const bool longChapter = chapterLength[i] > (widening == 0 ? 2.5 * mean : mean);
            ends[i] = MayEndDay(plan, verses, i) || (longChapter && EndsSentence(verses[i].text)) ||
                      (widening == 2 && longChapter);
        }
        std::vector<std::vector<std::size_t>> days = BalancedDays(verses, ends, count);
        if (!days.empty()) return days;
    }
    return {};
}

const PlanFacts plans[] = {
    {Plan::bible,
     "bible",
     "the 66 books, each day ending at the end of a chapter",
     0,
     bookCount - 1,
     BookKind::plan,
     {"The Bible in a year", "La Biblia en un año"},
     {"The whole Bible in a year: its 66 books, about three chapters a day, each day ending at the end of a chapter.",
      "Toda la Biblia en un año: sus 66 libros, unos tres capítulos al día, y cada día termina al final de un "
      "capítulo."}},
    {Plan::newTestament,
     "new-testament",
     "Matthew to Revelation",
     firstNewTestamentBook,
     bookCount - 1,
     BookKind::plan,
     {"The New Testament in a year", "El Nuevo Testamento en un año"},
     {"The New Testament in a year: Matthew to Revelation, each day ending at the end of a chapter or of a sentence.",
      "El Nuevo Testamento en un año: de Mateo a Apocalipsis, y cada día termina al final de un capítulo o de una "
      "oración."}},
    {Plan::psalms,
     "psalms",
     "Psalms 1 to 150",
     psalmsBook,
     psalmsBook,
     BookKind::plan,
     {"The Psalms in a year", "Los Salmos en un año"},
     {"The 150 Psalms in a year, a few verses a day, each day ending at the end of a psalm or of a sentence.",
      "Los 150 Salmos en un año, unos versículos al día, y cada día termina al final de un salmo o de una oración."}},
    {Plan::chronological,
     "chronological",
     "the 66 books in the order their events happened",
     0,
     bookCount - 1,
     BookKind::plan,
     {"The Bible in chronological order", "La Biblia en orden cronológico"},
     {"The whole Bible in a year in the order its events happened: Job after Genesis 11, the Psalms beside the "
      "life of David, the prophets beside their kings, the letters beside Acts, each day ending at the end of a "
      "chapter.",
      "Toda la Biblia en un año en el orden en que sucedieron sus hechos: Job después de Génesis 11, los Salmos junto "
      "a la vida de David, los profetas junto a sus reyes, las cartas junto a Hechos, y cada día termina al final de "
      "un capítulo."}},
    {Plan::proverbsMonthly,
     "proverbs-monthly",
     "the chapter of Proverbs of the day of the month",
     proverbsBook,
     proverbsBook,
     BookKind::calendar,
     {"Proverbs, a chapter a day", "Proverbios, un capítulo al día"},
     {"A chapter of Proverbs a day: each day reads the chapter of its day of the month, Proverbs 1 on the first and "
      "Proverbs 31 on the 31st, so that in shorter months the last chapters are not reached.",
      "Un capítulo de Proverbios al día: cada día lee el capítulo de su día del mes, Proverbios 1 el día primero y "
      "Proverbios 31 el día 31, de modo que en los meses más cortos no se llega a los últimos capítulos."}},
    {Plan::verseList,
     "list:FILE",
     "on day N the passage named on line N of FILE",
     0,
     bookCount - 1,
     BookKind::calendar,
     {"A verse a day", "Un versículo al día"},
     {"A passage for each day of the year.", "Un pasaje para cada día del año."}},
    {Plan::readings,
     "readings:FILE",
     "on day N the readings on line N of FILE",
     0,
     bookCount - 1,
     BookKind::plan,
     {"Readings", "Lecturas"},
     {"A plan of its own readings, a line of them a day.", "Un plan de lecturas propias, una línea al día."}},
};

} // namespace

const PlanFacts& FactsOf(Plan plan) { return plans[static_cast<int>(plan)]; }

bool PlanByName(const std::string& name, Plan& plan) {
    for (const PlanFacts& facts : plans) {
        if (facts.plan != Plan::verseList && facts.plan != Plan::readings && name == facts.name) {
            plan = facts.plan;
            return true;
        }
    }
    return false;
}

std::string PlanNamesHelp() {
    std::string help;
    for (const PlanFacts& facts : plans)
        help += "  " + (std::string(facts.name) + std::string(18, ' ')).substr(0, 18) + facts.summary + "\n";
    return help;
}

// What ends a sentence may stand before the marks that close a quotation or an aside, straight
// quotes among them.
bool EndsSentence(const std::string& text) {
    std::string end = text;
    for (;;) {
        std::size_t mark = ClosingMarkAtEnd(end);
        if (mark == 0 && !end.empty() && (end.back() == '"' || end.back() == '\'')) mark = 1;
        if (mark == 0) break;
        end.resize(end.size() - mark);
    }
    return !end.empty() && std::strchr(".?!", end.back()) != nullptr;
}

bool MayEndDay(Plan plan, const std::vector<PlanVerse>& verses, std::size_t i) {
    const bool chapterEnds = EndsChapter(verses, i);
    if (chapterEnds || plan == Plan::bible || plan == Plan::chronological) return chapterEnds;
    return EndsSentence(verses[i].text);
}

std::vector<std::vector<std::size_t>> PlanDays(Plan plan, const std::vector<PlanVerse>& verses, int days) {
    if (days < 1 || days > mostPlanDays) return {};
    if (plan == Plan::proverbsMonthly) return days == daysInCommonYear ? ProverbsByDayOfMonth(verses) : Days{};
    return WholeBookDays(plan, verses, days);
}
