// The application object: parses the command line and runs the main window.
#pragma once

#include "CommandLineInfo.h"
#include "framework/CWinApp.h"

class CUpdateApp : public CWinApp {
public:
    BOOL InitInstance() override;

    CUpdateCommandLineInfo m_cmdInfo;
};
