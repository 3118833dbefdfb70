#include "reader/app/SettingsFile.h"

#include "contract/TimeField.h"
#include "framework/core/CFile.h"
#include "framework/core/LittleEndian.h"
#include "framework/core/SaveFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t autorunOffset = 0;
constexpr std::size_t timeOffset = 4;
constexpr std::size_t chimeOffset = 8;
constexpr std::size_t fontOffset = 12;
constexpr std::size_t pathLengthOffset = 72;

// The little-endian 32-bit field at offset, if the bytes hold it whole.
std::optional<std::uint32_t> Field(const std::string& bytes, std::size_t offset) {
    if (bytes.size() < offset + 4) return std::nullopt;
    return ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes.data()) + offset);
}

} // namespace

SettingsRecord ParseSettings(const std::string& bytes) {
    SettingsRecord record;
    if (auto autorun = Field(bytes, autorunOffset)) record.autorun = *autorun != 0;
    if (auto time = Field(bytes, timeOffset)) record.autorunTime = FromTimeField(*time);
    if (auto chime = Field(bytes, chimeOffset)) record.chime = *chime != 0;
    if (bytes.size() >= fontOffset + sizeof(FontDescription)) {
        record.font.emplace();
        std::memcpy(record.font->data(), bytes.data() + fontOffset, sizeof(FontDescription));
    }
    const std::uint32_t length = Field(bytes, pathLengthOffset).value_or(0);
    if (length > 0 && length <= longestBookPath && bytes.size() >= settingsFixedSize + length) {
        const std::string path = bytes.substr(settingsFixedSize, length);
        record.bookPath = path.substr(0, path.find('\0'));
    }
    return record;
}

std::string SettingsBytes(bool autorun, std::int64_t autorunTime, bool chime, const FontDescription& font,
                          const std::string& bookPath) {
    std::string bytes;
    AppendLittleEndian32(bytes, autorun ? 1 : 0);
    AppendLittleEndian32(bytes, ToTimeField(autorunTime));
    AppendLittleEndian32(bytes, chime ? 1 : 0);
    bytes.append(reinterpret_cast<const char*>(font.data()), font.size());
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(bookPath.size()));
    return bytes + bookPath;
}

bool ReadSettingsFile(const char* path, SettingsRecord& record) {
    CFile file;
    if (!file.Open(path, CFile::typeBinary | CFile::modeRead)) return false;
    std::string bytes(std::min<std::uint64_t>(file.GetLength(), settingsFixedSize + longestBookPath), '\0');
    bytes.resize(file.Read(&bytes[0], static_cast<unsigned>(bytes.size())));
    record = ParseSettings(bytes);
    return true;
}

bool WriteSettingsFile(const char* path, const std::string& bytes) {
    return SaveFile(path, bytes.data(), bytes.size());
}
