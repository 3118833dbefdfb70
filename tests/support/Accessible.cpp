#include "tests/support/Accessible.h"

#include "tests/support/Unicode.h"
#include "tests/support/Waits.h"

#include <oleacc.h>

namespace {

std::string NameOf(IAccessible* object, VARIANT child) {
    BSTR name = nullptr;
    std::string text;
    if (object->get_accName(child, &name) == S_OK && name) text = Utf8Of(name);
    ::SysFreeString(name);
    return text;
}

} // namespace

std::mutex WinEventListener::s_lock;
std::vector<std::string> WinEventListener::s_names;

std::string AccessibleName(HWND control) {
    ::CoInitialize(nullptr);
    IAccessible* object = nullptr;
    std::string name;
    if (SUCCEEDED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)))) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        name = NameOf(object, self);
        object->Release();
    }
    ::CoUninitialize();
    return name;
}

WinEventListener::WinEventListener(DWORD process) : m_process(process) {
    {
        std::lock_guard<std::mutex> guard(s_lock);
        s_names.clear();
    }
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this, ready] {
        ::CoInitialize(nullptr);
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, for the quit
        const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                                     OnEvent, m_process, 0, WINEVENT_OUTOFCONTEXT);
        m_threadId = ::GetCurrentThreadId();
        ::SetEvent(ready);
        while (::GetMessageW(&message, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&message);
        ::UnhookWinEvent(hook);
        ::CoUninitialize();
    });
    ::WaitForSingleObject(ready, deadline);
    ::CloseHandle(ready);
}

WinEventListener::~WinEventListener() {
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
}

void CALLBACK WinEventListener::OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (FAILED(::AccessibleObjectFromEvent(window, object, child, &accessible, &which))) return;
    const std::string name = NameOf(accessible, which);
    accessible->Release();
    std::lock_guard<std::mutex> guard(s_lock);
    s_names.push_back(name);
}

bool WinEventListener::Heard(const std::string& part) {
    return WaitUntil([&] {
        std::lock_guard<std::mutex> guard(s_lock);
        for (const std::string& name : s_names)
            if (name.find(part) != std::string::npos) return true;
        return false;
    });
}
