#include "ui/TopLevelWindow.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Backend.h"
#include "ui/Bitmap.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/Graphics.h"
#include "ui/MouseMessages.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

namespace ui {
namespace {

constexpr std::uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 4;

bool TreeNeedsPaint(HWND hwnd) {
    if (!hwnd->IsVisible()) {
        return false;
    }
    if (!hwnd->invalid.IsEmpty()) {
        return true;
    }
    return std::any_of(hwnd->children.begin(), hwnd->children.end(), TreeNeedsPaint);
}

unsigned ButtonFlag(platform::MouseButton button) {
    switch (button) {
        case platform::MouseButton::Left:
            return MK_LBUTTON;
        case platform::MouseButton::Right:
            return MK_RBUTTON;
        case platform::MouseButton::Middle:
            return MK_MBUTTON;
        case platform::MouseButton::None:
            break;
    }
    return 0;
}

// MK_* flags after the event: a press holds its button, a release no longer does.
WPARAM MouseFlags(const platform::MouseEvent& event) {
    unsigned flags =
        event.modifiers & (MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON);
    if (event.kind == platform::MouseEvent::Kind::Press) {
        flags |= ButtonFlag(event.button);
    } else if (event.kind == platform::MouseEvent::Kind::Release) {
        flags &= ~ButtonFlag(event.button);
    }
    return flags;
}

}  // namespace

TopLevelWindow::TopLevelWindow(HWND hwnd) : hwnd_(hwnd) {}

TopLevelWindow::~TopLevelWindow() = default;

platform::NativeWindow& TopLevelWindow::EnsureNative() {
    const bool layered = (hwnd_->ex_style & WS_EX_LAYERED) != 0;
    if (native_ != nullptr && native_layered_ == layered) {
        return *native_;
    }
    // A window that becomes layered needs a surface with alpha, which means a new native one.
    native_.reset();
    platform::NativeWindowOptions options;
    options.caption = (hwnd_->style & WS_CAPTION) == WS_CAPTION;
    options.layered = layered;
    options.taskbar = (hwnd_->ex_style & WS_EX_APPWINDOW) != 0 || hwnd_->owner == nullptr;
    native_ = Desktop::Get().Backend().CreateNativeWindow(*this, options);
    native_layered_ = layered;
    native_->SetGeometry(hwnd_->rect);
    native_->SetTitle(hwnd_->text);
    if (hwnd_->owner != nullptr && hwnd_->owner->top->Native() != nullptr) {
        native_->SetOwner(hwnd_->owner->top->Native());
    }
    if (big_icon != nullptr) {
        native_->SetIcon(big_icon->png);
    }
    return *native_;
}

void TopLevelWindow::EnsureSurface() {
    const int w = hwnd_->rect.Width();
    const int h = hwnd_->rect.Height();
    if (surface_ != nullptr && static_cast<int>(surface_->GetWidth()) == w &&
        static_cast<int>(surface_->GetHeight()) == h) {
        return;
    }
    surface_ = Bitmap::Create(w, h);
    hwnd_->wnd->Invalidate(TRUE);
}

std::unique_ptr<Graphics> TopLevelWindow::GraphicsFor(HWND hwnd, const std::optional<CRect>& clip) {
    if (surface_ == nullptr) {
        return nullptr;
    }
    const CPoint origin = tree::OriginInTopLevel(hwnd);
    CRect visible = tree::VisibleInTopLevel(hwnd);
    if (clip) {
        visible = ui::Intersect(visible, clip->Offset(origin.x, origin.y));
    }
    MarkPresented(visible);
    return Graphics::FromBitmap(*surface_, origin, visible);
}

bool TopLevelWindow::NeedsPaint() const {
    if (!hwnd_->IsVisible() || (hwnd_->ex_style & WS_EX_LAYERED) != 0 || native_ == nullptr) {
        return false;
    }
    return !dirty_.IsEmpty() || TreeNeedsPaint(hwnd_) ||
           (surface_ != nullptr &&
            (static_cast<int>(surface_->GetWidth()) != hwnd_->rect.Width() ||
             static_cast<int>(surface_->GetHeight()) != hwnd_->rect.Height()));
}

void TopLevelWindow::PaintPending() {
    if (!hwnd_->IsVisible() || (hwnd_->ex_style & WS_EX_LAYERED) != 0) {
        return;
    }
    EnsureNative();
    EnsureSurface();
    PaintTree(hwnd_, CPoint{}, CRect{});
    if (!dirty_.IsEmpty() && native_ != nullptr && surface_ != nullptr) {
        native_->Present(*surface_, dirty_);
    }
    dirty_ = {};
}

void TopLevelWindow::PaintTree(HWND hwnd, CPoint origin, const CRect& painted_below) {
    if (!Desktop::Get().IsLive(hwnd) || !hwnd->IsVisible()) {
        return;
    }
    const CRect visible = tree::VisibleInTopLevel(hwnd);
    const CRect own = hwnd->invalid.Offset(origin.x, origin.y);
    const CRect region =
        ui::Intersect(ui::Union(own, ui::Intersect(painted_below, visible)), visible);
    if (!region.IsEmpty()) {
        // What the parent painted over this window has to be painted again, background too.
        if (!ui::Intersect(painted_below, visible).IsEmpty()) {
            hwnd->erase = true;
        }
        hwnd->invalid = region.Offset(-origin.x, -origin.y);
        hwnd->wnd->SendMessage(WM_PAINT);
        if (!Desktop::Get().IsLive(hwnd)) {
            return;
        }
        hwnd->invalid = {};
        hwnd->erase = false;
    }
    const std::vector<HWND> children = hwnd->children;
    for (HWND child : children) {
        if (Desktop::Get().IsLive(child)) {
            PaintTree(child, {origin.x + child->rect.left, origin.y + child->rect.top}, region);
        }
    }
}

void TopLevelWindow::MarkPresented(const CRect& rect) {
    dirty_ = ui::Union(dirty_, rect);
}

void TopLevelWindow::PresentLayered(const Bitmap& picture, CPoint screen_position) {
    EnsureNative().PresentLayered(picture, screen_position);
    layered_presented_ = true;
}

void TopLevelWindow::OnNativeMouse(const platform::MouseEvent& event) {
    Desktop& desktop = Desktop::Get();
    desktop.key_modifiers = event.modifiers;
    using Kind = platform::MouseEvent::Kind;
    if (event.kind == Kind::DoubleClick) {
        return;  // recognised from the presses themselves
    }
    const bool takes_input = hwnd_->IsVisible() && hwnd_->IsEnabled();
    HWND under = nullptr;
    if (event.kind != Kind::Leave && takes_input) {
        under = tree::HitTest(hwnd_, event.position);
    }
    desktop.Tracker().PointerAt(under, event.screen, static_cast<unsigned>(MouseFlags(event)));
    if (event.kind == Kind::Leave) {
        return;
    }
    HWND target = desktop.IsLive(desktop.capture) ? desktop.capture : under;
    if (target == nullptr) {
        return;
    }
    const CPoint origin = tree::ScreenOrigin(target);
    const LPARAM at = MAKELPARAM(event.screen.x - origin.x, event.screen.y - origin.y);
    const WPARAM flags = MouseFlags(event);
    UINT message = 0;
    switch (event.kind) {
        case Kind::Move:
            message = WM_MOUSEMOVE;
            break;
        case Kind::Press:
            message = PressMessage(event, target);
            break;
        case Kind::Release:
            message = ButtonDownMessage(event.button) + 1;
            break;
        case Kind::Wheel: {
            HWND wheel_target = desktop.IsLive(desktop.focus) ? desktop.focus : target;
            desktop.Queue().Post({wheel_target, WM_MOUSEWHEEL,
                                  MAKEWPARAM(static_cast<int>(flags), event.wheel_delta),
                                  MAKELPARAM(event.screen.x, event.screen.y), event.time,
                                  event.screen});
            return;
        }
        default:
            return;
    }
    desktop.Queue().Post({target, message, flags, at, event.time, event.screen});
}

UINT TopLevelWindow::PressMessage(const platform::MouseEvent& event, HWND target) {
    const bool same = last_press_.target == target && last_press_.button == event.button &&
                      event.time - last_press_.time <= kDoubleClickMs &&
                      std::abs(event.screen.x - last_press_.screen.x) <= kDoubleClickSlop &&
                      std::abs(event.screen.y - last_press_.screen.y) <= kDoubleClickSlop;
    if (same) {
        last_press_ = {};
        return ButtonDownMessage(event.button) + 2;
    }
    last_press_ = {target, event.button, event.time, event.screen};
    return ButtonDownMessage(event.button);
}

void TopLevelWindow::OnNativeKey(const platform::KeyEvent& event) {
    Desktop& desktop = Desktop::Get();
    desktop.key_modifiers = event.modifiers;
    if (!hwnd_->IsVisible() || !hwnd_->IsEnabled()) {
        return;
    }
    HWND target = desktop.IsLive(desktop.focus) && tree::IsDescendant(desktop.focus, hwnd_)
                      ? desktop.focus
                      : hwnd_;
    const bool alt = (event.modifiers & platform::modifier::kAlt) != 0;
    const bool control = (event.modifiers & platform::modifier::kControl) != 0;
    const bool system = alt && !control;
    LPARAM info = 1;
    if (event.extended) {
        info |= 1 << 24;
    }
    if (alt) {
        info |= 1 << 29;
    }
    if (!event.down) {
        info |= static_cast<LPARAM>(3u << 30);
    }
    if (event.virtual_key != 0) {
        const UINT message =
            event.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
        desktop.Queue().Post({target, message, event.virtual_key, info, 0, {}});
    }
    if (event.down && event.character != 0 && !control) {
        const UINT message = system ? WM_SYSCHAR : WM_CHAR;
        char32_t c = event.character;
        if (c >= 0x10000) {
            c -= 0x10000;
            desktop.Queue().Post({target, message, 0xD800 + (c >> 10), info, 0, {}});
            c = 0xDC00 + (c & 0x3FF);
        }
        desktop.Queue().Post({target, message, c, info, 0, {}});
    }
}

void TopLevelWindow::OnNativeGeometry(const ui::Rect& screen_rect) {
    if (!Desktop::Get().IsLive(hwnd_) || screen_rect == hwnd_->rect || hwnd_->minimized) {
        return;
    }
    const CRect old = hwnd_->rect;
    hwnd_->rect = screen_rect;
    if (!hwnd_->maximized) {
        hwnd_->normal_rect = screen_rect;
    }
    const bool moved = old.left != screen_rect.left || old.top != screen_rect.top;
    const bool sized = old.Width() != screen_rect.Width() || old.Height() != screen_rect.Height();
    if (sized) {
        hwnd_->wnd->Invalidate(TRUE);
    }
    if (moved) {
        hwnd_->wnd->SendMessage(WM_MOVE, 0, MAKELPARAM(screen_rect.left, screen_rect.top));
    }
    if (sized && Desktop::Get().IsLive(hwnd_)) {
        hwnd_->wnd->SendMessage(WM_SIZE, hwnd_->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                                MAKELPARAM(screen_rect.Width(), screen_rect.Height()));
    }
}

void TopLevelWindow::OnNativeState(bool minimized, bool) {
    if (minimized == hwnd_->minimized) {
        return;
    }
    hwnd_->minimized = minimized;
    if (minimized) {
        hwnd_->wnd->SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
        return;
    }
    hwnd_->wnd->Invalidate(TRUE);
    hwnd_->wnd->SendMessage(WM_SIZE, hwnd_->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                            MAKELPARAM(hwnd_->rect.Width(), hwnd_->rect.Height()));
}

void TopLevelWindow::OnNativeCloseRequest() {
    if (hwnd_->IsEnabled()) {
        Desktop::Get().Queue().Post({hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {}});
    }
}

void TopLevelWindow::OnNativeExpose() {
    dirty_ = {0, 0, hwnd_->rect.Width(), hwnd_->rect.Height()};
}

void TopLevelWindow::OnNativeFocus(bool focused) {
    Desktop& desktop = Desktop::Get();
    if (!focused || (desktop.focus != nullptr && tree::IsDescendant(desktop.focus, hwnd_))) {
        return;
    }
    HWND next = desktop.IsLive(last_focus) ? last_focus : hwnd_;
    HWND previous = desktop.focus;
    desktop.focus = next;
    next->wnd->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(previous));
}

void TopLevelWindow::OnNativeGrabBroken() {
    Desktop& desktop = Desktop::Get();
    if (desktop.capture != nullptr && tree::IsDescendant(desktop.capture, hwnd_)) {
        HWND lost = desktop.capture;
        desktop.capture = nullptr;
        lost->wnd->SendMessage(WM_CAPTURECHANGED, 0, 0);
    }
}

}  // namespace ui
