#include "ui/MouseTracker.h"

#include "platform/Backend.h"
#include "ui/Desktop.h"
#include "ui/WinApi.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

namespace ui {
namespace {

constexpr DWORD kDefaultHoverMs = 400;

}  // namespace

BOOL MouseTracker::Track(DWORD flags, HWND hwnd, DWORD hover_ms) {
    if (!Desktop::Get().IsLive(hwnd)) {
        return FALSE;
    }
    if ((flags & TME_CANCEL) != 0) {
        if (hwnd == hwnd_) {
            hover_ = hover_ && (flags & TME_HOVER) == 0;
            leave_ = leave_ && (flags & TME_LEAVE) == 0;
            if (!hover_) {
                StopHoverTimer();
            }
        }
        return TRUE;
    }
    if (hwnd != hwnd_) {
        StopHoverTimer();
        hover_ = leave_ = false;
    }
    hwnd_ = hwnd;
    // Asking for a leave while the pointer is elsewhere reports it at once.
    if ((flags & TME_LEAVE) != 0 && under_pointer_ != hwnd) {
        hwnd_ = nullptr;
        ::PostMessage(hwnd, WM_MOUSELEAVE);
        return TRUE;
    }
    leave_ = leave_ || (flags & TME_LEAVE) != 0;
    if ((flags & TME_HOVER) != 0) {
        hover_ = true;
        hover_ms_ = hover_ms == HOVER_DEFAULT ? kDefaultHoverMs : hover_ms;
        StartHoverTimer();
    }
    return TRUE;
}

void MouseTracker::PointerAt(HWND under_pointer, CPoint screen, unsigned buttons) {
    const bool moved = screen.x != screen_.x || screen.y != screen_.y;
    under_pointer_ = under_pointer;
    screen_ = screen;
    buttons_ = buttons;
    if (hwnd_ == nullptr) {
        return;
    }
    if (under_pointer != hwnd_) {
        HWND left = hwnd_;
        const bool report = leave_;
        StopHoverTimer();
        hwnd_ = nullptr;
        hover_ = leave_ = false;
        if (report) {
            ::PostMessage(left, WM_MOUSELEAVE);
        }
        return;
    }
    // Hover time counts from the last movement.
    if (hover_ && moved) {
        StartHoverTimer();
    }
}

void MouseTracker::WindowGone(HWND hwnd) {
    if (under_pointer_ != nullptr && tree::IsDescendant(under_pointer_, hwnd)) {
        under_pointer_ = nullptr;
    }
    if (hwnd_ != nullptr && tree::IsDescendant(hwnd_, hwnd)) {
        StopHoverTimer();
        hwnd_ = nullptr;
        hover_ = leave_ = false;
    }
}

void MouseTracker::StartHoverTimer() {
    StopHoverTimer();
    timer_ = Desktop::Get().Backend().StartTimer(static_cast<int>(hover_ms_),
                                                 [this] { HoverTimeElapsed(); });
}

void MouseTracker::StopHoverTimer() {
    if (timer_ != 0) {
        Desktop::Get().Backend().StopTimer(timer_);
        timer_ = 0;
    }
}

void MouseTracker::HoverTimeElapsed() {
    timer_ = 0;
    if (hwnd_ == nullptr || !hover_ || !Desktop::Get().IsLive(hwnd_)) {
        return;
    }
    hover_ = false;
    const CPoint origin = tree::ScreenOrigin(hwnd_);
    ::PostMessage(hwnd_, WM_MOUSEHOVER, buttons_,
                  MAKELPARAM(screen_.x - origin.x, screen_.y - origin.y));
}

}  // namespace ui
