#pragma once

#include <memory>
#include <string_view>

#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/Geometry.h"
#include "ui/StringFormat.h"

namespace ui {

class Bitmap;
class Image;

// Draws on a bitmap. Everything is blended source-over, so the bitmap's alpha survives:
// pixels nothing was drawn on stay transparent.
class Graphics {
  public:
    virtual ~Graphics() = default;

    static std::unique_ptr<Graphics> FromBitmap(Bitmap& target);
    // Drawing relative to origin and limited to clip, both in the bitmap's pixels: how a part
    // of a larger surface (a child window's area) is drawn on.
    static std::unique_ptr<Graphics> FromBitmap(Bitmap& target, Point origin, const Rect& clip);

    // The whole image scaled into the rectangle; an empty image draws nothing.
    virtual void DrawImage(const Image& image, int x, int y, int width, int height) = 0;
    virtual void DrawImage(const Image& image, const RectF& dest) = 0;

    virtual void FillRectangle(Color color, const Rect& rect) = 0;

    // Text clipped to and aligned in the layout rectangle.
    virtual void DrawString(std::u16string_view text, const Font& font, const RectF& layout,
                            const StringFormat& format, Color color) = 0;
    // Text whose layout box starts at the point.
    virtual void DrawString(std::u16string_view text, const Font& font, PointF origin,
                            Color color) = 0;

    // The size of the text's layout box in pixels.
    virtual SizeF MeasureString(std::u16string_view text, const Font& font) = 0;

  protected:
    Graphics() = default;
};

}  // namespace ui
