#pragma once

#include "reader/logic/AutorunPlatform.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

// The machine as the autorun sees it, made up by a test: whether a scheduler waits, which start-up
// folders there are and whether shortcuts can be saved in them; every start, shortcut and delete
// is recorded in turn. Deletes are carried out, so that a test sees the files go; shortcuts are
// only recorded.
class RecordingPlatform : public AutorunPlatform {
public:
    bool SchedulerWaiting() override { return schedulerWaiting; }
    void Start(const std::string& program, const char* parameters) override {
        calls.push_back("start " + program + (parameters ? std::string(" [") + parameters + "]" : ""));
    }
    bool FindStartupFolder(StartupFolder which, std::string& folder) override {
        folder = which == StartupFolder::allUsers ? allUsersFolder : userFolder;
        return !folder.empty();
    }
    bool SaveShortcut(const std::string& target, const std::string& link, const char* description) override {
        const bool saved = link.rfind(allUsersFolder, 0) == 0 ? allUsersWritable : userWritable;
        calls.push_back(std::string(saved ? "shortcut " : "refused shortcut ") + link + " -> " + target + " (" +
                        description + ")");
        if (saved) files.insert(link);
        return saved;
    }
    void Delete(const std::string& path) override {
        calls.push_back("delete " + path);
        files.erase(path);
        std::remove(path.c_str());
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0; }

    bool schedulerWaiting = false;
    std::string allUsersFolder = "C:\\ProgramData\\StartUp";
    std::string userFolder = "C:\\Users\\me\\StartUp";
    bool allUsersWritable = true;
    bool userWritable = true;
    std::vector<std::string> calls;
    // The shortcuts there are: those a test puts here and those saved.
    std::set<std::string> files;
};
