#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Sets the process's time zone for the life of the object; the C library then converts local
// times in that zone.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        m_hadZone = old != nullptr;
        if (m_hadZone) m_oldZone = old;
        Set(zone);
    }
    ~ScopedTimeZone() { m_hadZone ? Set(m_oldZone.c_str()) : Unset(); }

    // Olson zone names and their daylight-saving rules are known to the C library on POSIX only;
    // Windows' runtime reads a TZ value of a fixed form with United States rules.
    static bool ZonesAreKnown() {
#if defined(_WIN32)
        return false;
#else
        return true;
#endif
    }

private:
    static void Set(const char* zone) {
#if defined(_WIN32)
        _putenv_s("TZ", zone);
        _tzset();
#else
        setenv("TZ", zone, 1);
        tzset();
#endif
    }
    static void Unset() {
#if defined(_WIN32)
        _putenv_s("TZ", "");
        _tzset();
#else
        unsetenv("TZ");
        tzset();
#endif
    }

    bool m_hadZone = false;
    std::string m_oldZone;
};
