#include "launcher/CLayeredButton.h"

#include "launcher/IRenderListener.h"
#include "skin/LoadSkinImage.h"
#include "ui/Graphics.h"
#include "ui/Image.h"
#include "ui/WinApi.h"

BEGIN_MESSAGE_MAP(CLayeredButton, CButton)
ON_WM_ENABLE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEHOVER()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr DWORD kHoverTimeMs = 1;

bool IsCheckStyle(DWORD style) {
    const DWORD type = style & 0xFF;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON;
}

}  // namespace

CLayeredButton::CLayeredButton() = default;

CLayeredButton::~CLayeredButton() = default;

bool CLayeredButton::SetImages(const ImageSet& set) {
    for (auto& image : images_) {
        image.reset();
    }
    current_ = nullptr;
    if (set.normal == 0) {
        return false;
    }
    // A picture that did not decode reads 0 × 0: as good as none.
    images_[kNormal] = LoadSkinImage(set.normal);
    if (images_[kNormal] == nullptr || images_[kNormal]->GetWidth() == 0) {
        images_[kNormal].reset();
        return false;
    }
    const std::pair<Slot, std::uint16_t> optional[] = {{kHover, set.hover},
                                                       {kPressed, set.pressed},
                                                       {kDisabled, set.disabled},
                                                       {kChecked, set.checked}};
    for (const auto& [slot, number] : optional) {
        if (number != 0) {
            images_[slot] = LoadSkinImage(number);
        }
    }
    current_ = images_[kNormal].get();
    SetWindowPos(nullptr, -1, -1, static_cast<int>(current_->GetWidth()),
                 static_cast<int>(current_->GetHeight()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return true;
}

void CLayeredButton::UpdateImage() {
    Slot slot = kNormal;
    if (hover_) {
        slot = pressed_ ? kPressed : kHover;
    } else if (disabled_) {
        slot = kDisabled;
    } else if (checked_) {
        slot = kChecked;
    }
    const ui::Image* chosen =
        images_[slot] != nullptr ? images_[slot].get() : images_[kNormal].get();
    const ui::Image* previous = current_;
    current_ = chosen;
    if (chosen != previous && listener_ != nullptr) {
        listener_->OnRender(this);
    }
}

void CLayeredButton::Draw(ui::Graphics& graphics) {
    if (current_ == nullptr) {
        return;
    }
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    const ui::RectF area{static_cast<float>(rect.left), static_cast<float>(rect.top),
                         static_cast<float>(rect.Width()), static_cast<float>(rect.Height())};
    graphics.DrawImage(*current_, area);
    const std::u16string caption = GetWindowText();
    if (!caption.empty()) {
        graphics.DrawString(caption, font_, area, format_, text_color_);
    }
}

void CLayeredButton::OnEnable(BOOL enable) {
    Default();
    const bool disabled = enable != 1;
    if (disabled != disabled_) {
        disabled_ = disabled;
        UpdateImage();
    }
}

void CLayeredButton::OnMouseMove(UINT, CPoint) {
    if (!tracking_) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = kHoverTimeMs;
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    Default();
}

void CLayeredButton::OnMouseHover(UINT, CPoint) {
    hover_ = true;
    UpdateImage();
}

void CLayeredButton::OnMouseLeave() {
    hover_ = false;
    tracking_ = false;
    UpdateImage();
}

void CLayeredButton::OnLButtonDown(UINT, CPoint) {
    pressed_ = true;
    UpdateImage();
    Default();
}

void CLayeredButton::OnLButtonUp(UINT, CPoint point) {
    pressed_ = false;
    CRect client;
    GetClientRect(&client);
    if (!client.Contains(point)) {
        hover_ = false;
    } else if (IsCheckStyle(GetStyle())) {
        checked_ = !checked_;
    } else {
        checked_ = false;
    }
    UpdateImage();
    Default();
}

// Neither the keyboard nor the right button can press a layered button.
void CLayeredButton::OnKeyDown(UINT, UINT, UINT) {}

void CLayeredButton::OnRButtonDown(UINT, CPoint) {}
