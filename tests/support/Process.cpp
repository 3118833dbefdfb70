#include "tests/support/Process.h"

#include "tests/support/Unicode.h"

Process::~Process() {
    if (Running()) ::TerminateProcess(m_process.hProcess, 1), WaitForExit();
    Release();
}

bool Process::Start(const std::string& program, const std::string& arguments, const std::string& currentFolder) {
    Release();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = WideOf("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments));
    const std::wstring folder =
        WideOf(currentFolder.empty() ? program.substr(0, program.rfind('\\') + 1) : currentFolder);
    // Under load Wine now and then loses a new process at its very start, and CreateProcess fails
    // for it: a program that exists is started once more. One that fails so every time still fails.
    const auto start = [&] {
        return ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                                &m_process) != FALSE;
    };
    if (start()) return true;
    const DWORD error = ::GetLastError();
    if (::GetFileAttributesW(WideOf(program).c_str()) != INVALID_FILE_ATTRIBUTES && start()) return true;
    ::SetLastError(error);
    return false;
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
