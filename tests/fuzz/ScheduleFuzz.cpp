// Any bytes as sched.dat: a whole file gives the time that its first four bytes write back to,
// and a shorter one gives no time.
#include "contract/ScheduleFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::int64_t stored = -1;
    const bool whole = ParseSchedule(data, size, stored);
    if (whole != (size >= 4)) std::abort();
    if (whole && ScheduleBytes(stored) != std::string(reinterpret_cast<const char*>(data), 4)) std::abort();
    return 0;
}
