#include "tests/support/ProgramFolder.h"

#include "contract/ScheduleFile.h"
#include "tests/support/Waits.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(std::initializer_list<const char*> programFiles, const std::string& folderName)
    : m_folderName(folderName) {
    if (!folderName.empty()) fs::create_directory(fs::u8path(Path()));
    for (const char* name : programFiles)
        Copy((fs::path(QUILLMERE_DIST) / name).u8string(), name);
}

ProgramFolder::~ProgramFolder() {
    // A program that has just ended may hold its files a moment longer.
    WaitUntil([this] {
        std::error_code ignored;
        fs::remove_all(fs::u8path(Path()), ignored);
        return !fs::exists(fs::u8path(Path()), ignored);
    });
}

bool ProgramFolder::Exists(const std::string& name) const { return fs::exists(fs::u8path(Path(name))); }

void ProgramFolder::Copy(const std::string& source, const std::string& name) const {
    fs::copy_file(fs::u8path(source), fs::u8path(Path(name)), fs::copy_options::overwrite_existing);
}

void ProgramFolder::WriteSettings(bool autorun, std::int64_t autorunTime, const FontDescription& font,
                                  const std::string& book, const std::optional<WindowPlace>& window) const {
    // A path beyond ASCII goes whole after the fields, as the reader writes one that its ANSI code
    // page lacks.
    const std::string path = book.empty() ? Path("quillmere.pdb") : book;
    const bool ascii = std::all_of(path.begin(), path.end(), [](char c) { return (c & 0x80) == 0; });
    Write("settings.dat",
          SettingsBytes(autorun, autorunTime, false, font, ascii ? path : "?", ascii ? "" : path, window));
}

std::int64_t ProgramFolder::ScheduledTime() const {
    std::int64_t stored = -1;
    return ReadScheduleFile(Path("sched.dat").c_str(), stored) ? stored : -1;
}
