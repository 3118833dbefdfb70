#pragma once

#include <cstddef>
#include <string>

// Every file of the programs is named by joining a file name to the folder of a program's own
// file, in UTF-8, in buffers that hold any path of Windows' MAX_PATH (260 UTF-16 units, the
// terminator included, each at most 3 bytes): a path that would not fit is refused rather than
// cut short.
constexpr std::size_t programPathBuffer = 3 * 260;

// The length of path's folder: up to and including its last backslash, 0 where it has none.
std::size_t FolderLength(const char* path);

// The first folderLength bytes of folder, then fileName, into out of size bytes; false, with out
// empty, where they and the terminator do not fit or the folder is empty.
bool JoinPath(const char* folder, std::size_t folderLength, const char* fileName, char* out, std::size_t size);

// fileName beside the program whose own file is modulePath, into out of size bytes.
inline bool ProgramFilePath(const char* modulePath, const char* fileName, char* out, std::size_t size) {
    return JoinPath(modulePath, FolderLength(modulePath), fileName, out, size);
}

// folder, which ends in a backslash, joined with fileName; false, with path empty, where the
// result would not fit the buffer.
inline bool JoinProgramPath(const std::string& folder, const std::string& fileName, std::string& path) {
    char joined[programPathBuffer];
    const bool fits = JoinPath(folder.c_str(), folder.size(), fileName.c_str(), joined, sizeof joined);
    path = fits ? joined : "";
    return fits;
}

#if defined(_WIN32)
// The path of the running program's own file in UTF-8, into out of size bytes; false, with out
// empty, where Windows gives no whole path or it does not fit.
bool OwnProgramFile(char* out, std::size_t size);
// A path in UTF-8 as a wide path, into out of size units; false, with out empty, where it does
// not fit.
bool WidePath(const char* path, wchar_t* out, int size);
#endif
