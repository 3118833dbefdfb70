#include "tools/quillbook/ReadingPlan.h"

#include "tools/quillbook/TextMarks.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

std::vector<std::vector<std::size_t>> ProverbsByDayOfMonth(const std::vector<PlanVerse>& verses) {
    std::vector<std::vector<std::size_t>> days(daysInCommonYear);
    for (int day = 1; day <= daysInCommonYear; ++day) {
        for (std::size_t i = 0; i < verses.size(); ++i)
            if (verses[i].chapter == DayOfMonthOf(day)) days[day - 1].push_back(i);
        if (days[day - 1].empty()) return {};
    }
    return days;
}

// Cuts the runs of verses between the places where a day may end into 365 days whose lengths
// are as close to the mean as can be: the least sum of squared differences from it, found by
// dynamic programming over the runs. A day takes no more runs than make 2.5 times the mean, unless
// it takes a single run.
std::vector<std::vector<std::size_t>> BalancedDays(Plan plan, const std::vector<PlanVerse>& verses) {
    std::vector<std::size_t> runEnds; // one past each run's last verse
    std::vector<double> prefix{0};    // the characters of the runs before each run
    double length = 0;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        length += static_cast<double>(verses[i].text.size());
        if (MayEndDay(plan, verses, i)) {
            runEnds.push_back(i + 1);
            prefix.push_back(length);
        }
    }
    const std::size_t runs = runEnds.size();
    if (runs < static_cast<std::size_t>(daysInCommonYear)) return {};
    const double mean = length / daysInCommonYear, longest = 2.5 * mean;
    constexpr double unreachable = std::numeric_limits<double>::infinity();

    // cost[d][r]: the least cost of the first r runs in d days; from[d][r]: the runs before the last day.
    std::vector<std::vector<double>> cost(daysInCommonYear + 1, std::vector<double>(runs + 1, unreachable));
    std::vector<std::vector<std::uint32_t>> from(daysInCommonYear + 1, std::vector<std::uint32_t>(runs + 1, 0));
    cost[0][0] = 0;
    for (int day = 1; day <= daysInCommonYear; ++day) {
        const std::size_t last = runs - (daysInCommonYear - day); // runs left for the days after
        for (std::size_t r = day; r <= last; ++r) {
            for (std::size_t before = r - 1; before + 1 >= static_cast<std::size_t>(day); --before) {
                const double dayLength = prefix[r] - prefix[before];
                if (dayLength > longest && before + 1 < r) break;
                if (cost[day - 1][before] < unreachable) {
                    const double total = cost[day - 1][before] + (dayLength - mean) * (dayLength - mean);
                    if (total < cost[day][r]) {
                        cost[day][r] = total;
                        from[day][r] = static_cast<std::uint32_t>(before);
                    }
                }
                if (before == 0) break;
            }
        }
    }
    if (cost[daysInCommonYear][runs] == unreachable) return {};
    std::vector<std::vector<std::size_t>> days(daysInCommonYear);
    for (std::size_t day = daysInCommonYear, r = runs; day > 0; --day) {
        const std::size_t before = from[day][r];
        for (std::size_t i = before == 0 ? 0 : runEnds[before - 1]; i < runEnds[r - 1]; ++i)
            days[day - 1].push_back(i);
        r = before;
    }
    return days;
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
};

} // namespace

const PlanFacts& FactsOf(Plan plan) { return plans[static_cast<int>(plan)]; }

bool PlanByName(const std::string& name, Plan& plan) {
    for (const PlanFacts& facts : plans) {
        if (facts.plan != Plan::verseList && name == facts.name) {
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
    const bool chapterEnds =
        i + 1 == verses.size() || verses[i + 1].book != verses[i].book || verses[i + 1].chapter != verses[i].chapter;
    if (chapterEnds || plan == Plan::bible) return chapterEnds;
    return EndsSentence(verses[i].text);
}

std::vector<std::vector<std::size_t>> PlanDays(Plan plan, const std::vector<PlanVerse>& verses) {
    return plan == Plan::proverbsMonthly ? ProverbsByDayOfMonth(verses) : BalancedDays(plan, verses);
}
