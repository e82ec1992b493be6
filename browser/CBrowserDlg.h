#pragma once

#include "ui/CBrush.h"
#include "ui/CDialogEx.h"

class CMicroGameClientDlg;

// The dialog that shows the launcher page, placed by the launcher over the dark panel of its
// picture. Enter, Escape and close requests never end it: it ends with the launcher.
class CBrowserDlg : public CDialogEx {
  public:
    static constexpr UINT IDD = 154;

    CBrowserDlg() : CDialogEx(IDD) {}

    CMicroGameClientDlg* m_pLauncher = nullptr;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    DECLARE_MESSAGE_MAP()

  private:
    CBrush background_;
};
