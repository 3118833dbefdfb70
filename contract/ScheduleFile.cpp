#include "contract/ScheduleFile.h"

#include "contract/TimeField.h"
#include "framework/core/LittleEndian.h"

#include <cstdio>

bool ParseSchedule(const unsigned char* bytes, std::size_t size, std::int64_t& stored) {
    if (size < 4) return false;
    stored = FromTimeField(ReadLittleEndian32(bytes));
    return true;
}

bool ReadScheduleFile(const char* path, std::int64_t& stored) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    unsigned char bytes[4];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return ParseSchedule(bytes, got, stored);
}
