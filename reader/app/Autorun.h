#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// Tells a waiting scheduler to stop.
void StopScheduler(const CString& programDirectory);

// After the settings are saved: with autorun on, arms the scheduler for nextStartTime and keeps
// the start-up shortcut; with it off, removes both and stops the scheduler.
void ApplyAutorun(bool autorun, const CString& programDirectory, CTime nextStartTime);
