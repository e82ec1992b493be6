#include "ui/CButton.h"

#include "ui/CPaintDC.h"
#include "ui/WinApi.h"

namespace {

bool IsCheckStyle(DWORD style) {
    const DWORD type = style & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON;
}

}  // namespace

BOOL CButton::Create(std::u16string_view caption, DWORD style, const CRect& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, caption, style | WS_CHILD, rect, parent, id);
}

void CButton::SetCheck(int check) {
    checked_ = check == BST_CHECKED;
    Invalidate(TRUE);
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press();
            return 0;
        case WM_MOUSEMOVE:
            if (tracking_press_) {
                CRect client;
                GetClientRect(&client);
                const bool inside = client.Contains({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
                if (inside != pushed_) {
                    pushed_ = inside;
                    Invalidate(TRUE);
                }
            }
            return 0;
        case WM_LBUTTONUP:
            Release({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            if (tracking_press_) {
                tracking_press_ = pushed_ = false;
                Invalidate(TRUE);
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && !space_down_) {
                space_down_ = pushed_ = true;
                Invalidate(TRUE);
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && space_down_) {
                space_down_ = false;
                const bool click = pushed_;
                pushed_ = false;
                Invalidate(TRUE);
                if (click) {
                    Click();
                }
            }
            return 0;
        case WM_KILLFOCUS:
            space_down_ = false;
            return 0;
        case BM_GETCHECK:
            return GetCheck();
        case BM_SETCHECK:
            SetCheck(static_cast<int>(wParam));
            return 0;
        case BM_GETSTATE:
            return (checked_ ? BST_CHECKED : 0) | (pushed_ ? 0x0004 : 0);
        case BM_CLICK:
            Click();
            return 0;
        case WM_ENABLE:
            Invalidate(TRUE);
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CButton::Press() {
    SetCapture();
    tracking_press_ = pushed_ = true;
    if ((GetStyle() & WS_TABSTOP) != 0) {
        SetFocus();
    }
    Invalidate(TRUE);
}

void CButton::Release(CPoint point) {
    if (!tracking_press_) {
        return;
    }
    tracking_press_ = false;
    pushed_ = false;
    ReleaseCapture();
    Invalidate(TRUE);
    CRect client;
    GetClientRect(&client);
    if (client.Contains(point)) {
        Click();
    }
}

void CButton::Click() {
    const DWORD type = GetStyle() & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) {
        checked_ = !checked_;
    } else if (type == BS_AUTORADIOBUTTON) {
        checked_ = true;
    }
    CWnd* parent = GetParent();
    if (parent != nullptr && m_hWnd != nullptr) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                            reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CButton::Paint() {
    CPaintDC dc(this);
    if ((GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsWindowEnabled() ? RGB(0, 0, 0) : RGB(0x6D, 0x6D, 0x6D));
    if (IsCheckStyle(GetStyle())) {
        const int box = 13;
        const CRect mark = CRect::FromXywh(0, (client.Height() - box) / 2, box, box);
        dc.FillSolidRect(mark, RGB(0x33, 0x33, 0x33));
        dc.FillSolidRect(CRect{mark.left + 1, mark.top + 1, mark.right - 1, mark.bottom - 1},
                         RGB(255, 255, 255));
        if (checked_) {
            dc.FillSolidRect(CRect{mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3},
                             RGB(0x33, 0x33, 0x33));
        }
        CRect text{box + 4, 0, client.right, client.bottom};
        dc.DrawText(GetWindowText(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const bool is_default = (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    dc.FillSolidRect(client, is_default ? RGB(0x00, 0x78, 0xD7) : RGB(0xAD, 0xAD, 0xAD));
    dc.FillSolidRect(CRect{1, 1, client.right - 1, client.bottom - 1},
                     pushed_ ? RGB(0xCC, 0xE4, 0xF7) : RGB(0xE1, 0xE1, 0xE1));
    CRect text = client;
    dc.DrawText(GetWindowText(), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
