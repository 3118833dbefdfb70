#pragma once

#include <vector>

// A match of a search: the day's place among the days found, and the match's place in that day.
struct MatchPlace {
    int day;
    int match;
    bool operator==(const MatchPlace& other) const { return day == other.day && match == other.match; }
};

// The match after place, or with step -1 the one before it: on to the next day after a day's last
// match, and round from the last day to the first. From a day that is not among them (none shown
// yet), the first match, or the last. matchCounts holds how many matches each day found has, one
// at least.
MatchPlace NextMatch(const std::vector<int>& matchCounts, MatchPlace place, int step);
