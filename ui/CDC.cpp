#include "ui/CDC.h"

#include <utility>

#include "ui/Bitmap.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/Graphics.h"
#include "ui/Icon.h"
#include "ui/TopLevelWindow.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

CDC::CDC(HWND hwnd, std::optional<CRect> clip) : hwnd_(hwnd), clip_(clip) {
    if (hwnd_ != nullptr && hwnd_->font != nullptr) {
        font_ = hwnd_->font;
    }
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(text_color_, color);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(bk_color_, color);
}

int CDC::SetBkMode(int mode) {
    return std::exchange(bk_mode_, mode);
}

HFONT CDC::SelectObject(HFONT font) {
    return std::exchange(font_, font);
}

std::unique_ptr<ui::Graphics> CDC::CreateGraphics() {
    if (hwnd_ == nullptr || !ui::Desktop::Get().IsLive(hwnd_)) {
        return nullptr;
    }
    HWND top = ui::tree::TopLevelOf(hwnd_);
    return top->top->GraphicsFor(hwnd_, clip_);
}

void CDC::FillRect(const CRect* rect, HBRUSH brush) {
    if (rect != nullptr && brush != nullptr) {
        FillSolidRect(*rect, brush->color);
    }
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    if (auto g = CreateGraphics()) {
        g->FillRectangle(ToColor(color), rect);
    }
}

namespace {

const ui::Font& FontOf(HFONT font) {
    return (font != nullptr ? font : GetDefaultGuiFont())->font;
}

}  // namespace

BOOL CDC::TextOut(int x, int y, std::u16string_view text) {
    auto g = CreateGraphics();
    if (g == nullptr) {
        return FALSE;
    }
    const ui::Font& font = FontOf(font_);
    if (bk_mode_ == OPAQUE) {
        const ui::SizeF size = g->MeasureString(text, font);
        g->FillRectangle(ToColor(bk_color_),
                         CRect::FromXywh(x, y, static_cast<int>(size.width + 0.5f),
                                         static_cast<int>(size.height + 0.5f)));
    }
    g->DrawString(text, font, ui::PointF{static_cast<float>(x), static_cast<float>(y)},
                  ToColor(text_color_));
    return TRUE;
}

int CDC::DrawText(std::u16string_view text, CRect* rect, UINT format) {
    auto g = CreateGraphics();
    if (g == nullptr || rect == nullptr) {
        return 0;
    }
    const ui::Font& font = FontOf(font_);
    ui::StringFormat string_format;
    string_format.alignment = (format & DT_CENTER) != 0  ? ui::StringAlignment::Center
                              : (format & DT_RIGHT) != 0 ? ui::StringAlignment::Far
                                                         : ui::StringAlignment::Near;
    string_format.line_alignment = (format & DT_VCENTER) != 0 && (format & DT_SINGLELINE) != 0
                                       ? ui::StringAlignment::Center
                                       : ui::StringAlignment::Near;
    const ui::RectF layout{static_cast<float>(rect->left), static_cast<float>(rect->top),
                           static_cast<float>(rect->Width()), static_cast<float>(rect->Height())};
    g->DrawString(text, font, layout, string_format, ToColor(text_color_));
    return static_cast<int>(g->MeasureString(text, font).height + 0.5f);
}

CSize CDC::GetTextExtent(std::u16string_view text) {
    // Measuring needs no surface: a 1 × 1 scratch bitmap serves a window not yet shown.
    static std::unique_ptr<ui::Bitmap> scratch = ui::Bitmap::Create(1, 1);
    auto g = ui::Graphics::FromBitmap(*scratch);
    const ui::SizeF size = g->MeasureString(text, FontOf(font_));
    return {static_cast<int>(size.width + 0.5f), static_cast<int>(size.height + 0.5f)};
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (icon == nullptr || icon->image == nullptr) {
        return FALSE;
    }
    DrawImage(*icon->image, x, y, static_cast<int>(icon->image->GetWidth()),
              static_cast<int>(icon->image->GetHeight()));
    return TRUE;
}

void CDC::DrawImage(const ui::Image& image, int x, int y, int width, int height) {
    if (auto g = CreateGraphics()) {
        g->DrawImage(image, x, y, width, height);
    }
}
