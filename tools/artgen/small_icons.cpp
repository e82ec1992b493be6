#include <cmath>
#include <numbers>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr int kGoldSize = 15;

// Lines sit on half-pixel centres and fills on whole pixels so the glyphs stay crisp at 15 px.
void circled_r(cairo_t* cr) {
    cairo_set_line_width(cr, 1.25);
    cairo_arc(cr, 7.5, 7.5, 6.1, 0, 360 * kDeg);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 5.5, 11);
    cairo_line_to(cr, 5.5, 4.5);
    cairo_line_to(cr, 8.1, 4.5);
    cairo_arc(cr, 8.1, 6.0, 1.5, -90 * kDeg, 90 * kDeg);
    cairo_line_to(cr, 5.5, 7.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 7.6, 7.6);
    cairo_line_to(cr, 10.0, 11.0);
    cairo_stroke(cr);
}

void refresh(cairo_t* cr) {
    const double cx = 7.5, cy = 7.5, r = 4.6;
    const double start = 20 * kDeg, end = 285 * kDeg;
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, r, start, end);
    cairo_stroke(cr);
    // Arrowhead continuing the clockwise sweep.
    const double ex = cx + r * std::cos(end), ey = cy + r * std::sin(end);
    const double tx = -std::sin(end), ty = std::cos(end);
    const double nx = std::cos(end), ny = std::sin(end);
    cairo_move_to(cr, ex + tx * 3.2, ey + ty * 3.2);
    cairo_line_to(cr, ex + nx * 2.7 - tx * 0.6, ey + ny * 2.7 - ty * 0.6);
    cairo_line_to(cr, ex - nx * 2.7 - tx * 0.6, ey - ny * 2.7 - ty * 0.6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void home(cairo_t* cr) {
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_move_to(cr, 1.3, 7.7);
    cairo_line_to(cr, 7.5, 1.6);
    cairo_line_to(cr, 13.7, 7.7);
    cairo_stroke(cr);
    cairo_rectangle(cr, 10, 2, 2, 3);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 3.5, 6.5);
    cairo_line_to(cr, 3.5, 13.5);
    cairo_line_to(cr, 11.5, 13.5);
    cairo_line_to(cr, 11.5, 6.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 6, 9, 3, 5);
    cairo_fill(cr);
}

void account(cairo_t* cr) {
    // Corner brackets of the frame.
    const int lo = 1, hi = 13, arm = 4;
    for (int sx = 0; sx < 2; ++sx) {
        for (int sy = 0; sy < 2; ++sy) {
            const int x = sx ? hi : lo;
            const int y = sy ? hi : lo;
            cairo_rectangle(cr, sx ? x - arm + 1 : x, y, arm, 1);
            cairo_rectangle(cr, x, sy ? y - arm + 1 : y, 1, arm);
        }
    }
    cairo_fill(cr);
    cairo_arc(cr, 7.5, 5.4, 2.1, 0, 360 * kDeg);
    cairo_fill(cr);
    cairo_move_to(cr, 3.6, 11.5);
    cairo_curve_to(cr, 3.6, 9.2, 5.3, 8.4, 7.5, 8.4);
    cairo_curve_to(cr, 9.7, 8.4, 11.4, 9.2, 11.4, 11.5);
    cairo_line_to(cr, 11.4, 12);
    cairo_line_to(cr, 3.6, 12);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void broom(cairo_t* cr) {
    // Drawn along a diagonal axis from the handle tip (upper right) to the bristles.
    const double ox = 13.2, oy = 1.8;
    const double ux = -std::numbers::sqrt2 / 2, uy = std::numbers::sqrt2 / 2;
    const double vx = std::numbers::sqrt2 / 2, vy = std::numbers::sqrt2 / 2;
    auto pt = [&](double u, double v) { return Point{ox + u * ux + v * vx, oy + u * uy + v * vy}; };
    auto quad = [&](Point a, Point b, Point c, Point d) {
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, c.x, c.y);
        cairo_line_to(cr, d.x, d.y);
        cairo_close_path(cr);
    };
    quad(pt(0, -0.75), pt(7.4, -0.75), pt(7.4, 0.75), pt(0, 0.75));
    quad(pt(7.4, -2.2), pt(9.0, -2.2), pt(9.0, 2.2), pt(7.4, 2.2));
    cairo_fill(cr);
    quad(pt(9.8, -2.3), pt(15.4, -3.9), pt(15.4, 3.9), pt(9.8, 2.3));
    cairo_fill(cr);
    // Splits between bristle tufts.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_line_width(cr, 0.8);
    for (double v : {-1.15, 1.15}) {
        const Point a = pt(11.2, v * 1.1), b = pt(15.6, v * 1.9);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
    }
    cairo_stroke(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

struct GoldRamp {
    Rgb top, bottom;
    double shadow;
};

GoldRamp gold_for(Tone tone) {
    switch (tone) {
        case Tone::kDim:
            return {hex(0x9e8a64), hex(0x6e5630), 0.45};
        case Tone::kNormal:
            return {hex(0xffe29a), hex(0xd0952e), 0.6};
        case Tone::kBright:
            return {hex(0xfffbe2), hex(0xffc85a), 0.6};
    }
    return {};
}

}  // namespace

Surface gold_icon(GoldGlyph glyph, Tone tone) {
    Surface shape = layer(kGoldSize, kGoldSize, [&](cairo_t* cr) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        switch (glyph) {
            case GoldGlyph::kCircledR:
                circled_r(cr);
                break;
            case GoldGlyph::kRefresh:
                refresh(cr);
                break;
            case GoldGlyph::kHome:
                home(cr);
                break;
            case GoldGlyph::kAccount:
                account(cr);
                break;
            case GoldGlyph::kBroom:
                broom(cr);
                break;
        }
    });
    const GoldRamp ramp = gold_for(tone);
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kGoldSize, kGoldSize);
    Context cr = new_context(out.get());
    // One-pixel drop shadow: keeps the glyph legible on mid-tone art without blurring it.
    cairo_set_source_rgba(cr.get(), 0.05, 0.03, 0.0, ramp.shadow);
    cairo_mask_surface(cr.get(), shape.get(), 0.0, 1.0);
    Pattern fill = linear(0, 1, 0, 14);
    add_stop(fill.get(), 0.0, ramp.top);
    add_stop(fill.get(), 1.0, ramp.bottom);
    cairo_set_source(cr.get(), fill.get());
    cairo_mask_surface(cr.get(), shape.get(), 0, 0);
    return out;
}

Surface tray_arrow(bool highlighted) {
    constexpr int kSize = 22;
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kSize, kSize);
    Context ctx = new_context(out.get());
    cairo_t* cr = ctx.get();
    if (highlighted) {
        set_source(cr, hex(0xffd22e));
    } else {
        set_source(cr, hex(0xdadada), 0.55);
    }
    cairo_rectangle(cr, 10, 3, 2, 8);
    cairo_move_to(cr, 5, 10);
    cairo_line_to(cr, 17, 10);
    cairo_line_to(cr, 11, 16);
    cairo_close_path(cr);
    cairo_rectangle(cr, 5, 17, 12, 2);
    cairo_fill(cr);
    return out;
}

}  // namespace artgen
