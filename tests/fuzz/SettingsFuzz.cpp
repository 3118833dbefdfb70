// Any bytes as settings.dat: parsing never fails, and a record read whole writes back to bytes that
// read as the same record.
#include "reader/logic/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const SettingsRecord record = ParseSettings(std::string(reinterpret_cast<const char*>(data), size));
    if (record.bookPath.size() > longestBookPath || record.bookPathUtf8.size() > longestBookPath) std::abort();
    if (record.autorunTime && record.font) {
        const std::string again = SettingsBytes(record.autorun, *record.autorunTime, record.chime, *record.font,
                                                record.bookPath, record.bookPathUtf8);
        if (!(ParseSettings(again) == record)) std::abort();
    }
    return 0;
}
