#pragma once

// A program folder is writable, and a current folder may be anyone's: a DLL planted in either must
// never be loaded into the program. Windows looks there first for every DLL that is not one of its
// known system DLLs, so each program restricts the search to the system folder before anything
// else runs, and imports at start only known DLLs; the rest are delay-loaded.

// Restricts the search of every later load to the system folder.
void RestrictDllSearch();
// The same for a program with windows, which also loads at once what Wine loads for its windows.
void RestrictDllSearchForWindows();
