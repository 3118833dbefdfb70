#pragma once

#include "framework/core/CTime.h"

// The local date of day joined with a local time of day.
CTime DateAt(CTime day, int hour, int minute, int second);
CTime DateAtTimeOfDay(CTime day, CTime timeOfDay);

// When the scheduler is to start the reader next: the autorun time's time of day on the date of
// now, or, once now is later than the autorun time itself (its date included), on the date of
// now plus 86,400 seconds.
CTime NextStartTime(CTime now, CTime autorunTime);
