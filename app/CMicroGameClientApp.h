#pragma once

#include <memory>

#include "browser/CCustomOccManager.h"
#include "browser/CImpIDispatch.h"
#include "ui/CWinApp.h"

// The application: chooses the run mode from the command line, then either uninstalls or runs
// the launcher as the program's one modal loop. It never runs a loop of its own.
class CMicroGameClientApp : public CWinApp {
  public:
    ~CMicroGameClientApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The one window.external of the process; null in uninstall mode.
    CImpIDispatch* ExternalDispatch() const { return dispatch_.get(); }

  private:
    void RunUninstallMode();
    void RunNormalMode();

    std::unique_ptr<CImpIDispatch> dispatch_;
    // Stays installed until the process ends.
    std::unique_ptr<CCustomOccManager> control_manager_;
};
