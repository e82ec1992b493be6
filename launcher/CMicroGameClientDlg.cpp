#include "launcher/CMicroGameClientDlg.h"

#include <algorithm>

#include "app/ExecutableNames.h"
#include "app/SiteAddresses.h"
#include "game/GameVisibility.h"
#include "skin/LoadSkinImage.h"
#include "ui/Bitmap.h"
#include "ui/CPaintDC.h"
#include "ui/CWinApp.h"
#include "ui/Graphics.h"

namespace {

constexpr UINT kOfficialSite = 2001;
constexpr UINT kPayPage = 2002;
constexpr UINT kServicePage = 2003;
constexpr UINT kOfficialSiteToo = 2004;
constexpr UINT kMinimize = 2005;
constexpr UINT kExit = 2006;
constexpr std::uint16_t kBackground = 153;

struct ButtonRow {
    UINT id;
    CRect rect;
    CLayeredButton::ImageSet images;
};

constexpr ButtonRow kMinimizeRow{kMinimize, {1169, 189, 1194, 214}, {145, 144, 146, 144, 0}};
constexpr ButtonRow kExitRow{kExit, {1191, 210, 1230, 249}, {148, 147, 149, 147, 0}};

}  // namespace

BEGIN_MESSAGE_MAP(CMicroGameClientDlg, CDialogEx)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOVE()
ON_COMMAND(kOfficialSite, OnOfficialSite)
ON_COMMAND(kPayPage, OnPayPage)
ON_COMMAND(kServicePage, OnServicePage)
ON_COMMAND(kOfficialSiteToo, OnOfficialSite)
ON_COMMAND(kMinimize, OnMinimize)
ON_COMMAND(kExit, OnExit)
END_MESSAGE_MAP()

CMicroGameClientDlg::CMicroGameClientDlg() : CDialogEx(IDD) {
    m_hIcon = LoadIconW(128);
}

CMicroGameClientDlg::~CMicroGameClientDlg() = default;

BOOL CMicroGameClientDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pBkImage = LoadSkinImage(kBackground);
    const int w = static_cast<int>(m_pBkImage->GetWidth());
    const int h = static_cast<int>(m_pBkImage->GetHeight());
    const CPoint at = CentreOnWorkArea(w, h);
    MoveWindow(at.x, at.y, w, h, TRUE);
    if ((GetExStyle() & WS_EX_LAYERED) == 0) {
        ModifyStyleEx(0, WS_EX_LAYERED);
    }
    CreateButtons();
    Render();

    m_BrowserDlg.Create(CBrowserDlg::IDD, this);
    m_BrowserDlg.MoveWindow(at.x + kPageOffset.x, at.y + kPageOffset.y, kPageSize.cx, kPageSize.cy,
                            TRUE);
    m_BrowserDlg.ShowWindow(SW_SHOW);
    m_BrowserDlg.SetFocus();
    m_BrowserDlg.m_pLauncher = this;

    // The installation check and repair runs here, with the launcher already on the screen.

    AddTrayIcon();
    return TRUE;
}

// The work area's own origin is not added back: the launcher is centred on the work area's
// size, measured from the screen's corner.
CPoint CMicroGameClientDlg::CentreOnWorkArea(int width, int height) const {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {(work.right - work.left - width) / 2, (work.bottom - work.top - height) / 2};
}

void CMicroGameClientDlg::AddTrayIcon() {
    m_nid = NOTIFYICONDATAW{};
    m_nid.cbSize = 956;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = kTrayCallback;
    m_nid.hIcon = m_hIcon;
    const CWinApp* app = AfxGetApp();
    const std::u16string tip =
        ExecutableNames::BaseName(app != nullptr ? app->GetModulePath() : u"");
    std::copy_n(tip.begin(), std::min<std::size_t>(tip.size(), std::size(m_nid.szTip) - 1),
                m_nid.szTip);
    Shell_NotifyIconW(NIM_ADD, &m_nid);
}

void CMicroGameClientDlg::CreateButtons() {
    for (const ButtonRow* row : {&kMinimizeRow, &kExitRow}) {
        auto& member = row->id == kMinimize ? m_pMinBtn : m_pExitBtn;
        member = std::make_unique<CLayeredButton>();
        member->Create(u"", WS_CHILD | WS_VISIBLE, row->rect, this, row->id);
        member->SetImages(row->images);
        AddButton(member.get());
    }
}

void CMicroGameClientDlg::AddButton(CLayeredButton* button) {
    button->SetListener(this);
    m_ButtonList.push_back(button);
}

bool CMicroGameClientDlg::Render() {
    if (m_pBkImage == nullptr) {
        return false;
    }
    const int w = static_cast<int>(m_pBkImage->GetWidth());
    const int h = static_cast<int>(m_pBkImage->GetHeight());
    // Nothing is kept between passes: each composes a fresh, fully transparent picture.
    auto picture = ui::Bitmap::Create(w, h);
    auto graphics = ui::Graphics::FromBitmap(*picture);
    graphics->DrawImage(*m_pBkImage, 0, 0, w, h);
    for (CLayeredButton* button : m_ButtonList) {
        button->Draw(*graphics);
    }
    CRect window;
    GetWindowRect(&window);
    return UpdateLayeredWindow(*picture, {window.left, window.top}) != FALSE;
}

void CMicroGameClientDlg::OnRender(CLayeredButton*) {
    Render();
}

BOOL CMicroGameClientDlg::DestroyWindow() {
    for (CLayeredButton* button : m_ButtonList) {
        button->SetListener(nullptr);
    }
    m_ButtonList.clear();
    m_pMinBtn.reset();
    m_pExitBtn.reset();
    m_pBkImage.reset();
    Shell_NotifyIconW(NIM_DELETE, &m_nid);
    return CDialogEx::DestroyWindow();
}

LRESULT CMicroGameClientDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kTrayCallback) {
        return CDialogEx::WindowProc(message, wParam, lParam);
    }
    if (lParam == WM_LBUTTONDOWN && m_pGameDlg != nullptr) {
        ToggleGameVisibility(*m_pGameDlg);
    }
    return 0;
}

void CMicroGameClientDlg::OnPaint() {
    if (!IsIconic()) {
        CDialogEx::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)));
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

BOOL CMicroGameClientDlg::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CMicroGameClientDlg::OnLButtonDown(UINT, CPoint) {
    SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    Default();
}

void CMicroGameClientDlg::OnMove(int x, int y) {
    Default();
    if (IsWindow(m_BrowserDlg.GetSafeHwnd())) {
        m_BrowserDlg.SetWindowPos(nullptr, x + kPageOffset.x, y + kPageOffset.y, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER);
    }
}

void CMicroGameClientDlg::OnOfficialSite() {
    ShellExecuteOpen(SiteAddresses::OfficialSite());
}

void CMicroGameClientDlg::OnPayPage() {
    ShellExecuteOpen(SiteAddresses::PayPage());
}

void CMicroGameClientDlg::OnServicePage() {
    ShellExecuteOpen(SiteAddresses::ServicePage());
}

void CMicroGameClientDlg::OnMinimize() {
    ShowWindow(SW_MINIMIZE);
}

void CMicroGameClientDlg::OnExit() {
    if (MessageBox(u"你确定要退出微端？", u"登录器", MB_YESNO) == IDYES) {
        ::PostMessage(m_hWnd, WM_QUIT, 0, 0);
    }
}
