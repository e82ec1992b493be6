// Bronze dragon coiled around the frame's upper right corner: its tail runs down the right
// edge, the body arches over the corner and the head snarls toward the emblem.
#include <array>
#include <cmath>
#include <numbers>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kPi = std::numbers::pi;

const std::vector<Point> kSpineKnots{
    {1204, 612}, {1182, 596}, {1178, 560}, {1200, 514}, {1210, 462}, {1224, 396}, {1232, 320},
    {1231, 240}, {1216, 170}, {1186, 124}, {1140, 104}, {1094, 114}, {1062, 136}, {1040, 154}};

double half_width(double t) {
    const double grow = smoothstep(0.0, 0.5, t);
    const double neck = 1.0 - 0.22 * smoothstep(0.82, 1.0, t);
    return (2.5 + 21.5 * grow) * neck;
}

void fill_ramp(cairo_t* cr, Point a, Point b, Rgb hi, Rgb mid, Rgb lo) {
    Pattern p = linear(a.x, a.y, b.x, b.y);
    add_stop(p.get(), 0, hi);
    add_stop(p.get(), 0.5, mid);
    add_stop(p.get(), 1, lo);
    cairo_set_source(cr, p.get());
}

void outline(cairo_t* cr, double width) {
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set_source(cr, hex(0x120a04), 0.9);
    cairo_stroke(cr);
}

// Dorsal spikes along the back (right of travel), leaning toward the tail.
void crest(cairo_t* cr, const std::vector<Point>& spine) {
    const auto back = offset_line(spine, [](double t) { return -half_width(t) * 0.8; });
    std::vector<double> len(spine.size(), 0.0);
    for (size_t i = 1; i < spine.size(); ++i) {
        len[i] = len[i - 1] + std::hypot(spine[i].x - spine[i - 1].x, spine[i].y - spine[i - 1].y);
    }
    double next = 30;
    for (size_t i = 1; i + 1 < spine.size(); ++i) {
        if (len[i] < next) {
            continue;
        }
        const double t = len[i] / len.back();
        if (t > 0.93) {
            break;
        }
        const double tx = spine[i + 1].x - spine[i - 1].x, ty = spine[i + 1].y - spine[i - 1].y;
        const double tl = std::hypot(tx, ty);
        const double ux = tx / tl, uy = ty / tl;
        const double nx = uy, ny = -ux;  // left of travel; the back is the other way
        const double h = half_width(t);
        const double spike = 6 + h * 0.9;
        const Point b = back[i];
        const Point tip{b.x - nx * spike - ux * spike * 0.6, b.y - ny * spike - uy * spike * 0.6};
        cairo_move_to(cr, b.x - ux * h * 0.45, b.y - uy * h * 0.45);
        cairo_curve_to(cr, b.x - nx * spike * 0.3, b.y - ny * spike * 0.3, tip.x + ux * 3,
                       tip.y + uy * 3, tip.x, tip.y);
        cairo_line_to(cr, b.x + ux * h * 0.5, b.y + uy * h * 0.5);
        cairo_close_path(cr);
        Path shape(cairo_copy_path(cr));
        fill_ramp(cr, tip, b, hex(0xffe6a0), hex(0xc08838), hex(0x4a2a0c));
        cairo_fill(cr);
        cairo_append_path(cr, shape.get());
        outline(cr, 1.2);
        next += 7 + h * 0.75;
    }
}

void body(cairo_t* cr, const std::vector<Point>& spine) {
    tapered_path(cr, spine, [](double t) { return half_width(t) + 1.8; });
    set_source(cr, hex(0x120a04));
    cairo_fill(cr);
    tapered_path(cr, spine, half_width);
    set_source(cr, hex(0x5c3a18));
    cairo_fill(cr);

    // Tube shading: a lit band toward the back and a pale belly toward the frame.
    auto band = [&](double centre, double width, Rgb colour, double alpha) {
        tapered_path(cr, offset_line(spine, [=](double t) { return half_width(t) * centre; }),
                     [=](double t) { return half_width(t) * width; });
        set_source(cr, colour, alpha);
        cairo_fill(cr);
    };
    band(-0.3, 0.55, hex(0x8a5e28), 0.9);
    band(-0.4, 0.22, hex(0xd8aa5e), 0.6);
    band(-0.45, 0.07, hex(0xfff0c0), 0.5);
    band(0.66, 0.3, hex(0xb08040), 1.0);
    band(0.7, 0.1, hex(0xf0d090), 0.4);

    // Scale rings across the back and plate seams across the belly.
    std::vector<double> len(spine.size(), 0.0);
    for (size_t i = 1; i < spine.size(); ++i) {
        len[i] = len[i - 1] + std::hypot(spine[i].x - spine[i - 1].x, spine[i].y - spine[i - 1].y);
    }
    const auto back_edge = offset_line(spine, [](double t) { return -half_width(t) * 0.95; });
    const auto mid_line = offset_line(spine, [](double t) { return half_width(t) * 0.1; });
    const auto belly_in = offset_line(spine, [](double t) { return half_width(t) * 0.38; });
    const auto belly_out = offset_line(spine, [](double t) { return half_width(t) * 0.95; });
    double next = 8;
    cairo_set_line_width(cr, 1.1);
    for (size_t i = 1; i + 1 < spine.size(); ++i) {
        if (len[i] < next) {
            continue;
        }
        const double t = len[i] / len.back();
        const double h = half_width(t);
        next += 5 + h * 0.55;
        // Scallop: bowed toward the tail so the scales overlap head-first.
        const double tx = spine[i + 1].x - spine[i - 1].x, ty = spine[i + 1].y - spine[i - 1].y;
        const double tl = std::hypot(tx, ty);
        const double bow = h * 0.35;
        cairo_move_to(cr, back_edge[i].x, back_edge[i].y);
        cairo_curve_to(cr, back_edge[i].x - tx / tl * bow, back_edge[i].y - ty / tl * bow,
                       mid_line[i].x - tx / tl * bow, mid_line[i].y - ty / tl * bow, mid_line[i].x,
                       mid_line[i].y);
        set_source(cr, hex(0x1e1006), 0.45);
        cairo_stroke(cr);
        cairo_move_to(cr, belly_in[i].x, belly_in[i].y);
        cairo_line_to(cr, belly_out[i].x, belly_out[i].y);
        set_source(cr, hex(0x5a3812), 0.7);
        cairo_stroke(cr);
    }
}

void head(cairo_t* cr, Point at, double angle) {
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, angle);
    // Mirror so local +y (the jaw side) lands below the snout.
    cairo_scale(cr, 1.15, -1.15);

    auto shape = [&](const std::vector<Point>& pts, Point a, Point b, Rgb hi, Rgb mid, Rgb lo) {
        smooth_path(cr, pts, true);
        Path p(cairo_copy_path(cr));
        fill_ramp(cr, a, b, hi, mid, lo);
        cairo_fill(cr);
        cairo_append_path(cr, p.get());
        outline(cr, 1.4);
    };
    auto horn = [&](Point p0, Point p1, Point p2, Point p3, double w) {
        const auto spine = bezier(p0, p1, p2, p3, 30);
        tapered_path(cr, spine, [w](double t) { return w * (1 - t) + 0.5; });
        Path p(cairo_copy_path(cr));
        fill_ramp(cr, p0, p3, hex(0xfff4d0), hex(0xd0a85a), hex(0x6a4818));
        cairo_fill(cr);
        cairo_append_path(cr, p.get());
        outline(cr, 1.2);
        // Growth rings.
        const auto rings = offset_line(spine, [w](double t) { return w * (1 - t) * 0.9; });
        const auto rings2 = offset_line(spine, [w](double t) { return -w * (1 - t) * 0.9; });
        for (size_t i = 4; i < spine.size() - 6; i += 4) {
            cairo_move_to(cr, rings[i].x, rings[i].y);
            cairo_line_to(cr, rings2[i].x, rings2[i].y);
        }
        cairo_set_line_width(cr, 0.9);
        set_source(cr, hex(0x5a3a10), 0.6);
        cairo_stroke(cr);
    };
    auto spike = [&](Point base, Point tip, double w) {
        const double dx = tip.x - base.x, dy = tip.y - base.y;
        const double l = std::hypot(dx, dy);
        const double nx = -dy / l * w, ny = dx / l * w;
        cairo_move_to(cr, base.x + nx, base.y + ny);
        cairo_curve_to(cr, base.x + dx * 0.5 + nx * 0.6, base.y + dy * 0.5 + ny * 0.6, tip.x, tip.y,
                       tip.x, tip.y);
        cairo_curve_to(cr, base.x + dx * 0.4 - nx * 0.2, base.y + dy * 0.4 - ny * 0.2, base.x - nx,
                       base.y - ny, base.x - nx, base.y - ny);
        cairo_close_path(cr);
        Path p(cairo_copy_path(cr));
        fill_ramp(cr, tip, base, hex(0xffe6a0), hex(0xb88034), hex(0x40240a));
        cairo_fill(cr);
        cairo_append_path(cr, p.get());
        outline(cr, 1.1);
    };

    // Mane of spikes behind the skull.
    for (int i = 0; i < 7; ++i) {
        const double a = kPi * (0.62 + 0.11 * i);
        spike({4 + 6 * std::cos(a), 2 + 10 * std::sin(a)},
              {-30 + 40 * std::cos(a), 4 + 44 * std::sin(a)}, 7);
    }
    horn({8, -24}, {-16, -52}, {-46, -66}, {-84, -54}, 8.5);

    // Mouth interior, then lower jaw, then the skull over both.
    smooth_path(cr, {{18, 6}, {60, 2}, {94, 4}, {90, 28}, {60, 26}, {22, 22}}, true);
    set_source(cr, hex(0x5a0e0c));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double x = 44 + i * 9;
        cairo_move_to(cr, x, 3.5);
        cairo_line_to(cr, x + 5, 3.5);
        cairo_line_to(cr, x + 2, 10 + (i == 5 ? 5 : 0));
        cairo_close_path(cr);
        cairo_move_to(cr, x - 4, 24 + i * 1.2);
        cairo_line_to(cr, x + 1, 24 + i * 1.2);
        cairo_line_to(cr, x - 2, 17 + i * 1.2 - (i == 4 ? 5 : 0));
        cairo_close_path(cr);
    }
    set_source(cr, hex(0xfff6e0));
    cairo_fill(cr);
    shape({{12, 14}, {40, 18}, {70, 26}, {92, 32}, {92, 38}, {70, 38}, {42, 34}, {16, 32}, {0, 22}},
          {60, 20}, {40, 40}, hex(0xe8c47a), hex(0x9a6a2c), hex(0x3a220a));
    spike({30, 34}, {10, 56}, 5);
    spike({48, 36}, {34, 58}, 4.5);
    shape({{-8, -20},
           {12, -28},
           {36, -26},
           {50, -32},
           {62, -22},
           {82, -16},
           {98, -11},
           {104, -3},
           {96, 4},
           {64, 3},
           {36, 8},
           {18, 16},
           {0, 20},
           {-12, 6}},
          {60, -30}, {30, 18}, hex(0xffe2a0), hex(0xa8742e), hex(0x3e240a));
    // Brow ridge and cheek lines.
    spike({58, -24}, {18, -50}, 6);
    cairo_move_to(cr, 84, -13);
    cairo_curve_to(cr, 70, -8, 50, -2, 30, 8);
    cairo_move_to(cr, 20, -10);
    cairo_curve_to(cr, 12, -2, 6, 6, 4, 14);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0x3a200a), 0.7);
    cairo_stroke(cr);
    // Nostril.
    cairo_arc(cr, 94, -8, 2.4, 0, 2 * kPi);
    set_source(cr, hex(0x1a0a04));
    cairo_fill(cr);

    // Glowing eye.
    Pattern glow = radial(46, -16, 0, 46, -16, 14);
    cairo_pattern_add_color_stop_rgba(glow.get(), 0, 1, 0.7, 0.2, 0.9);
    cairo_pattern_add_color_stop_rgba(glow.get(), 1, 1, 0.4, 0.0, 0);
    cairo_set_source(cr, glow.get());
    cairo_arc(cr, 46, -16, 14, 0, 2 * kPi);
    cairo_fill(cr);
    smooth_path(cr, {{36, -15}, {46, -21}, {56, -17}, {46, -12}}, true);
    Pattern iris = radial(47, -16, 0, 47, -16, 9);
    add_stop(iris.get(), 0, hex(0xfffad0));
    add_stop(iris.get(), 0.5, hex(0xffa020));
    add_stop(iris.get(), 1, hex(0xa02000));
    cairo_set_source(cr, iris.get());
    cairo_fill(cr);
    cairo_move_to(cr, 47, -20);
    cairo_line_to(cr, 47, -12.5);
    cairo_set_line_width(cr, 1.6);
    set_source(cr, hex(0x1a0400));
    cairo_stroke(cr);

    horn({14, -22}, {-8, -38}, {-34, -40}, {-62, -26}, 6.5);

    // Whiskers trailing from the snout.
    for (const auto& w : {std::array<Point, 4>{{{98, -6}, {96, 26}, {60, 56}, {10, 62}}},
                          std::array<Point, 4>{{{92, 0}, {110, 30}, {96, 64}, {64, 84}}}}) {
        tapered_path(cr, bezier(w[0], w[1], w[2], w[3], 40),
                     [](double t) { return 2.6 * (1 - t) + 0.3; });
        Path p(cairo_copy_path(cr));
        set_source(cr, hex(0x120a04));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke_preserve(cr);
        fill_ramp(cr, w[0], w[3], hex(0xffe6a0), hex(0xc89448), hex(0x6a4418));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void draw_dragon(cairo_t* cr) {
    const auto spine = spline(kSpineKnots, 24);
    soft_shape(
        cr,
        [&](cairo_t* c) {
            tapered_path(c, spine, [](double t) { return half_width(t) + 10; });
            cairo_fill(c);
        },
        10, hex(0x000000), 0.7, 4, 8);
    crest(cr, spine);
    body(cr, spine);
    const Point end = spine.back();
    const Point before = spine[spine.size() - 4];
    const double angle = std::atan2(end.y - before.y, end.x - before.x);
    head(cr, {end.x - std::cos(angle) * 6, end.y - std::sin(angle) * 6}, angle);
}

}  // namespace artgen
