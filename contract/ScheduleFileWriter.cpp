// The reader's side of the schedule file, apart from the scheduler's reading side, so that the
// scheduler program links none of it.
#include "contract/ScheduleFile.h"

#include "contract/TimeField.h"
#include "framework/core/SaveFile.h"

std::string ScheduleBytes(std::int64_t time) {
    const std::uint32_t field = ToTimeField(time);
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(field >> (8 * i) & 0xFF);
    return bytes;
}

bool WriteScheduleFile(const char* path, std::int64_t time) {
    const std::string bytes = ScheduleBytes(time);
    return SaveFile(path, bytes.data(), bytes.size());
}
