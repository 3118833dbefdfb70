#include "scheduler/Schedule.h"

#include "framework/core/TimeField.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

const char* CommandTail(const char* commandLine) {
    const auto* at = reinterpret_cast<const unsigned char*>(commandLine);
    if (*at == '"') {
        ++at;
        while (*at && *at != '"')
            ++at;
        if (*at == '"') ++at;
    } else {
        while (*at > ' ')
            ++at;
    }
    while (*at >= 1 && *at <= ' ')
        ++at;
    return reinterpret_cast<const char*>(at);
}

bool IsQuitRequest(const char* tail) {
    static const char quit[] = "QUIT";
    if (std::strlen(tail) != sizeof quit - 1) return false;
    for (std::size_t i = 0; i < sizeof quit - 1; ++i) {
        char c = tail[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != quit[i]) return false;
    }
    return true;
}

ScheduleDecision DecideSchedule(std::int64_t stored, std::int64_t now) {
    if (now > stored) return {true, 0};
    const std::int64_t wait = std::min(stored - now, dayInSeconds);
    return {false, static_cast<std::uint32_t>(wait * 1000)};
}

bool ParseSchedule(const unsigned char* bytes, std::size_t size, std::int64_t& stored) {
    if (size < 4) return false;
    stored = FromTimeField(std::uint32_t{bytes[0]} | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24);
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

bool ProgramFilePath(const char* modulePath, const char* fileName, char* out, std::size_t size) {
    if (size > 0) out[0] = '\0';
    const char* slash = std::strrchr(modulePath, '\\');
    const std::size_t folder = slash ? static_cast<std::size_t>(slash - modulePath + 1) : 0;
    const std::size_t name = std::strlen(fileName);
    if (folder + name + 1 > size) return false;
    std::memcpy(out, modulePath, folder);
    std::memcpy(out + folder, fileName, name + 1);
    return true;
}
