#pragma once

#include <string>

// What the autorun registration asks of the machine besides the program folder's files: the
// reader's answers are Win32's (Autorun.cpp); the native tests record the calls.
class AutorunPlatform {
public:
    enum class StartupFolder { allUsers, user };

    virtual ~AutorunPlatform() = default;
    // Whether a scheduler is waiting: its window, known by class and title, is there.
    virtual bool SchedulerWaiting() = 0;
    // Starts program with parameters (null for none) and does not wait for it.
    virtual void Start(const std::string& program, const char* parameters) = 0;
    // The start-up folder; false where there is none.
    virtual bool FindStartupFolder(StartupFolder which, std::string& folder) = 0;
    // Saves a shell link to target with description as the file link; true when it was saved.
    virtual bool SaveShortcut(const std::string& target, const std::string& link, const char* description) = 0;
    // Deletes the file at path; one that is not there is no failure.
    virtual void Delete(const std::string& path) = 0;
    // Whether there is a file at path.
    virtual bool Exists(const std::string& path) = 0;
};
