#include "tests/e2e/ProgramFolder.h"

#include "contract/ScheduleFile.h"
#include "tests/e2e/Waits.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(std::initializer_list<const char*> programFiles) {
    static int serial = 0;
    const fs::path folder = fs::temp_directory_path() / ("quillmere-e2e-" + std::to_string(::GetCurrentProcessId()) +
                                                         "-" + std::to_string(++serial));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* name : programFiles)
        fs::copy_file(fs::path(QUILLMERE_DIST) / name, folder / name);
    m_folder = folder.string() + "\\";
}

ProgramFolder::~ProgramFolder() {
    // A program that has just ended may hold its files a moment longer.
    WaitUntil([this] {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
        return !fs::exists(m_folder, ignored);
    });
}

bool ProgramFolder::Exists(const std::string& name) const { return fs::exists(Path(name)); }

std::string ProgramFolder::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void ProgramFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
}

void ProgramFolder::Copy(const std::string& source, const std::string& name) const {
    fs::copy_file(source, Path(name), fs::copy_options::overwrite_existing);
}

void ProgramFolder::WriteSettings(bool autorun, std::int64_t nextStartTime, const FontDescription& font) const {
    Write("settings.dat", SettingsBytes(autorun, nextStartTime, false, font, Path("quillmere.pdb")));
}

std::int64_t ProgramFolder::ScheduledTime() const {
    std::int64_t stored = -1;
    return ReadScheduleFile(Path("sched.dat").c_str(), stored) ? stored : -1;
}
