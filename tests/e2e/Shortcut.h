#pragma once

#include <string>

// The target and the description of the shell link at path; false when it cannot be read.
bool ReadShortcut(const std::string& path, std::string& target, std::string& description);
