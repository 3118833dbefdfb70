#include "tools/quillbook/ReadingPlan.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// The month and the day of the month of a day of a common year, 1 to 365.
int DayOfMonth(int dayOfYear) {
    static const int monthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int length : monthLengths) {
        if (dayOfYear <= length) return dayOfYear;
        dayOfYear -= length;
    }
    return dayOfYear;
}

std::vector<std::vector<std::size_t>> ProverbsByDayOfMonth(const std::vector<PlanVerse>& verses) {
    std::vector<std::vector<std::size_t>> days(daysInYear);
    for (int day = 1; day <= daysInYear; ++day) {
        for (std::size_t i = 0; i < verses.size(); ++i)
            if (verses[i].chapter == DayOfMonth(day)) days[day - 1].push_back(i);
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
    if (runs < static_cast<std::size_t>(daysInYear)) return {};
    const double mean = length / daysInYear, longest = 2.5 * mean;
    constexpr double unreachable = std::numeric_limits<double>::infinity();

    // cost[d][r]: the least cost of the first r runs in d days; from[d][r]: the runs before the last day.
    std::vector<std::vector<double>> cost(daysInYear + 1, std::vector<double>(runs + 1, unreachable));
    std::vector<std::vector<std::uint32_t>> from(daysInYear + 1, std::vector<std::uint32_t>(runs + 1, 0));
    cost[0][0] = 0;
    for (int day = 1; day <= daysInYear; ++day) {
        const std::size_t last = runs - (daysInYear - day); // runs left for the days after
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
    if (cost[daysInYear][runs] == unreachable) return {};
    std::vector<std::vector<std::size_t>> days(daysInYear);
    for (std::size_t day = daysInYear, r = runs; day > 0; --day) {
        const std::size_t before = from[day][r];
        for (std::size_t i = before == 0 ? 0 : runEnds[before - 1]; i < runEnds[r - 1]; ++i)
            days[day - 1].push_back(i);
        r = before;
    }
    return days;
}

} // namespace

bool PlanByName(const std::string& name, Plan& plan) {
    if (name == "bible")
        plan = Plan::bible;
    else if (name == "new-testament")
        plan = Plan::newTestament;
    else if (name == "psalms")
        plan = Plan::psalms;
    else if (name == "proverbs-monthly")
        plan = Plan::proverbsMonthly;
    else
        return false;
    return true;
}

int FirstBook(Plan plan) {
    switch (plan) {
    case Plan::bible:
        return 0;
    case Plan::newTestament:
        return firstNewTestamentBook;
    case Plan::psalms:
        return psalmsBook;
    case Plan::proverbsMonthly:
        return proverbsBook;
    case Plan::verseList:
        return 0;
    }
    return 0;
}

int LastBook(Plan plan) {
    return plan == Plan::bible || plan == Plan::newTestament || plan == Plan::verseList ? bookCount - 1
                                                                                        : FirstBook(plan);
}

bool EndsSentence(const std::string& text) {
    static const char* const closing[] = {"\xE2\x80\x9D", "\xE2\x80\x99", "\xC2\xBB", "\"", "'", ")", "]"};
    std::string end = text;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const char* mark : closing) {
            const std::size_t length = std::strlen(mark);
            if (end.size() > length && end.compare(end.size() - length, length, mark) == 0) {
                end.resize(end.size() - length);
                trimmed = true;
            }
        }
    }
    return !end.empty() && (end.back() == '.' || end.back() == '?' || end.back() == '!');
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
