#include "reader/logic/MatchSteps.h"

MatchPlace NextMatch(const std::vector<int>& matchCounts, MatchPlace place, int step) {
    const int days = static_cast<int>(matchCounts.size());
    if (days == 0) return {-1, 0};
    if (place.day < 0 || place.day >= days)
        return step > 0 ? MatchPlace{0, 0} : MatchPlace{days - 1, matchCounts[days - 1] - 1};
    const int match = place.match + step;
    if (match >= 0 && match < matchCounts[place.day]) return {place.day, match};
    const int day = (place.day + step + days) % days;
    return {day, step > 0 ? 0 : matchCounts[day] - 1};
}
