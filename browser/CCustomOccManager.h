#pragma once

#include <memory>

class CCustomControlSite;
class CImpIDispatch;

// Gives every browser control of the process the same host, so both browsers behave alike
// without their windows doing anything for it.
class CCustomOccManager {
  public:
    explicit CCustomOccManager(CImpIDispatch* external) : external_(external) {}

    std::unique_ptr<CCustomControlSite> CreateSite();

  private:
    CImpIDispatch* external_;
};

// From now on, browser controls in dialog templates are made with sites from this manager.
void AfxEnableControlContainer(CCustomOccManager* manager);
// The manager enabled for the process, or null.
CCustomOccManager* AfxGetControlContainerManager();
