#include "tests/support/ProgramFolder.h"

#include "contract/ScheduleFile.h"
#include "tests/support/Waits.h"

#include <filesystem>

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(std::initializer_list<const char*> programFiles) {
    for (const char* name : programFiles)
        Copy((fs::path(QUILLMERE_DIST) / name).string(), name);
}

ProgramFolder::~ProgramFolder() {
    // A program that has just ended may hold its files a moment longer.
    WaitUntil([this] {
        std::error_code ignored;
        fs::remove_all(Path(), ignored);
        return !fs::exists(Path(), ignored);
    });
}

bool ProgramFolder::Exists(const std::string& name) const { return fs::exists(Path(name)); }

void ProgramFolder::Copy(const std::string& source, const std::string& name) const {
    fs::copy_file(source, Path(name), fs::copy_options::overwrite_existing);
}

void ProgramFolder::WriteSettings(bool autorun, std::int64_t autorunTime, const FontDescription& font,
                                  const std::string& book) const {
    Write("settings.dat",
          SettingsBytes(autorun, autorunTime, false, font, book.empty() ? Path("quillmere.pdb") : book));
}

std::int64_t ProgramFolder::ScheduledTime() const {
    std::int64_t stored = -1;
    return ReadScheduleFile(Path("sched.dat").c_str(), stored) ? stored : -1;
}
