#include "contract/ScheduleFile.h"

#include "contract/TimeField.h"
#include "framework/core/CFile.h"
#include "framework/core/LittleEndian.h"

bool ParseSchedule(const unsigned char* bytes, std::size_t size, std::int64_t& stored) {
    if (size < 4) return false;
    stored = FromTimeField(ReadLittleEndian32(bytes));
    return true;
}

bool ReadScheduleFile(const char* path, std::int64_t& stored) {
    unsigned char bytes[4];
    unsigned got = 0;
    return CFile::ReadStart(path, bytes, sizeof bytes, got) && ParseSchedule(bytes, got, stored);
}
