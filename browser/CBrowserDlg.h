#pragma once

#include "browser/CWebExplorer.h"
#include "browser/IBrowserEventSink.h"
#include "ui/CBrush.h"
#include "ui/CDialogEx.h"

class CMicroGameClientDlg;

// The dialog that shows the launcher page, placed by the launcher over the dark panel of its
// picture. It watches every navigation of its page and keeps game addresses out of it. Enter,
// Escape and close requests never end it: it ends with the launcher.
class CBrowserDlg : public CDialogEx, public IBrowserEventSink {
  public:
    static constexpr UINT IDD = 154;

    CBrowserDlg() : CDialogEx(IDD) {}

    void OnBeforeNavigate2(const std::u16string& address, bool* cancel) override;

    CWebExplorer m_Browser;
    CMicroGameClientDlg* m_pLauncher = nullptr;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT type, int cx, int cy);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    DECLARE_MESSAGE_MAP()

  private:
    CBrush background_;
};
