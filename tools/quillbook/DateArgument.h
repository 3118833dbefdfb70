#pragma once

#include "framework/core/Calendar.h"

// Reads a calendar date written YYYY-MM-DD, years 1601 to 9999 as the month calendar offers
// them; false for anything else, 30 February and 29 February of a common year included.
bool ParseDateArgument(const char* text, Date& date);
