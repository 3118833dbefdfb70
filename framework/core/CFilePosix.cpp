#include "framework/core/CFile.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CFile::Open(const char* path, unsigned flags) {
    Close();
    int mode = (flags & modeWrite) ? O_WRONLY : O_RDONLY;
    if (flags & modeCreate) mode |= O_CREAT | O_TRUNC;
    int fd = ::open(path, mode | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

unsigned CFile::Read(void* buffer, unsigned count) {
    unsigned done = 0;
    while (IsOpen() && done < count) {
        ssize_t got = ::read(static_cast<int>(m_handle), static_cast<char*>(buffer) + done, count - done);
        if (got <= 0) break;
        done += static_cast<unsigned>(got);
    }
    return done;
}

bool CFile::Write(const void* buffer, unsigned count) {
    unsigned done = 0;
    while (IsOpen() && done < count) {
        ssize_t put = ::write(static_cast<int>(m_handle), static_cast<const char*>(buffer) + done, count - done);
        if (put <= 0) break;
        done += static_cast<unsigned>(put);
    }
    return done == count;
}

bool CFile::Flush() { return IsOpen() && ::fsync(static_cast<int>(m_handle)) == 0; }

bool CFile::Seek(std::uint64_t offset) {
    return IsOpen() && offset <= INT64_MAX &&
           ::lseek(static_cast<int>(m_handle), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::uint64_t CFile::GetLength() const {
    struct stat info {};
    if (!IsOpen() || ::fstat(static_cast<int>(m_handle), &info) != 0) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

void CFile::Close() {
    if (IsOpen()) ::close(static_cast<int>(m_handle));
    m_handle = invalidHandle;
}

bool CFile::Rename(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool CFile::Remove(const char* path) { return ::unlink(path) == 0; }

bool CFile::ReadStart(const char* path, void* buffer, unsigned count, unsigned& got) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const ssize_t read = ::read(fd, buffer, count);
    got = read > 0 ? static_cast<unsigned>(read) : 0;
    ::close(fd);
    return true;
}
