#pragma once

#include "contract/ProgramNames.h"

#include <string>

// The files of the program's folder that the reader and its daily start read and write, each
// named once from the folder and handed down. A name is empty where the folder and the file's
// name make no path that Windows takes: nothing is then read or written there.
struct ProgramFiles {
    std::string settings, progress, chime, defaultBook, schedule, scheduler;
};

// folder ends in a backslash.
ProgramFiles FilesOfFolder(const std::string& folder, const std::string& settingsName = SETTINGS_FILE_NAME);
