#include "reader/logic/SettingsFile.h"

#include "contract/TimeField.h"
#include "framework/core/CFile.h"
#include "framework/core/LittleEndian.h"
#include "framework/core/SaveFile.h"

#include <cstring>

namespace {

constexpr std::size_t autorunOffset = 0;
constexpr std::size_t timeOffset = 4;
constexpr std::size_t chimeOffset = 8;
constexpr std::size_t fontOffset = 12;
constexpr std::size_t pathLengthOffset = 72;
constexpr char utf8PathTag[] = "UTF8";
constexpr char windowTag[] = "WNDW";
constexpr std::size_t tagSize = 4;
// The window's place: left, top, right, bottom, maximised and the DPI, each 32 bits.
constexpr std::size_t windowSize = 24;
constexpr char lookTag[] = "LOOK";
// The text's look: verse numbers shown and the dark background, each 32 bits.
constexpr std::size_t lookSize = 8;

// The little-endian 32-bit field at offset, if the bytes hold it whole.
std::optional<std::uint32_t> Field(const std::string& bytes, std::size_t offset) {
    if (bytes.size() < offset + 4) return std::nullopt;
    return ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes.data()) + offset);
}

// The path whose length field is at offset, up to its first zero byte; where it is not whole,
// none. end is where the path's bytes end.
std::optional<std::string> Path(const std::string& bytes, std::size_t offset, std::size_t& end) {
    const std::uint32_t length = Field(bytes, offset).value_or(0);
    if (length == 0 || length > longestBookPath || bytes.size() - offset - 4 < length) return std::nullopt;
    const std::string path = bytes.substr(offset + 4, length);
    end = offset + 4 + length;
    return path.substr(0, path.find('\0'));
}

// field after its length.
void AppendSized(std::string& bytes, const std::string& field) {
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(field.size()));
    bytes += field;
}

std::optional<WindowPlace> WindowPlaceOf(const std::string& block) {
    if (block.size() != windowSize) return std::nullopt;
    const auto field = [&](std::size_t index) { return static_cast<std::int32_t>(*Field(block, 4 * index)); };
    return WindowPlace{{field(0), field(1), field(2), field(3)}, field(4) != 0, field(5)};
}

std::string WindowPlaceBytes(const WindowPlace& window) {
    std::string bytes;
    for (const std::int32_t field : {window.rect.left, window.rect.top, window.rect.right, window.rect.bottom,
                                     window.maximized ? 1 : 0, window.dpi})
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(field));
    return bytes;
}

std::optional<TextLook> TextLookOf(const std::string& block) {
    if (block.size() != lookSize) return std::nullopt;
    return TextLook{*Field(block, 0) != 0, *Field(block, 4) != 0};
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
    std::size_t end = 0;
    const std::optional<std::string> path = Path(bytes, pathLengthOffset, end);
    if (!path) return record;
    record.bookPath = *path;
    for (std::size_t at = end; bytes.size() - at >= tagSize + 4;) {
        const std::string tag = bytes.substr(at, tagSize);
        const std::uint32_t length = *Field(bytes, at + tagSize);
        if (length > bytes.size() - at - tagSize - 4) break;
        if (tag == utf8PathTag)
            record.bookPathUtf8 = Path(bytes, at + tagSize, end).value_or("");
        else if (tag == windowTag)
            record.window = WindowPlaceOf(bytes.substr(at + tagSize + 4, length));
        else if (tag == lookTag)
            record.look = TextLookOf(bytes.substr(at + tagSize + 4, length));
        at += tagSize + 4 + length;
    }
    return record;
}

std::string SettingsBytes(bool autorun, std::int64_t autorunTime, bool chime, const FontDescription& font,
                          const std::string& bookPath, const std::string& bookPathUtf8,
                          const std::optional<WindowPlace>& window, const std::optional<TextLook>& look) {
    std::string bytes;
    AppendLittleEndian32(bytes, autorun ? 1 : 0);
    AppendLittleEndian32(bytes, ToTimeField(autorunTime));
    AppendLittleEndian32(bytes, chime ? 1 : 0);
    bytes.append(reinterpret_cast<const char*>(font.data()), font.size());
    AppendSized(bytes, bookPath);
    if (!bookPathUtf8.empty()) {
        bytes += utf8PathTag;
        AppendSized(bytes, bookPathUtf8);
    }
    if (window) {
        bytes += windowTag;
        AppendSized(bytes, WindowPlaceBytes(*window));
    }
    if (look) {
        bytes += lookTag;
        AppendLittleEndian32(bytes, lookSize);
        AppendLittleEndian32(bytes, look->verseNumbers ? 1 : 0);
        AppendLittleEndian32(bytes, look->darkBackground ? 1 : 0);
    }
    return bytes;
}

bool ReadSettingsFile(const char* path, SettingsRecord& record) {
    const std::uint64_t longest =
        settingsFixedSize + longestBookPath + 3 * (tagSize + 4) + longestBookPath + windowSize + lookSize;
    std::string bytes;
    if (!CFile::ReadAll(path, longest, bytes)) return false;
    record = ParseSettings(bytes);
    return true;
}

bool WriteSettingsFile(const char* path, const std::string& bytes) {
    return SaveFile(path, bytes.data(), bytes.size());
}
