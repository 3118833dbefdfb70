#include "reader/app/AutorunPaths.h"

bool JoinAutorunPath(const std::string& folder, const std::string& fileName, std::string& path) {
    path = folder + fileName;
    if (path.size() < autorunPathBuffer) return true;
    path.clear();
    return false;
}

bool StartupLinkPath(const std::string& startupFolder, const std::string& fileName, std::string& path) {
    if (!JoinAutorunPath(startupFolder + "\\", fileName, path)) return false;
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos) path = path.substr(0, dot + 1) + "lnk";
    if (path.size() < autorunPathBuffer) return true;
    path.clear();
    return false;
}
