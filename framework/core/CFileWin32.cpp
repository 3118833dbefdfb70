#include "framework/core/CFile.h"
#include "framework/core/ProgramPath.h"

#include <windows.h>

bool CFile::Open(const char* path, unsigned flags) {
    Close();
    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath, MAX_PATH)) return false;
    DWORD access = (flags & modeWrite) ? GENERIC_WRITE : GENERIC_READ;
    DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    HANDLE file = ::CreateFileW(widePath, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

unsigned CFile::Read(void* buffer, unsigned count) {
    DWORD got = 0;
    if (!IsOpen() || !::ReadFile(reinterpret_cast<HANDLE>(m_handle), buffer, count, &got, nullptr)) return 0;
    return got;
}

bool CFile::Write(const void* buffer, unsigned count) {
    DWORD put = 0;
    return IsOpen() && ::WriteFile(reinterpret_cast<HANDLE>(m_handle), buffer, count, &put, nullptr) && put == count;
}

bool CFile::Flush() { return IsOpen() && ::FlushFileBuffers(reinterpret_cast<HANDLE>(m_handle)); }

bool CFile::Seek(std::uint64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return IsOpen() && offset <= INT64_MAX &&
           ::SetFilePointerEx(reinterpret_cast<HANDLE>(m_handle), to, nullptr, FILE_BEGIN);
}

std::uint64_t CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!IsOpen() || !::GetFileSizeEx(reinterpret_cast<HANDLE>(m_handle), &size)) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

void CFile::Close() {
    if (IsOpen()) ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = invalidHandle;
}

bool CFile::Rename(const char* from, const char* to) {
    wchar_t wideFrom[MAX_PATH], wideTo[MAX_PATH];
    return WidePath(from, wideFrom, MAX_PATH) && WidePath(to, wideTo, MAX_PATH) &&
           ::MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool CFile::Remove(const char* path) {
    wchar_t widePath[MAX_PATH];
    return WidePath(path, widePath, MAX_PATH) && ::DeleteFileW(widePath);
}

bool CFile::ReadStart(const char* path, void* buffer, unsigned count, unsigned& got) {
    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath, MAX_PATH)) return false;
    // Shared as the C library shares what it opens: a reader of a few bytes never keeps another
    // program from replacing the file.
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file =
        ::CreateFileW(widePath, GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD read = 0;
    got = ::ReadFile(file, buffer, count, &read, nullptr) ? read : 0;
    ::CloseHandle(file);
    return true;
}
