#pragma once

#include "reader/logic/AutorunPlatform.h"
#include "reader/logic/ProgramFiles.h"

#include <cstdint>
#include <string>

// The autorun registration over plain data: the program folder's files, and the platform, which
// does what only the machine can. Nothing here is reported to the user: each step that fails is
// left out silently.
namespace autorun {

// Tells a waiting scheduler to stop: starts the scheduler with " QUIT" when one is waiting. A quit
// request that finds no scheduler does nothing, so the start of a messenger process, which would
// slow every start of the reader, is saved.
void StopScheduler(const ProgramFiles& files, AutorunPlatform& platform);

// Writes the next start time to sched.dat whole, then starts the scheduler; nothing is started
// where the file could not be written.
void ArmScheduler(const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform);

// At a start of the reader whose stored settings have autorun on: keeps the next start armed, so
// that the daily start lives on however this reader ends. sched.dat comes to hold nextStartTime, a
// scheduler waits for it and the start-up shortcut is there; each is done only where it is not so
// already, so that an armed start costs the reader nothing: sched.dat is written where it holds
// another time, a scheduler is started where none waits or the time changed, and the shortcut is
// saved where neither start-up folder holds it.
void KeepDailyStart(const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform);

// With autorun on, arms the scheduler and saves the start-up shortcut, whether or not the
// scheduler could be armed; with it off, deletes the shortcut and sched.dat and stops the scheduler.
void ApplyAutorun(bool autorun, const ProgramFiles& files, std::int64_t nextStartTime, AutorunPlatform& platform);

// Saves the shortcut to target, named for fileName, in the all-users start-up folder or, where
// that cannot be written, in the user's own; true when it was saved.
bool CreateStartupShortcut(const char* description, const std::string& target, const char* fileName,
                           AutorunPlatform& platform);

// Deletes the shortcut for fileName from both start-up folders; true when a folder was found.
bool DeleteStartupShortcut(const std::string& fileName, AutorunPlatform& platform);

} // namespace autorun
