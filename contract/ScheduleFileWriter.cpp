// The reader's side of the schedule file, apart from the scheduler's reading side, so that the
// scheduler program links none of it.
#include "contract/ScheduleFile.h"

#include "contract/TimeField.h"
#include "framework/core/LittleEndian.h"
#include "framework/core/SaveFile.h"

std::string ScheduleBytes(std::int64_t time) {
    std::string bytes;
    AppendLittleEndian32(bytes, ToTimeField(time));
    return bytes;
}

bool WriteScheduleFile(const char* path, std::int64_t time) {
    const std::string bytes = ScheduleBytes(time);
    return SaveFile(path, bytes.data(), bytes.size());
}
