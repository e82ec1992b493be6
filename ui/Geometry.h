#pragma once

// Plain geometry values in the program's pixel space (physical pixels, y down).

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Edges as Windows keeps them: right and bottom lie just outside the rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    static constexpr Rect FromXywh(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct PointF {
    float x = 0;
    float y = 0;
};

struct SizeF {
    float width = 0;
    float height = 0;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

}  // namespace ui
