#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "ui/CBrush.h"
#include "ui/CFont.h"
#include "ui/WinDef.h"

namespace ui {
class Graphics;
class Image;
}  // namespace ui
struct IconData;
using HICON = const IconData*;

constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;

// A device context: drawing on one window's area of its top-level window's surface, in the
// window's client coordinates, clipped to what of it is visible. It keeps the text colour,
// background colour and mode and the selected font, as GDI does.
class CDC {
  public:
    // clip narrows drawing further, in client coordinates (a paint's invalid area).
    explicit CDC(HWND hwnd, std::optional<CRect> clip = std::nullopt);
    virtual ~CDC() = default;

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    COLORREF GetTextColor() const { return text_color_; }
    COLORREF GetBkColor() const { return bk_color_; }
    int GetBkMode() const { return bk_mode_; }
    HFONT SelectObject(HFONT font);
    HFONT GetCurrentFont() const { return font_; }

    void FillRect(const CRect* rect, HBRUSH brush);
    void FillSolidRect(const CRect& rect, COLORREF color);
    BOOL TextOut(int x, int y, std::u16string_view text);
    int DrawText(std::u16string_view text, CRect* rect, UINT format);
    CSize GetTextExtent(std::u16string_view text);
    BOOL DrawIcon(int x, int y, HICON icon);
    // The picture at the given size, blended by its alpha.
    void DrawImage(const ui::Image& image, int x, int y, int width, int height);

    // Drawing with the full drawing layer on this DC's area; null when the window has no
    // surface (it is not shown).
    std::unique_ptr<ui::Graphics> CreateGraphics();

  private:
    HWND hwnd_;
    std::optional<CRect> clip_;
    COLORREF text_color_ = RGB(0, 0, 0);
    COLORREF bk_color_ = RGB(255, 255, 255);
    int bk_mode_ = OPAQUE;
    HFONT font_ = nullptr;
};
