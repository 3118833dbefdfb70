#pragma once

#include <string>

// The target and the description of the shell link at path, in UTF-8; false when it cannot be read.
bool ReadShortcut(const std::string& path, std::string& target, std::string& description);

// The special folder folderId (a CSIDL value), ending in a backslash.
std::string SpecialFolder(int folderId);

// The scheduler's start-up shortcut in the special folder folderId (CSIDL_COMMON_STARTUP or
// CSIDL_STARTUP).
std::string StartupLink(int folderId);
