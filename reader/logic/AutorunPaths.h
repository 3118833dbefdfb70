#pragma once

#include <string>

// The start-up shortcut for fileName in startupFolder: folder, a backslash and the file name, with
// everything after the last "." of that whole path replaced by "lnk"; false, with path empty,
// where it would not fit a path buffer (framework/core/ProgramPath.h).
bool StartupLinkPath(const std::string& startupFolder, const std::string& fileName, std::string& path);
