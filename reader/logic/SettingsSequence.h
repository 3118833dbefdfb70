#pragma once

#include "framework/core/CTime.h"
#include "reader/logic/AutorunPlatform.h"
#include "reader/logic/ProgramFiles.h"
#include "reader/logic/SettingsDefaults.h"

#include <string>

// The settings file's part of the reader's start and exit, over plain data; the settings panel
// only moves the values between these and its controls.

// Reads the settings file of files into settings, each field that the file does not hold taking
// its default (SettingsWithDefaults). True when the file could be opened, however much of it
// there was. (The panel shows them, then keeps the daily start: KeepStoredDailyStart.)
bool LoadSettingsFromFolder(const ProgramFiles& files, CTime now, const FontDescription& fallbackFont,
                            Settings& settings);

// Writes settings as the settings file of files, the next start time after now in place of the
// autorun time, and arms or stops nothing: a choice is in the file as soon as it is made, however
// the reader then ends. False when the file could not be written.
bool WriteSettingsToFolder(const ProgramFiles& files, CTime now, const Settings& settings);

// Makes settings.autorunTime the next start time after now, writes settings as the settings file
// of files, and only then, where it was written, arms or stops the autorun. False when the
// file could not be written: nothing is then armed or stopped.
bool SaveSettingsToFolder(const ProgramFiles& files, CTime now, AutorunPlatform& platform, Settings& settings);

// At a start of the reader: where settings came from the file (fromFile) and have autorun on, keeps
// the next start after now armed (autorun::KeepDailyStart), so that the daily start does not hang
// on how this reader ends. False, and nothing done, otherwise.
bool KeepStoredDailyStart(const ProgramFiles& files, bool fromFile, const Settings& settings, CTime now,
                          AutorunPlatform& platform);

// At a start of the reader that finds one open already (its daily time has come, or the user
// started it again): the daily start that the settings file of files holds, kept armed for the
// next start after now, so that the time that has come is not greeted twice.
void KeepDailyStartOfFolder(const ProgramFiles& files, CTime now, AutorunPlatform& platform);
