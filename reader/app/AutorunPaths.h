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
