#pragma once

#include <windows.h>

// Milliseconds from a fixed moment, as finely as the machine counts.
inline double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}
