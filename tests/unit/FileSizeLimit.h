#pragma once

// Only POSIX limits the size of the files a process writes, which cuts a write short.
#if !defined(_WIN32)
#include <csignal>
#include <sys/resource.h>

// For the life of the object, no file that this process writes grows past bytes: a write past
// the limit stops short with EFBIG, for SIGXFSZ is ignored.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~ScopedFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    bool Set() const { return m_set; }

private:
    rlimit m_old{};
    bool m_set = false;
};
#endif
