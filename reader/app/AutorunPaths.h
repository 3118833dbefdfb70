#pragma once

#include <cstddef>
#include <string>

// The paths of the autorun registration, held in buffers of 260 bytes (MAX_PATH, terminator
// included): a path that would not fit is refused, and the functions give false.
constexpr std::size_t autorunPathBuffer = 260;

// folder + fileName.
bool JoinAutorunPath(const std::string& folder, const std::string& fileName, std::string& path);

// The start-up shortcut for fileName in startupFolder: folder, a backslash and the file name, with
// everything after the last "." of that whole path replaced by "lnk".
bool StartupLinkPath(const std::string& startupFolder, const std::string& fileName, std::string& path);

// What leaving with the exit button does to the daily cycle.
struct AutorunActions {
    bool armScheduler;   // write sched.dat and start the scheduler
    bool saveShortcut;   // save the start-up shortcut
    bool deleteShortcut; // delete it from the start-up folders
    bool deleteSchedule; // delete sched.dat
    bool stopScheduler;  // start the scheduler with " QUIT"
};
AutorunActions ChooseAutorunActions(bool autorun);
