#pragma once

#include "framework/win/CWinApp.h"

// Quillview: one main window, and no second one while it is open.
class ReaderApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
