#include "browser/CBrowserDlg.h"

#include "app/SiteAddresses.h"
#include "browser/GameAddress.h"
#include "ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CBrowserDlg, CDialogEx)
ON_WM_SIZE()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

void CBrowserDlg::DoDataExchange(CDataExchange* dx) {
    CDialogEx::DoDataExchange(dx);
    DDX_Control(dx, 1000, m_Browser);
}

BOOL CBrowserDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    background_.CreateSolidBrush(RGB(0, 0, 0));
    m_Browser.Navigate(SiteAddresses::ClientEntryPage());
    return TRUE;
}

void CBrowserDlg::OnSize(UINT type, int cx, int cy) {
    // A size message can come before the data exchange has bound the browser.
    if (type != SIZE_MINIMIZED && m_Browser.GetSafeHwnd() != nullptr) {
        m_Browser.MoveWindow(0, 0, cx, cy, TRUE);
    }
}

HBRUSH CBrowserDlg::OnCtlColor(CDC*, CWnd*, UINT) {
    return background_;
}

void CBrowserDlg::OnBeforeNavigate2(const std::u16string& address, bool* cancel) {
    *cancel = false;
    if (!IsGameAddress(address)) {
        return;
    }
    // The launcher page never goes to a game address; the game window opens it.
    *cancel = true;
}
