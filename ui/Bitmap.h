#pragma once

#include <memory>

#include "ui/Color.h"
#include "ui/Image.h"

namespace ui {

// A 32-bit ARGB drawing surface that keeps per-pixel alpha; fully transparent when made.
// A bitmap is itself an image, so what is composed on it can be drawn elsewhere.
class Bitmap : public Image {
  public:
    static std::unique_ptr<Bitmap> Create(int width, int height);

    // The straight colour of one pixel; transparent black outside the bitmap.
    virtual Color GetPixel(int x, int y) const = 0;
};

}  // namespace ui
