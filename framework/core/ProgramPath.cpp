#include "framework/core/ProgramPath.h"

#include <cstring>

std::size_t FolderLength(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash ? static_cast<std::size_t>(slash - path + 1) : 0;
}

bool JoinPath(const char* folder, std::size_t folderLength, const char* fileName, char* out, std::size_t size) {
    if (size > 0) out[0] = '\0';
    const std::size_t name = std::strlen(fileName);
    if (folderLength == 0 || folderLength + name + 1 > size) return false;
    std::memcpy(out, folder, folderLength);
    std::memcpy(out + folderLength, fileName, name + 1);
    return true;
}
