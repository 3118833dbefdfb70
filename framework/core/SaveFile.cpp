#include "framework/core/SaveFile.h"

#include "framework/core/CFile.h"

#include <climits>
#include <string>

bool SaveFile(const char* path, const void* data, std::size_t size) {
    const std::string newPath = std::string(path) + ".new";
    CFile file;
    if (size > UINT_MAX || !file.Open(newPath.c_str(), CFile::typeBinary | CFile::modeWrite | CFile::modeCreate))
        return false;
    const bool written = file.Write(data, static_cast<unsigned>(size)) && file.Flush();
    file.Close();
    if (written && CFile::Rename(newPath.c_str(), path)) return true;
    CFile::Remove(newPath.c_str());
    return false;
}
