#pragma once

#include "ui/CWinApp.h"

// The application: chooses the run mode from the command line, then either uninstalls or runs
// the launcher as the program's one modal loop. It never runs a loop of its own.
class CMicroGameClientApp : public CWinApp {
  public:
    BOOL InitInstance() override;
    int ExitInstance() override;

  private:
    void RunUninstallMode();
    void RunNormalMode();
};
