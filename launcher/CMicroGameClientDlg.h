#pragma once

#include <memory>
#include <vector>

#include "browser/CBrowserDlg.h"
#include "launcher/CLayeredButton.h"
#include "launcher/IRenderListener.h"
#include "ui/CDialogEx.h"
#include "ui/Icon.h"
#include "ui/WinApi.h"

namespace ui {
class Image;
}

// The launcher: a borderless window drawn with per-pixel alpha from one picture and its two
// buttons, with the launcher page's dialog over the picture's dark panel and an icon in the
// tray. Its modal loop is the program's only message loop.
class CMicroGameClientDlg : public CDialogEx, public IRenderListener {
  public:
    static constexpr UINT IDD = 102;
    static constexpr UINT kTrayCallback = 2024;
    static constexpr UINT kTrayIconId = 128;
    // Where the launcher page's dialog sits on the picture, and its size.
    static constexpr CPoint kPageOffset{536, 286};
    static constexpr CSize kPageSize{610, 344};

    CMicroGameClientDlg();
    ~CMicroGameClientDlg() override;

    BOOL DestroyWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The composition pass: the background, then every button, presented with per-pixel
    // alpha at the window's place.
    bool Render();
    void OnRender(CLayeredButton* sender) override;

    void CreateButtons();
    void AddButton(CLayeredButton* button);

    // The game window, once the launcher page handed over to it; never cleared.
    CWnd* m_pGameDlg = nullptr;
    CBrowserDlg m_BrowserDlg;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMove(int x, int y);
    void OnOfficialSite();
    void OnPayPage();
    void OnServicePage();
    void OnMinimize();
    void OnExit();
    DECLARE_MESSAGE_MAP()

  private:
    CPoint CentreOnWorkArea(int width, int height) const;
    void AddTrayIcon();

    HICON m_hIcon = nullptr;
    std::unique_ptr<ui::Image> m_pBkImage;
    NOTIFYICONDATAW m_nid;
    std::vector<CLayeredButton*> m_ButtonList;
    std::unique_ptr<CLayeredButton> m_pMinBtn;
    std::unique_ptr<CLayeredButton> m_pExitBtn;
};
