#pragma once

#include "framework/core/CTime.h"

// The local date of day joined with a local time of day.
CTime DateAt(CTime day, int hour, int minute, int second);
CTime DateAtTimeOfDay(CTime day, CTime timeOfDay);

// When the scheduler is to start the reader next: the autorun time's local time of day on the
// date of now, or on the next calendar date once now is later than that. Only the time of day of
// autorunTime counts, so a reader left after midnight, or across a change of daylight saving,
// skips no day and never arms a time already past.
CTime NextStartTime(CTime now, CTime autorunTime);
