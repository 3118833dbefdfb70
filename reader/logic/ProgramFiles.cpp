#include "reader/logic/ProgramFiles.h"

#include "framework/core/ProgramPath.h"

ProgramFiles FilesOfFolder(const std::string& folder, const std::string& settingsName) {
    ProgramFiles files;
    JoinProgramPath(folder, settingsName, files.settings);
    JoinProgramPath(folder, PROGRESS_FILE_NAME, files.progress);
    JoinProgramPath(folder, CHIME_FILE_NAME, files.chime);
    JoinProgramPath(folder, DEFAULT_BOOK_FILE_NAME, files.defaultBook);
    JoinProgramPath(folder, SCHEDULE_FILE_NAME, files.schedule);
    JoinProgramPath(folder, SCHEDULER_FILE_NAME, files.scheduler);
    return files;
}
