#include "framework/core/CFile.h"

#include <algorithm>
#include <climits>

bool CFile::ReadAll(const char* path, std::uint64_t limit, std::string& bytes) {
    CFile file;
    if (!file.Open(path, typeBinary | modeRead)) return false;
    bytes.assign(std::min<std::uint64_t>({file.GetLength(), limit, UINT_MAX}), '\0');
    bytes.resize(file.Read(bytes.data(), static_cast<unsigned>(bytes.size())));
    return true;
}
