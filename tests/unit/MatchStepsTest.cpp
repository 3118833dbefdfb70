#include "reader/logic/MatchSteps.h"

#include <gtest/gtest.h>

TEST(MatchSteps, GoThroughADayThenOnToTheNextRoundTheEnd) {
    const std::vector<int> counts{2, 1, 3};
    const struct {
        MatchPlace from;
        int step;
        MatchPlace to;
    } rows[] = {
        {{0, 0}, 1, {0, 1}},  {{0, 1}, 1, {1, 0}},  {{2, 2}, 1, {0, 0}},   {{0, 0}, -1, {2, 2}},
        {{1, 0}, -1, {0, 1}}, {{-1, 0}, 1, {0, 0}}, {{-1, 0}, -1, {2, 2}}, {{7, 4}, 1, {0, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NextMatch(counts, row.from, row.step), row.to) << row.from.day << " " << row.from.match;
    EXPECT_EQ(NextMatch({}, {0, 0}, 1).day, -1) << "nothing found";
}
