#pragma once

#include "framework/core/CTime.h"
#include "reader/app/AutorunPlatform.h"
#include "reader/app/SettingsDefaults.h"

#include <string>

// The settings file's part of the reader's start and exit, over plain data; the settings panel
// only moves the values between these and its controls. programDirectory ends in a backslash.

// Reads fileName in programDirectory into settings, each field that the file does not hold taking
// its default (SettingsWithDefaults). True when the file could be opened, however much of it
// there was. (The panel shows them, then stops a waiting scheduler: autorun::StopScheduler.)
bool LoadSettingsFromFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                            const FontDescription& fallbackFont, Settings& settings);

// Makes settings.autorunTime the next start time after now, writes settings as fileName in
// programDirectory, and only then, where it was written, arms or stops the autorun. False when the
// file could not be written: nothing is then armed or stopped.
bool SaveSettingsToFolder(const std::string& programDirectory, const std::string& fileName, CTime now,
                          AutorunPlatform& platform, Settings& settings);
