#include "framework/win/SafeDllSearch.h"

#include <windows.h>

void RestrictDllSearch() { ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

void RestrictDllSearchForWindows() {
    RestrictDllSearch();
    // Wine's input method DLL loads ole32 for every program with a window, by a search that ignores
    // the restriction; one loaded from the system folder first is the one it then finds. Windows
    // keeps ole32 among its known DLLs, so there this costs next to nothing.
    ::LoadLibraryExA("ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The program's load configuration, which the linker finds by this name. Its DependentLoadFlags
// (Reserved1 in these headers) make Windows search the system folder alone for what the system's
// own DLLs load for the program, and for the dependencies of the DLLs it imports. It lies in the
// same object as RestrictDllSearch, which every program calls, so that it is always linked; the
// build's set-load-config points the program's load configuration entry at it.
// The fields not named are zero, and the whole lies in the program file as it is initialised here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
    .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,
};
#pragma GCC diagnostic pop
