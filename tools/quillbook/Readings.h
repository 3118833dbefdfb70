#pragma once

#include "reader/book/PassageReference.h"

#include <string>
#include <vector>

// A day of a plan of one's own: the passages that its line names, and the line, counted from 1.
struct ReadingsLine {
    std::vector<PassageReference> passages;
    int line = 0;
};

// The days of a readings file, one a line, each line its passages as people write them
// ("Genesis 1-3", "Gen 1-3; Ps 1", "Matt 5:1-20", "Juan 1; Salmo 8"): by the names and short forms
// that the reader's go-to reads, separated by ";". Empty lines and lines that start with "#" are
// skipped. False, with a reason that names the line, for a line that is no reading or no UTF-8
// text, and for a file of no day or of more than mostPlanDays.
bool ReadReadings(const std::string& text, std::vector<ReadingsLine>& days, std::string& error);
