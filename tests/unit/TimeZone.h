#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Sets the process's time zone, by Olson name, for the life of the object. Only the POSIX C
// library knows such names; Windows' runtime takes its zone from the system.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        m_hadZone = old != nullptr;
        if (m_hadZone) m_oldZone = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        m_hadZone ? setenv("TZ", m_oldZone.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    std::string m_oldZone;
};
