#pragma once

#include "platform/cairo/CairoHandles.h"
#include "ui/Graphics.h"

namespace platform::cairo {

class CairoGraphics final : public ui::Graphics {
  public:
    explicit CairoGraphics(cairo_surface_t* target);
    CairoGraphics(cairo_surface_t* target, ui::Point origin, const ui::Rect& clip);

    void DrawImage(const ui::Image& image, int x, int y, int width, int height) override;
    void DrawImage(const ui::Image& image, const ui::RectF& dest) override;
    void FillRectangle(ui::Color color, const ui::Rect& rect) override;
    void DrawString(std::u16string_view text, const ui::Font& font, const ui::RectF& layout,
                    const ui::StringFormat& format, ui::Color color) override;
    void DrawString(std::u16string_view text, const ui::Font& font, ui::PointF origin,
                    ui::Color color) override;
    ui::SizeF MeasureString(std::u16string_view text, const ui::Font& font) override;

  private:
    LayoutPtr MakeLayout(std::u16string_view text, const ui::Font& font);
    void SetSourceColor(ui::Color color);

    ContextPtr cr_;
};

}  // namespace platform::cairo
