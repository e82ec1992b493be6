#include "browser/CBrowserDlg.h"

BEGIN_MESSAGE_MAP(CBrowserDlg, CDialogEx)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BOOL CBrowserDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    background_.CreateSolidBrush(RGB(0, 0, 0));
    return TRUE;
}

HBRUSH CBrowserDlg::OnCtlColor(CDC*, CWnd*, UINT) {
    return background_;
}
