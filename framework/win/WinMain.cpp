// The entry point of a program built on CWinApp: it runs the application object's InitInstance.
#include "framework/win/CWinApp.h"
#include "framework/win/SafeDllSearch.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearchForWindows();
    CWinApp* app = AfxGetApp();
    if (app) app->InitInstance();
    return 0;
}
