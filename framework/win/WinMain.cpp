// The entry point of a program built on CWinApp: it runs the application object's InitInstance.
#include "framework/win/CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app) app->InitInstance();
    return 0;
}
