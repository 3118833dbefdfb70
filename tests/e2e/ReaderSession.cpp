#include "tests/e2e/ReaderSession.h"

#include <filesystem>

namespace fs = std::filesystem;

ReaderSession::ReaderSession(bool withBook, bool withScheduler) {
    static int serial = 0;
    const fs::path folder = fs::temp_directory_path() / ("quillmere-e2e-" + std::to_string(::GetCurrentProcessId()) +
                                                         "-" + std::to_string(++serial));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* name : {"Quillview.exe", "quill.wav", "quillmere.pdb", "Quillwake.exe"}) {
        if (!withBook && std::string(name) == "quillmere.pdb") continue;
        if (!withScheduler && std::string(name) == "Quillwake.exe") continue;
        fs::copy_file(fs::path(QUILLMERE_DIST) / name, folder / name);
    }
    m_folder = folder.string() + "\\";
}

ReaderSession::~ReaderSession() {
    if (Running()) ::TerminateProcess(m_process.hProcess, 1), WaitForExit();
    if (m_process.hProcess) ::CloseHandle(m_process.hProcess), ::CloseHandle(m_process.hThread);
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

bool ReaderSession::Start(const std::string& currentFolder) {
    if (m_process.hProcess) ::CloseHandle(m_process.hProcess), ::CloseHandle(m_process.hThread);
    m_process = {};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + FileInFolder("Quillview.exe") + "\"";
    return ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                            currentFolder.empty() ? m_folder.c_str() : currentFolder.c_str(), &startup, &m_process);
}

int ReaderSession::WaitForExit(DWORD milliseconds) {
    if (::WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

bool ReaderSession::Running() const {
    return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool ReaderSession::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    for (DWORD waited = 0;; waited += 50) {
        if (condition()) return true;
        if (waited >= milliseconds) return false;
        ::Sleep(50);
    }
}

HWND ReaderSession::WaitForWindow(const char* caption, DWORD milliseconds, const char* windowClass) {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = ::FindWindowA(windowClass, caption)) && ::IsWindowVisible(window); },
                   milliseconds))
        return nullptr;
    Settle(200); // let it finish showing
    return window;
}

std::string ReaderSession::Text(HWND window) {
    char text[8192] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void ReaderSession::Press(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    Settle();
}

void ReaderSession::ClickAt(HWND window, int x, int y) {
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Settle();
}
