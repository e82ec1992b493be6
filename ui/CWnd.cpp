#include "ui/CWnd.h"

#include <algorithm>
#include <vector>

#include "platform/Backend.h"
#include "ui/Bitmap.h"
#include "ui/CBrush.h"
#include "ui/CDC.h"
#include "ui/CPaintDC.h"
#include "ui/Desktop.h"
#include "ui/Icon.h"
#include "ui/TopLevelWindow.h"
#include "ui/WinApi.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

namespace {

// The message each window procedure is handling, for Default().
MSG g_current;

ui::TopLevelWindow* TopOf(HWND hwnd) {
    HWND top = ui::tree::TopLevelOf(hwnd);
    return top != nullptr ? top->top.get() : nullptr;
}

void ForgetInputState(HWND hwnd);

}  // namespace

void CWnd::DestroyOwnedAndChildren(HWND hwnd) {
    const std::vector<HWND> children = hwnd->children;
    for (HWND child : children) {
        if (ui::Desktop::Get().IsLive(child)) {
            DestroyHandle(child);
        }
    }
    const std::vector<HWND> tops = ui::Desktop::Get().TopLevels();
    for (HWND other : tops) {
        if (other->owner == hwnd && ui::Desktop::Get().IsLive(other)) {
            DestroyHandle(other);
        }
    }
}

namespace {

void ForgetInputState(HWND hwnd) {
    ui::Desktop& desktop = ui::Desktop::Get();
    if (desktop.capture != nullptr && ui::tree::IsDescendant(desktop.capture, hwnd)) {
        ReleaseCapture();
    }
    if (desktop.focus != nullptr && ui::tree::IsDescendant(desktop.focus, hwnd)) {
        desktop.focus = nullptr;
    }
    desktop.Tracker().WindowGone(hwnd);
    for (HWND top : desktop.TopLevels()) {
        if (top->top->last_focus != nullptr && ui::tree::IsDescendant(top->top->last_focus, hwnd)) {
            top->top->last_focus = nullptr;
        }
    }
}

}  // namespace

void CWnd::DestroyHandle(HWND hwnd) {
    CWnd* wnd = hwnd->wnd;
    wnd->SendMessage(WM_DESTROY);
    DestroyOwnedAndChildren(hwnd);
    ForgetInputState(hwnd);
    ui::Desktop& desktop = ui::Desktop::Get();
    if (hwnd->IsChild() && hwnd->parent != nullptr) {
        auto& siblings = hwnd->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
        if (hwnd->IsVisible()) {
            hwnd->parent->wnd->InvalidateRect(&hwnd->rect, TRUE);
        }
    } else {
        desktop.RemoveTopLevel(hwnd);
    }
    wnd->SendMessage(WM_NCDESTROY);
    desktop.Queue().Forget(hwnd);
    desktop.HotKeys().ForgetWindow(hwnd);
    desktop.TrayIcons().ForgetWindow(hwnd);
    desktop.Unregister(hwnd);
    wnd->ReleaseHandle();
}

WindowState::~WindowState() = default;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        DestroyHandle(m_hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return ui::Desktop::Get().IsLive(hwnd) ? hwnd->wnd : nullptr;
}

void CWnd::ReleaseHandle() {
    state_.reset();
    m_hWnd = nullptr;
    PostNcDestroy();
}

BOOL CWnd::CreateEx(DWORD ex_style, std::u16string_view text, DWORD style, const CRect& rect,
                    CWnd* parent, UINT id) {
    if (m_hWnd != nullptr || ((style & WS_CHILD) != 0 && parent == nullptr) ||
        (parent != nullptr && parent->m_hWnd == nullptr)) {
        return FALSE;
    }
    state_ = std::make_unique<WindowState>();
    m_hWnd = state_.get();
    WindowState& s = *state_;
    s.wnd = this;
    s.style = style & ~WS_VISIBLE;
    s.ex_style = ex_style;
    s.id = id;
    s.text = text;
    s.rect = {rect.left, rect.top, std::max(rect.right, rect.left),
              std::max(rect.bottom, rect.top)};
    s.normal_rect = s.rect;
    ui::Desktop& desktop = ui::Desktop::Get();
    desktop.Register(m_hWnd);
    if ((style & WS_CHILD) != 0) {
        s.parent = parent->m_hWnd;
        parent->m_hWnd->children.push_back(m_hWnd);
    } else {
        s.owner = parent != nullptr ? ui::tree::TopLevelOf(parent->m_hWnd) : nullptr;
        s.top = std::make_unique<ui::TopLevelWindow>(m_hWnd);
        desktop.AddTopLevel(m_hWnd);
    }
    PreSubclassWindow();
    if (SendMessage(WM_CREATE) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if ((style & WS_VISIBLE) != 0) {
        ShowWindow(SW_SHOW);
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    DestroyHandle(m_hWnd);
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    CWnd* previous = FromHandle(hwnd);
    if (previous == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    state_ = std::move(previous->state_);
    previous->m_hWnd = nullptr;
    m_hWnd = hwnd;
    hwnd->wnd = this;
    TakeOverFrom(*previous);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* item = parent != nullptr ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item != nullptr ? SubclassWindow(item->m_hWnd) : FALSE;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd != nullptr ? FromHandle(ui::tree::ParentOrOwner(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetOwner() const {
    return m_hWnd != nullptr && !m_hWnd->IsChild() ? FromHandle(m_hWnd->owner) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    return m_hWnd != nullptr ? FromHandle(ui::tree::TopLevelOf(m_hWnd)) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* new_parent) {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    CWnd* old = GetParent();
    if (m_hWnd->IsChild()) {
        if (new_parent == nullptr) {
            MakeTopLevel();
        }
        return old;
    }
    m_hWnd->owner = new_parent != nullptr ? ui::tree::TopLevelOf(new_parent->m_hWnd) : nullptr;
    if (auto* native = m_hWnd->top->Native()) {
        auto* owner_native = m_hWnd->owner != nullptr ? m_hWnd->owner->top->Native() : nullptr;
        native->SetOwner(owner_native);
    }
    return old;
}

void CWnd::MakeTopLevel() {
    const CPoint screen = ui::tree::ScreenOrigin(m_hWnd);
    HWND parent = m_hWnd->parent;
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), m_hWnd), siblings.end());
    parent->wnd->InvalidateRect(&m_hWnd->rect, TRUE);
    ForgetInputState(m_hWnd);
    m_hWnd->parent = nullptr;
    m_hWnd->owner = nullptr;
    m_hWnd->style = (m_hWnd->style & ~WS_CHILD) | WS_POPUP;
    m_hWnd->rect = CRect::FromXywh(screen.x, screen.y, m_hWnd->rect.Width(), m_hWnd->rect.Height());
    m_hWnd->normal_rect = m_hWnd->rect;
    m_hWnd->top = std::make_unique<ui::TopLevelWindow>(m_hWnd);
    ui::Desktop::Get().AddTopLevel(m_hWnd);
    if (m_hWnd->IsVisible()) {
        m_hWnd->style &= ~WS_VISIBLE;
        ShowWindow(SW_SHOW);
    }
}

CWnd* CWnd::GetDlgItem(int id) const {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    for (HWND child : m_hWnd->children) {
        if (static_cast<int>(child->id) == id) {
            return child->wnd;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->id) : 0;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    WindowState& s = *m_hWnd;
    const CRect old = s.rect;
    CRect next = old;
    if ((flags & SWP_NOMOVE) == 0) {
        next = CRect::FromXywh(x, y, old.Width(), old.Height());
    }
    if ((flags & SWP_NOSIZE) == 0) {
        next = CRect::FromXywh(next.left, next.top, std::max(cx, 0), std::max(cy, 0));
    }
    const bool moved = next.left != old.left || next.top != old.top;
    const bool sized = next.Width() != old.Width() || next.Height() != old.Height();
    ApplyRect(next, (flags & SWP_NOREDRAW) == 0);
    if ((flags & SWP_NOZORDER) == 0 && insert_after == nullptr) {
        RaiseInZOrder();
    }
    if ((flags & SWP_SHOWWINDOW) != 0) {
        ShowWindow((flags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
    } else if ((flags & SWP_HIDEWINDOW) != 0) {
        ShowWindow(SW_HIDE);
    }
    NotifyGeometry(moved, sized);
    return TRUE;
}

void CWnd::ApplyRect(const CRect& next, bool repaint) {
    WindowState& s = *m_hWnd;
    if (s.IsChild()) {
        if (repaint && s.IsVisible()) {
            s.parent->wnd->InvalidateRect(&s.rect, TRUE);
        }
        s.rect = next;
        if (repaint && s.IsVisible()) {
            s.parent->wnd->InvalidateRect(&s.rect, TRUE);
            Invalidate(TRUE);
        }
        return;
    }
    s.rect = next;
    if (!s.minimized && !s.maximized) {
        s.normal_rect = next;
    }
    if (auto* native = s.top->Native()) {
        native->SetGeometry(next);
    }
    Invalidate(TRUE);
}

void CWnd::RaiseInZOrder() {
    WindowState& s = *m_hWnd;
    if (s.IsChild()) {
        auto& siblings = s.parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), m_hWnd), siblings.end());
        siblings.push_back(m_hWnd);
        Invalidate(TRUE);
        return;
    }
    ui::Desktop::Get().RaiseTopLevel(m_hWnd);
    if (auto* native = s.top->Native()) {
        native->Raise();
    }
    RaiseOwnedWindows(m_hWnd);
}

// Owned windows stay above their owner, whether or not a window manager sees to it.
void CWnd::RaiseOwnedWindows(HWND owner) {
    const std::vector<HWND> tops = ui::Desktop::Get().TopLevels();
    for (HWND other : tops) {
        if (other->owner == owner && other->IsVisible() && ui::Desktop::Get().IsLive(other)) {
            ui::Desktop::Get().RaiseTopLevel(other);
            if (auto* native = other->top->Native()) {
                native->Raise();
            }
            RaiseOwnedWindows(other);
        }
    }
}

void CWnd::NotifyGeometry(bool moved, bool sized) {
    if (m_hWnd == nullptr) {
        return;
    }
    const CRect r = m_hWnd->rect;
    if (moved) {
        SendMessage(WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    }
    if (sized && m_hWnd != nullptr) {
        const UINT type = m_hWnd->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessage(WM_SIZE, type, MAKELPARAM(r.Width(), r.Height()));
    }
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (m_hWnd == nullptr || rect == nullptr) {
        return;
    }
    const CPoint origin = ui::tree::ScreenOrigin(m_hWnd);
    *rect = CRect::FromXywh(origin.x, origin.y, m_hWnd->rect.Width(), m_hWnd->rect.Height());
}

void CWnd::GetClientRect(CRect* rect) const {
    if (m_hWnd != nullptr && rect != nullptr) {
        *rect = {0, 0, m_hWnd->rect.Width(), m_hWnd->rect.Height()};
    }
}

void CWnd::ScreenToClient(CPoint* point) const {
    const CPoint origin = ui::tree::ScreenOrigin(m_hWnd);
    point->x -= origin.x;
    point->y -= origin.y;
}

void CWnd::ScreenToClient(CRect* rect) const {
    const CPoint origin = ui::tree::ScreenOrigin(m_hWnd);
    *rect = rect->Offset(-origin.x, -origin.y);
}

void CWnd::ClientToScreen(CPoint* point) const {
    const CPoint origin = ui::tree::ScreenOrigin(m_hWnd);
    point->x += origin.x;
    point->y += origin.y;
}

void CWnd::ClientToScreen(CRect* rect) const {
    const CPoint origin = ui::tree::ScreenOrigin(m_hWnd);
    *rect = rect->Offset(origin.x, origin.y);
}

void CWnd::BringWindowToTop() {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL CWnd::ShowWindow(int command) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL was_visible = m_hWnd->IsVisible() ? TRUE : FALSE;
    if (m_hWnd->IsChild()) {
        ShowChild(command != SW_HIDE);
    } else {
        ShowTopLevel(command);
    }
    return was_visible;
}

void CWnd::ShowChild(bool show) {
    WindowState& s = *m_hWnd;
    if (show == s.IsVisible()) {
        return;
    }
    s.style = show ? (s.style | WS_VISIBLE) : (s.style & ~WS_VISIBLE);
    if (!show) {
        ForgetInputState(m_hWnd);
    }
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE);
    s.parent->wnd->InvalidateRect(&s.rect, TRUE);
    if (show) {
        Invalidate(TRUE);
    }
}

void CWnd::ShowTopLevel(int command) {
    WindowState& s = *m_hWnd;
    if (command == SW_HIDE) {
        if (s.IsVisible()) {
            s.style &= ~WS_VISIBLE;
            ForgetInputState(m_hWnd);
            if (auto* native = s.top->Native()) {
                native->Show(platform::ShowCommand::Hide);
            }
        }
        return;
    }
    const bool was_visible = s.IsVisible();
    s.style |= WS_VISIBLE;
    platform::NativeWindow& native = s.top->EnsureNative();
    switch (command) {
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
            Minimize(native);
            return;
        case SW_SHOWMAXIMIZED:
            Maximize(native);
            return;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            Restore(native);
            return;
        default:
            break;
    }
    if (!was_visible || s.minimized) {
        const bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
        native.Show(activate ? platform::ShowCommand::Show : platform::ShowCommand::ShowNoActivate);
        Invalidate(TRUE);
        RaiseOwnedWindows(m_hWnd);
    }
}

void CWnd::Minimize(platform::NativeWindow& native) {
    if (m_hWnd->minimized) {
        return;
    }
    m_hWnd->minimized = true;
    native.Show(platform::ShowCommand::Minimize);
    SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
}

void CWnd::Maximize(platform::NativeWindow& native) {
    WindowState& s = *m_hWnd;
    if (!s.maximized && !s.minimized) {
        s.normal_rect = s.rect;
    }
    s.minimized = false;
    s.maximized = true;
    const CRect work = ui::Desktop::Get().Backend().WorkArea();
    const bool moved = work.left != s.rect.left || work.top != s.rect.top;
    s.rect = work;
    native.SetGeometry(work);
    native.Show(platform::ShowCommand::Maximize);
    Invalidate(TRUE);
    if (moved) {
        SendMessage(WM_MOVE, 0, MAKELPARAM(work.left, work.top));
    }
    if (m_hWnd != nullptr) {
        SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(work.Width(), work.Height()));
    }
}

void CWnd::Restore(platform::NativeWindow& native) {
    WindowState& s = *m_hWnd;
    const bool changed = s.maximized || s.minimized;
    s.minimized = false;
    s.maximized = false;
    const CRect old = s.rect;
    s.rect = s.normal_rect;
    native.SetGeometry(s.rect);
    native.Show(platform::ShowCommand::Restore);
    Invalidate(TRUE);
    if (changed) {
        NotifyGeometry(old.left != s.rect.left || old.top != s.rect.top, true);
    }
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && ui::tree::IsShowing(m_hWnd) ? TRUE : FALSE;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->minimized ? TRUE : FALSE;
}

BOOL CWnd::IsZoomed() const {
    return m_hWnd != nullptr && m_hWnd->maximized ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL was_disabled = m_hWnd->IsEnabled() ? FALSE : TRUE;
    if ((enable != 0) == (was_disabled == FALSE)) {
        return was_disabled;
    }
    if (enable) {
        m_hWnd->style &= ~WS_DISABLED;
    } else {
        m_hWnd->style |= WS_DISABLED;
        ForgetInputState(m_hWnd);
    }
    SendMessage(WM_ENABLE, enable ? TRUE : FALSE);
    Invalidate(TRUE);
    return was_disabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && m_hWnd->IsEnabled() ? TRUE : FALSE;
}

void CWnd::SetWindowText(std::u16string_view text) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
}

std::u16string CWnd::GetWindowText() const {
    return m_hWnd != nullptr ? m_hWnd->text : std::u16string();
}

DWORD CWnd::GetStyle() const {
    return m_hWnd != nullptr ? m_hWnd->style : 0;
}

DWORD CWnd::GetExStyle() const {
    return m_hWnd != nullptr ? m_hWnd->ex_style : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const DWORD next = (m_hWnd->style & ~remove) | add;
    if (next == m_hWnd->style) {
        return FALSE;
    }
    m_hWnd->style = next;
    if (flags != 0) {
        SetWindowPos(nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const DWORD next = (m_hWnd->ex_style & ~remove) | add;
    if (next == m_hWnd->ex_style) {
        return FALSE;
    }
    m_hWnd->ex_style = next;
    if (!m_hWnd->IsChild()) {
        if (auto* native = m_hWnd->top->Native()) {
            native->SetTaskbarVisible((next & WS_EX_APPWINDOW) != 0 || m_hWnd->owner == nullptr);
        }
    }
    if (flags != 0) {
        SetWindowPos(nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }
    return TRUE;
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::Invalidate(BOOL erase) {
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const CRect* rect, BOOL erase) {
    if (m_hWnd == nullptr) {
        return;
    }
    const CRect client{0, 0, m_hWnd->rect.Width(), m_hWnd->rect.Height()};
    const CRect area = rect != nullptr ? ui::Intersect(*rect, client) : client;
    if (area.IsEmpty()) {
        return;
    }
    m_hWnd->invalid = ui::Union(m_hWnd->invalid, area);
    m_hWnd->erase = m_hWnd->erase || erase != 0;
}

void CWnd::ValidateRect(const CRect* rect) {
    if (m_hWnd == nullptr) {
        return;
    }
    const CRect& inv = m_hWnd->invalid;
    if (rect == nullptr || (rect->left <= inv.left && rect->top <= inv.top &&
                            rect->right >= inv.right && rect->bottom >= inv.bottom)) {
        m_hWnd->invalid = {};
        m_hWnd->erase = false;
    }
}

void CWnd::UpdateWindow() {
    if (auto* top = m_hWnd != nullptr ? TopOf(m_hWnd) : nullptr) {
        top->PaintPending();
    }
}

CDC* CWnd::GetDC() {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    dcs_.push_back(std::make_unique<CDC>(m_hWnd));
    return dcs_.back().get();
}

int CWnd::ReleaseDC(CDC* dc) {
    const auto it = std::find_if(dcs_.begin(), dcs_.end(),
                                 [dc](const std::unique_ptr<CDC>& p) { return p.get() == dc; });
    if (it == dcs_.end()) {
        return 0;
    }
    dcs_.erase(it);
    return 1;
}

BOOL CWnd::UpdateLayeredWindow(const ui::Bitmap& picture, CPoint screen_position) {
    if (m_hWnd == nullptr || m_hWnd->IsChild() || (m_hWnd->ex_style & WS_EX_LAYERED) == 0) {
        return FALSE;
    }
    const CRect old = m_hWnd->rect;
    const CRect next =
        CRect::FromXywh(screen_position.x, screen_position.y, static_cast<int>(picture.GetWidth()),
                        static_cast<int>(picture.GetHeight()));
    m_hWnd->rect = next;
    if (!m_hWnd->minimized && !m_hWnd->maximized) {
        m_hWnd->normal_rect = next;
    }
    m_hWnd->top->PresentLayered(picture, screen_position);
    NotifyGeometry(old.left != next.left || old.top != next.top,
                   old.Width() != next.Width() || old.Height() != next.Height());
    return TRUE;
}

CWnd* CWnd::SetCapture() {
    ui::Desktop& desktop = ui::Desktop::Get();
    CWnd* previous = FromHandle(desktop.capture);
    if (m_hWnd == nullptr || desktop.capture == m_hWnd) {
        return previous;
    }
    if (previous != nullptr) {
        ReleaseCapture();
    }
    desktop.capture = m_hWnd;
    if (auto* top = TopOf(m_hWnd); top != nullptr && top->Native() != nullptr) {
        top->Native()->GrabPointer();
    }
    return previous;
}

CWnd* CWnd::GetCapture() {
    return FromHandle(ui::Desktop::Get().capture);
}

CWnd* CWnd::SetFocus() {
    ui::Desktop& desktop = ui::Desktop::Get();
    CWnd* previous = FromHandle(desktop.focus);
    if (m_hWnd == nullptr || desktop.focus == m_hWnd) {
        return previous;
    }
    if (previous != nullptr) {
        previous->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_hWnd));
    }
    if (m_hWnd == nullptr) {
        return previous;
    }
    desktop.focus = m_hWnd;
    HWND top = ui::tree::TopLevelOf(m_hWnd);
    top->top->last_focus = m_hWnd;
    if (auto* native = top->top->Native(); native != nullptr && top->IsVisible()) {
        native->Focus();
    }
    SendMessage(WM_SETFOCUS,
                reinterpret_cast<WPARAM>(previous != nullptr ? previous->m_hWnd : nullptr));
    return previous;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(ui::Desktop::Get().focus);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(std::u16string_view text, const char16_t* caption, UINT type) {
    return MessageBoxW(m_hWnd, text, caption, type);
}

LRESULT CWnd::CallWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG saved = g_current;
    g_current = {hwnd, message, wParam, lParam, 0, {}};
    const LRESULT result = hwnd->wnd->WindowProc(message, wParam, lParam);
    g_current = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_SETTEXT:
            SetTextNow(*reinterpret_cast<const std::u16string_view*>(lParam));
            return TRUE;
        case WM_SETFONT:
            m_hWnd->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam) != 0) {
                Invalidate(TRUE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_hWnd->font);
        case WM_SETICON:
            return reinterpret_cast<LRESULT>(
                SetIconNow(reinterpret_cast<HICON>(lParam), wParam == ICON_BIG));
        case WM_PAINT: {
            CPaintDC dc(this);
            return 0;
        }
        case WM_ERASEBKGND:
            return TRUE;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                DefaultColors(message, reinterpret_cast<CDC*>(wParam)));
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_SYSCOMMAND:
            return SystemCommand(wParam);
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION) {
                StartSystemMove();
            }
            return 0;
        case WM_MOUSEWHEEL:
            if (CWnd* parent = m_hWnd->IsChild() ? GetParent() : nullptr) {
                return parent->SendMessage(message, wParam, lParam);
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT CWnd::SystemCommand(WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_MOVE:
            StartSystemMove();
            return 0;
        case SC_CLOSE:
            SendMessage(WM_CLOSE);
            return 0;
        default:
            return 0;
    }
}

void CWnd::StartSystemMove() {
    HWND top = ui::tree::TopLevelOf(m_hWnd);
    if (auto* native = top->top->Native()) {
        POINT cursor;
        GetCursorPos(&cursor);
        native->BeginMoveDrag(cursor);
    }
}

void CWnd::SetTextNow(std::u16string_view text) {
    m_hWnd->text = text;
    if (!m_hWnd->IsChild()) {
        if (auto* native = m_hWnd->top->Native()) {
            native->SetTitle(text);
        }
    }
    Invalidate(TRUE);
}

HICON CWnd::SetIconNow(HICON icon, bool big) {
    if (m_hWnd->IsChild()) {
        return nullptr;
    }
    HICON& slot = big ? m_hWnd->top->big_icon : m_hWnd->top->small_icon;
    HICON previous = slot;
    slot = icon;
    if (auto* native = m_hWnd->top->Native(); native != nullptr && icon != nullptr && big) {
        native->SetIcon(icon->png);
    }
    return previous;
}

HBRUSH CWnd::DefaultColors(UINT message, CDC* dc) {
    if (message == WM_CTLCOLOREDIT) {
        if (dc != nullptr) {
            dc->SetTextColor(RGB(0, 0, 0));
            dc->SetBkColor(RGB(255, 255, 255));
        }
        return GetStockBrush(WHITE_BRUSH);
    }
    if (dc != nullptr) {
        dc->SetTextColor(RGB(0, 0, 0));
        dc->SetBkColor(kDialogFaceColor);
    }
    return GetDialogFaceBrush();
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        return OnCommand(wParam, lParam);
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        return HandleCtlColor(message, wParam, lParam, result);
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    *result = entry->handler(*this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    if (entry == nullptr) {
        return FALSE;
    }
    entry->handler(*this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::HandleCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const CtlColorArgs args{reinterpret_cast<CDC*>(wParam),
                            FromHandle(reinterpret_cast<HWND>(lParam)),
                            message - WM_CTLCOLORMSGBOX};
    if (const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_CTLCOLOR, 0, 0)) {
        *result = entry->handler(*this, reinterpret_cast<WPARAM>(&args), 0);
    } else {
        *result = reinterpret_cast<LRESULT>(OnCtlColor(args.dc, args.wnd, args.kind));
    }
    return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT) {
    if (wnd != nullptr && wnd != this) {
        LRESULT reflected = 0;
        if (wnd->OnChildNotify(g_current.message, g_current.wParam, g_current.lParam, &reflected) &&
            reflected != 0) {
            return reinterpret_cast<HBRUSH>(reflected);
        }
    }
    return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) {
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    const CtlColorArgs args{reinterpret_cast<CDC*>(wParam), this, message - WM_CTLCOLORMSGBOX};
    *result = entry->handler(*this, reinterpret_cast<WPARAM>(&args), 0);
    return *result != 0 ? TRUE : FALSE;
}

void CWnd::OnPaint() {
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map{nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT code, UINT id) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->base != nullptr ? map->base() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->entries; e->message != 0; ++e) {
            if (e->message != message) {
                continue;
            }
            if (message != WM_COMMAND ||
                (e->code == code && id >= e->id_first && id <= e->id_last)) {
                return e;
            }
        }
    }
    return nullptr;
}
