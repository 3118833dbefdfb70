#pragma once

#include "reader/logic/SettingsFile.h"
#include "tests/support/TempFolder.h"

#include <initializer_list>
#include <string>

// A fresh temporary folder holding copies of files of the build's program folder; in a folder of
// that name inside it where a name is given. Paths are UTF-8.
class ProgramFolder {
public:
    explicit ProgramFolder(std::initializer_list<const char*> programFiles, const std::string& folderName = "");
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // The folder, ending in a backslash, or the file name in it.
    std::string Path(const std::string& name = "") const { return m_folder.Path(Inside(name)); }
    bool Exists(const std::string& name) const;
    std::string Read(const std::string& name) const { return TempFolder::Read(Path(name)); }
    void Write(const std::string& name, const std::string& bytes) const { m_folder.Write(Inside(name), bytes); }
    void Copy(const std::string& source, const std::string& name) const;

    // settings.dat as the reader reads it, and written as the reader writes it.
    SettingsRecord Settings() const { return ParseSettings(Read("settings.dat")); }
    // The book is quillmere.pdb in the folder unless another is named; the window opens where
    // window says, or at its template's size.
    void WriteSettings(bool autorun, std::int64_t autorunTime, const FontDescription& font,
                       const std::string& book = "", const std::optional<WindowPlace>& window = std::nullopt) const;
    // The time in sched.dat, or -1 where there is no whole schedule file.
    std::int64_t ScheduledTime() const;

private:
    std::string Inside(const std::string& name) const {
        return m_folderName.empty() ? name : m_folderName + "\\" + name;
    }

    TempFolder m_folder;
    std::string m_folderName;
};
