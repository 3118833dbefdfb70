#include "tests/support/Process.h"

std::wstring WideOf(const std::string& utf8) {
    std::wstring wide(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8Of(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    std::string utf8(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

Process::~Process() {
    if (Running()) ::TerminateProcess(m_process.hProcess, 1), WaitForExit();
    Release();
}

bool Process::Start(const std::string& program, const std::string& arguments, const std::string& currentFolder) {
    Release();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = WideOf("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments));
    const std::string folder = currentFolder.empty() ? program.substr(0, program.rfind('\\') + 1) : currentFolder;
    return ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, WideOf(folder).c_str(), &startup,
                            &m_process);
}

int Process::WaitForExit(DWORD milliseconds) {
    if (!m_process.hProcess || ::WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

bool Process::Running() const {
    return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Release() {
    if (m_process.hProcess) ::CloseHandle(m_process.hProcess), ::CloseHandle(m_process.hThread);
    m_process = {};
}
