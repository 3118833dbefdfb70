#include "reader/logic/AutorunPaths.h"

#include "framework/core/ProgramPath.h"

bool StartupLinkPath(const std::string& startupFolder, const std::string& fileName, std::string& path) {
    if (!JoinProgramPath(startupFolder + "\\", fileName, path)) return false;
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos) path = path.substr(0, dot + 1) + "lnk";
    if (path.size() < programPathBuffer) return true;
    path.clear();
    return false;
}
