#include "app/CMicroGameClientApp.h"

#include "app/ExecutableNames.h"
#include "app/RunMode.h"
#include "launcher/CMicroGameClientDlg.h"
#include "ui/WinApi.h"

CMicroGameClientApp::~CMicroGameClientApp() {
    if (control_manager_ != nullptr && AfxGetControlContainerManager() == control_manager_.get()) {
        AfxEnableControlContainer(nullptr);
    }
}

BOOL CMicroGameClientApp::InitInstance() {
    if (IsUninstallMode(GetCommandLine())) {
        RunUninstallMode();
    } else {
        RunNormalMode();
    }
    return FALSE;
}

int CMicroGameClientApp::ExitInstance() {
    return CWinApp::ExitInstance();
}

void CMicroGameClientApp::RunUninstallMode() {
    const std::u16string message = ExecutableNames::FileName(GetModulePath()) + u" 已成功卸载";
    // The settings key, the shortcuts, the program group and the executable are removed here,
    // before the message.
    MessageBoxW(nullptr, message, nullptr, MB_OK);
}

void CMicroGameClientApp::RunNormalMode() {
    CWinApp::InitInstance();
    dispatch_ = std::make_unique<CImpIDispatch>();
    control_manager_ = std::make_unique<CCustomOccManager>(dispatch_.get());
    AfxEnableControlContainer(control_manager_.get());
    CMicroGameClientDlg launcher;
    m_pMainWnd = &launcher;
    launcher.DoModal();
    m_pMainWnd = nullptr;
}
