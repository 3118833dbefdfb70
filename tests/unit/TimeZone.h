#pragma once

#include <gtest/gtest.h>

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
        Set(zone);
    }
    ~ScopedTimeZone() { Set(m_hadZone ? m_oldZone.c_str() : nullptr); }

private:
    static void Set(const char* zone) {
#if !defined(_WIN32)
        zone ? setenv("TZ", zone, 1) : unsetenv("TZ");
        tzset();
#else
        (void)zone;
#endif
    }

    bool m_hadZone = false;
    std::string m_oldZone;
};

// Tests set in named zones.
class NamedZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
#if defined(_WIN32)
        GTEST_SKIP() << "Windows' C runtime knows no zone by name";
#endif
    }
};
