// The launcher window's whole face: smoke, bronze frame around the web view, dragon, emblem
// and the warrior. The window is shaped by this picture's alpha, so everything fades to clear
// well inside the canvas edge.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kWidth = 1306;
constexpr int kHeight = 839;

// The web view is laid exactly over this rectangle, so it must stay opaque and dark.
constexpr double kPanelX = 536, kPanelY = 286, kPanelW = 610, kPanelH = 344;
constexpr double kBand = 44;
constexpr double kOuterX0 = kPanelX - kBand, kOuterY0 = kPanelY - kBand;
constexpr double kOuterX1 = kPanelX + kPanelW + kBand, kOuterY1 = kPanelY + kPanelH + kBand;
constexpr Point kEmblem{841, 228};
constexpr double kEmblemRadius = 56;

// Round launcher buttons are composited over these spots at run time.
constexpr Point kMinimiseSocket{1169 + 12.5, 189 + 12.5};
constexpr Point kExitSocket{1191 + 19.5, 210 + 19.5};

void panel_rect(cairo_t* cr, double grow) {
    cairo_rectangle(cr, kPanelX - grow, kPanelY - grow, kPanelW + 2 * grow, kPanelH + 2 * grow);
}

// Closed smooth outline always wound clockwise on screen, so unions fill without holes.
void clockwise(cairo_t* cr, std::vector<Point> pts) {
    double area = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        const Point a = pts[i], b = pts[(i + 1) % pts.size()];
        area += a.x * b.y - b.x * a.y;
    }
    if (area < 0) {
        std::reverse(pts.begin(), pts.end());
    }
    smooth_path(cr, pts, true);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void octagon(cairo_t* cr, double cx, double cy, double r, double cut) {
    const double pts[][2] = {{-r + cut, -r}, {r - cut, -r}, {r, -r + cut}, {r, r - cut},
                             {r - cut, r},   {-r + cut, r}, {-r, r - cut}, {-r, -r + cut}};
    cairo_move_to(cr, cx + pts[0][0], cy + pts[0][1]);
    for (const auto& p : pts) {
        cairo_line_to(cr, cx + p[0], cy + p[1]);
    }
    cairo_close_path(cr);
}

// Outer shape of the frame: the band, corner bastions, the crest under the emblem with its
// swept wings, and a smaller crest at the bottom.
void silhouette(cairo_t* cr, double grow) {
    const double g = grow;
    cairo_rectangle(cr, kOuterX0 - g, kOuterY0 - g, kOuterX1 - kOuterX0 + 2 * g,
                    kOuterY1 - kOuterY0 + 2 * g);
    for (const Point c : {Point{kOuterX0, kOuterY0}, Point{kOuterX1, kOuterY0},
                          Point{kOuterX0, kOuterY1}, Point{kOuterX1, kOuterY1}}) {
        octagon(cr, c.x, c.y, 32 + g, 12);
    }
    ellipse(cr, kEmblem.x, kOuterY0 + 8, 100 + g, 78 + g);
    for (double side : {-1.0, 1.0}) {
        const double x = kEmblem.x;
        clockwise(cr, {{x + side * 70, kOuterY0 - 34 - g},
                       {x + side * 120, kOuterY0 - 30 - g},
                       {x + side * 180, kOuterY0 - 22 - g},
                       {x + side * 236, kOuterY0 - 28 - g},
                       {x + side * 200, kOuterY0 - 4 - g},
                       {x + side * 140, kOuterY0 + 10},
                       {x + side * 80, kOuterY0 + 10}});
    }
    ellipse(cr, kEmblem.x, kOuterY1 - 4, 74 + g, 26 + g);
}

Path silhouette_path(cairo_t* cr, double grow) {
    cairo_new_path(cr);
    silhouette(cr, grow);
    Path p(cairo_copy_path(cr));
    cairo_new_path(cr);
    return p;
}

void rivet(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x + 0.6, y + 1.2, r + 0.6, 0, 2 * kPi);
    set_source(cr, hex(0x0c0602), 0.7);
    cairo_fill(cr);
    Pattern p = radial(x - r * 0.4, y - r * 0.45, 0, x, y, r);
    add_stop(p.get(), 0, hex(0xfff2c0));
    add_stop(p.get(), 0.45, hex(0xb88a44));
    add_stop(p.get(), 1, hex(0x3a2208));
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, p.get());
    cairo_fill(cr);
}

void gem(cairo_t* cr, double x, double y, double r, Rgb hi, Rgb mid, Rgb lo) {
    Pattern bezel = linear(x - r, y - r, x + r, y + r);
    add_stop(bezel.get(), 0, hex(0xfff0b8));
    add_stop(bezel.get(), 0.5, hex(0xb07a30));
    add_stop(bezel.get(), 1, hex(0x3a2008));
    cairo_arc(cr, x, y, r + 3.5, 0, 2 * kPi);
    cairo_set_source(cr, bezel.get());
    cairo_fill(cr);
    cairo_arc(cr, x, y, r + 3.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0x120a04));
    cairo_stroke(cr);
    Pattern stone = radial(x - r * 0.35, y - r * 0.4, 0, x, y, r);
    add_stop(stone.get(), 0, hi);
    add_stop(stone.get(), 0.45, mid);
    add_stop(stone.get(), 1, lo);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, stone.get());
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.3, y - r * 0.35, r * 0.22, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
}

// Running scroll: a wave with a curl in every trough, traced along one straight run.
void scroll_run(cairo_t* cr, Point a, Point b, double amplitude, double period) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
    const double nx = -uy, ny = ux;
    auto at = [&](double s, double o) {
        return Point{a.x + ux * s + nx * o, a.y + uy * s + ny * o};
    };
    const int steps = static_cast<int>(len / 2);
    for (int i = 0; i <= steps; ++i) {
        const double s = len * i / steps;
        const Point p = at(s, amplitude * std::sin(2 * kPi * s / period));
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
    }
    for (double s = period * 0.25; s < len - period * 0.2; s += period / 2) {
        const double side = std::fmod(s - period * 0.25, period) < period * 0.25 ? 1.0 : -1.0;
        const Point c = at(s + period * 0.12, side * amplitude * 0.25);
        cairo_new_sub_path(cr);
        cairo_arc(cr, c.x, c.y, amplitude * 0.55, 0, 1.6 * kPi);
    }
}

void smoke(cairo_t* cr) {
    paint_field(cr, kWidth, kHeight, [](double x, double y) {
        // Domain-warped noise gives curling wisps instead of blobs.
        const double wx = fbm(x / 160.0, y / 160.0, 3, 11);
        const double wy = fbm(x / 160.0 + 7.3, y / 160.0 - 2.1, 3, 12);
        const double wisps = fbm(x / 90.0 + 2.2 * wx, y / 70.0 + 2.2 * wy, 5, 13);
        const double hue = fbm(x / 300.0, y / 300.0, 2, 14);

        auto blob = [&](double cx, double cy, double rx, double ry) {
            return std::hypot((x - cx) / rx, (y - cy) / ry);
        };
        const double q = std::min({blob(300, 440, 270, 400), blob(845, 455, 470, 300),
                                   blob(1190, 330, 110, 300), blob(841, 200, 200, 110)});
        const double body = smoothstep(1.05, 0.45, q + 0.55 * (wisps - 0.5));
        const double margin = std::min(std::min(x, kWidth - x), std::min(y, kHeight - y));
        const double fade = smoothstep(6.0, 46.0, margin);

        Rgb colour = mix(hex(0x140a26), hex(0x0a2428), hue);
        colour = mix(colour, mix(hex(0x6a48a8), hex(0x2a8a8a), hue), smoothstep(0.5, 0.9, wisps));
        // Warm light leaking from behind the frame, green light behind the warrior.
        const double warm = smoothstep(1.0, 0.0, blob(841, 300, 520, 260));
        const double green = smoothstep(1.0, 0.0, blob(290, 380, 220, 320));
        colour = mix(colour, hex(0x8a5a2a), warm * 0.4);
        colour = mix(colour, hex(0x1f7a52), green * 0.55);
        const double core = smoothstep(0.95, 0.35, q);
        const double alpha = (body * (0.55 + 0.6 * wisps) + 0.35 * core) * fade;
        return Texel{colour, std::min(0.97, alpha)};
    });
}

void bronze_fill(cairo_t* cr) {
    Pattern p = linear(0, kOuterY0 - 80, 0, kOuterY1 + 30);
    add_stop(p.get(), 0.0, hex(0x9a6c34));
    add_stop(p.get(), 0.2, hex(0x5e3e1a));
    add_stop(p.get(), 0.32, hex(0x7e5628));
    add_stop(p.get(), 0.6, hex(0x4a3014));
    add_stop(p.get(), 0.86, hex(0x6a4820));
    add_stop(p.get(), 1.0, hex(0x2e1c0a));
    cairo_set_source(cr, p.get());
}

// Light along edges that face up-left and shade along those facing down-right, inside `clip`.
void bevel(cairo_t* cr, const cairo_path_t* shape, double depth, double light, double dark) {
    cairo_save(cr);
    cairo_append_path(cr, shape);
    cairo_clip(cr);
    cairo_set_line_width(cr, depth * 1.6);
    cairo_save(cr);
    cairo_translate(cr, depth, depth);
    cairo_append_path(cr, shape);
    cairo_restore(cr);
    set_source(cr, hex(0xffe0a0), light);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -depth, -depth);
    cairo_append_path(cr, shape);
    cairo_restore(cr);
    set_source(cr, hex(0x0a0502), dark);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void frame(cairo_t* cr) {
    const Path outer = silhouette_path(cr, 0);
    soft_shape(
        cr,
        [&](cairo_t* c) {
            cairo_append_path(c, outer.get());
            cairo_fill(c);
        },
        16, hex(0x000000), 0.85, 4, 12);

    // Dark rim around the union, then the bronze body over the inner half of that stroke.
    cairo_append_path(cr, outer.get());
    cairo_set_line_width(cr, 6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set_source(cr, hex(0x0c0602));
    cairo_stroke(cr);
    cairo_append_path(cr, outer.get());
    bronze_fill(cr);
    cairo_fill(cr);

    // Cast-metal grain and patina.
    cairo_save(cr);
    cairo_append_path(cr, outer.get());
    cairo_clip(cr);
    paint_field(cr, kWidth, kHeight, [](double x, double y) {
        const double grain = value_noise(x / 1.7, y / 1.7, 21);
        const double patina = fbm(x / 36.0, y / 36.0, 4, 22);
        const double v = 0.6 * grain + 0.4 * patina;
        Texel t{v > 0.5 ? hex(0xffe8c0) : hex(0x000000), std::abs(v - 0.5) * 0.32};
        if (patina > 0.66) {
            t = Texel{hex(0x2f6a5a), (patina - 0.66) * 1.1};
        }
        return t;
    });
    // Broad diagonal sheen.
    Pattern sheen = linear(kOuterX0, kOuterY0 - 60, kOuterX1, kOuterY1);
    for (int i = 0; i <= 8; ++i) {
        cairo_pattern_add_color_stop_rgba(sheen.get(), i / 8.0, 1, 0.9, 0.7, i % 2 ? 0.0 : 0.09);
    }
    cairo_set_source(cr, sheen.get());
    cairo_paint(cr);
    cairo_restore(cr);
    bevel(cr, outer.get(), 2.5, 0.6, 0.75);

    // Filigree strip just inside the outer edge.
    cairo_save(cr);
    const double f = kBand - 8;
    scroll_run(cr, {kPanelX - f + 20, kPanelY - f}, {kEmblem.x - 110, kPanelY - f}, 3.2, 22);
    scroll_run(cr, {kEmblem.x + 110, kPanelY - f}, {kPanelX + kPanelW + f - 20, kPanelY - f}, 3.2,
               22);
    scroll_run(cr, {kPanelX - f + 20, kPanelY + kPanelH + f},
               {kEmblem.x - 84, kPanelY + kPanelH + f}, 3.2, 22);
    scroll_run(cr, {kEmblem.x + 84, kPanelY + kPanelH + f},
               {kPanelX + kPanelW + f - 20, kPanelY + kPanelH + f}, 3.2, 22);
    scroll_run(cr, {kPanelX - f, kPanelY - f + 20}, {kPanelX - f, kPanelY + kPanelH + f - 20}, 3.2,
               22);
    scroll_run(cr, {kPanelX + kPanelW + f, kPanelY - f + 20},
               {kPanelX + kPanelW + f, kPanelY + kPanelH + f - 20}, 3.2, 22);
    cairo_set_line_width(cr, 2.4);
    set_source(cr, hex(0x1a0c04), 0.6);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0xf0c878), 0.75);
    cairo_stroke(cr);
    cairo_restore(cr);

    // Raised ridge with rivets.
    const double ridge = 23;
    panel_rect(cr, ridge);
    cairo_set_line_width(cr, 12);
    set_source(cr, hex(0x0c0602), 0.7);
    cairo_stroke(cr);
    panel_rect(cr, ridge);
    cairo_set_line_width(cr, 9);
    Pattern metal = linear(kOuterX0, kOuterY0, kOuterX1, kOuterY1);
    for (int i = 0; i <= 10; ++i) {
        add_stop(metal.get(), i / 10.0, i % 2 ? hex(0x6a4820) : hex(0xd2a45c));
    }
    cairo_set_source(cr, metal.get());
    cairo_stroke(cr);
    panel_rect(cr, ridge + 3.5);
    cairo_set_line_width(cr, 1);
    set_source(cr, hex(0xfff0c0), 0.55);
    cairo_stroke(cr);
    panel_rect(cr, ridge - 3.5);
    set_source(cr, hex(0x1a0c04), 0.7);
    cairo_stroke(cr);
    for (double x = kPanelX - ridge + 30; x < kPanelX + kPanelW + ridge - 20; x += 46) {
        if (std::abs(x - kEmblem.x) < 70) {
            continue;
        }
        rivet(cr, x, kPanelY - ridge, 3.4);
        rivet(cr, x, kPanelY + kPanelH + ridge, 3.4);
    }
    for (double y = kPanelY - ridge + 40; y < kPanelY + kPanelH + ridge - 30; y += 46) {
        rivet(cr, kPanelX - ridge, y, 3.4);
        rivet(cr, kPanelX + kPanelW + ridge, y, 3.4);
    }

    // Inner step down to the panel: groove, dark slope, gold hairline.
    panel_rect(cr, 12);
    cairo_set_line_width(cr, 3);
    set_source(cr, hex(0x140a04), 0.9);
    cairo_stroke(cr);
    panel_rect(cr, 10.5);
    cairo_set_line_width(cr, 1);
    set_source(cr, hex(0xe0b070), 0.35);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    panel_rect(cr, 9);
    panel_rect(cr, 0);
    Pattern slope = linear(0, kPanelY - 9, 0, kPanelY + kPanelH + 9);
    add_stop(slope.get(), 0, hex(0x2a1a0a));
    add_stop(slope.get(), 0.5, hex(0x3a2610));
    add_stop(slope.get(), 1, hex(0x1e1206));
    cairo_set_source(cr, slope.get());
    cairo_fill(cr);
    cairo_restore(cr);
    panel_rect(cr, 4.5);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0xf6d488), 0.9);
    cairo_stroke(cr);
    panel_rect(cr, 1.5);
    cairo_set_line_width(cr, 3);
    set_source(cr, hex(0x050302));
    cairo_stroke(cr);

    // Corner bastions carry emeralds; the top right one sits under the button plate.
    for (const Point c :
         {Point{kOuterX0, kOuterY0}, Point{kOuterX0, kOuterY1}, Point{kOuterX1, kOuterY1}}) {
        cairo_new_path(cr);
        octagon(cr, c.x, c.y, 24, 9);
        Path inner(cairo_copy_path(cr));
        bronze_fill(cr);
        cairo_fill(cr);
        cairo_append_path(cr, inner.get());
        cairo_set_line_width(cr, 1.5);
        set_source(cr, hex(0x120a04), 0.8);
        cairo_stroke(cr);
        bevel(cr, inner.get(), -1.8, 0.5, 0.6);
        gem(cr, c.x, c.y, 8, hex(0xd0ffe0), hex(0x1cae5a), hex(0x03301a));
    }

    // Crest behind the emblem: an inner arch line and curls on the wings.
    cairo_save(cr);
    cairo_append_path(cr, outer.get());
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, kEmblem.x, kOuterY0 + 8);
    cairo_scale(cr, 90, 68);
    cairo_arc(cr, 0, 0, 1, kPi * 1.08, kPi * 1.92);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.4);
    set_source(cr, hex(0xf0c878), 0.7);
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {
        const double x = kEmblem.x;
        cairo_move_to(cr, x + side * 92, kOuterY0 - 16);
        cairo_curve_to(cr, x + side * 130, kOuterY0 - 26, x + side * 170, kOuterY0 - 8,
                       x + side * 214, kOuterY0 - 24);
        cairo_move_to(cr, x + side * 110, kOuterY0 - 6);
        cairo_curve_to(cr, x + side * 140, kOuterY0 - 12, x + side * 160, kOuterY0 + 2,
                       x + side * 190, kOuterY0 - 8);
        for (double k : {130.0, 170.0}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + side * k, kOuterY0 - 14, 4, 0, 1.6 * kPi);
        }
    }
    cairo_set_line_width(cr, 2.4);
    set_source(cr, hex(0x1a0c04), 0.6);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0xf0c878), 0.8);
    cairo_stroke(cr);
    // Each wing is a fan of raised blades fanning out from the crest.
    for (double side : {-1.0, 1.0}) {
        for (int k = 0; k < 5; ++k) {
            const double x0 = kEmblem.x + side * (96 + k * 8);
            const double x1 = kEmblem.x + side * (150 + k * 20);
            const double y1 = kOuterY0 - 26 + k * 3;
            const auto spine = bezier({x0, kOuterY0 - 2}, {x0 + side * 20, kOuterY0 - 22},
                                      {x1 - side * 20, y1 - 6}, {x1, y1}, 24);
            tapered_path(cr, spine, [](double t) { return 3.2 * (1 - t) + 0.4; });
            set_source(cr, hex(0x120804), 0.55);
            cairo_fill(cr);
            tapered_path(cr, offset_line(spine, [](double) { return -1.0; }),
                         [](double t) { return 1.6 * (1 - t) + 0.2; });
            set_source(cr, hex(0xffe0a0), 0.55);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);

    gem(cr, kEmblem.x, kOuterY1 + 6, 7, hex(0xffd0c0), hex(0xd0202a), hex(0x3a0006));
}

// Bronze plate at the upper right that carries the two round buttons.
void button_plate(cairo_t* cr) {
    const std::vector<Point> outline{{1156, 204}, {1164, 182}, {1186, 172}, {1206, 184},
                                     {1228, 192}, {1244, 214}, {1246, 244}, {1230, 264},
                                     {1204, 268}, {1178, 262}, {1162, 244}};
    cairo_new_path(cr);
    clockwise(cr, outline);
    Path shape(cairo_copy_path(cr));
    soft_shape(
        cr,
        [&](cairo_t* c) {
            cairo_append_path(c, shape.get());
            cairo_fill(c);
        },
        8, hex(0x000000), 0.8, 3, 6);
    cairo_append_path(cr, shape.get());
    cairo_set_line_width(cr, 5);
    set_source(cr, hex(0x0c0602));
    cairo_stroke(cr);
    cairo_append_path(cr, shape.get());
    Pattern p = linear(1156, 172, 1246, 268);
    add_stop(p.get(), 0, hex(0xd8a860));
    add_stop(p.get(), 0.35, hex(0x8a5e2a));
    add_stop(p.get(), 0.7, hex(0x4a3014));
    add_stop(p.get(), 1, hex(0x6a4820));
    cairo_set_source(cr, p.get());
    cairo_fill(cr);
    bevel(cr, shape.get(), 2.2, 0.65, 0.7);

    for (const auto& [c, r] : {std::pair{kMinimiseSocket, 12.5}, std::pair{kExitSocket, 19.5}}) {
        // Recessed socket a little wider than the button, shadowed at its upper left.
        cairo_arc(cr, c.x, c.y, r + 3, 0, 2 * kPi);
        Pattern well = linear(c.x - r, c.y - r, c.x + r, c.y + r);
        add_stop(well.get(), 0, hex(0x0a0502));
        add_stop(well.get(), 0.6, hex(0x2a1808));
        add_stop(well.get(), 1, hex(0xa07440));
        cairo_set_source(cr, well.get());
        cairo_fill(cr);
        cairo_arc(cr, c.x, c.y, r + 0.5, 0, 2 * kPi);
        set_source(cr, hex(0x080402));
        cairo_fill(cr);
        cairo_arc(cr, c.x, c.y, r + 4.5, 0, 2 * kPi);
        cairo_set_line_width(cr, 1);
        set_source(cr, hex(0xf0c878), 0.6);
        cairo_stroke(cr);
    }
    rivet(cr, 1234, 204, 3);
    rivet(cr, 1170, 250, 3);
}

void panel(cairo_t* cr) {
    const double cx = kPanelX + kPanelW / 2, cy = kPanelY + kPanelH / 2;
    Pattern p = radial(cx, cy, 0, cx, cy, kPanelW * 0.6);
    add_stop(p.get(), 0, hex(0x0d1016));
    add_stop(p.get(), 1, hex(0x0a0c10));
    cairo_rectangle(cr, kPanelX, kPanelY, kPanelW, kPanelH);
    cairo_set_source(cr, p.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

}  // namespace

Surface launcher_background(const Typesetter& type) {
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    Context ctx = new_context(out.get());
    cairo_t* cr = ctx.get();

    smoke(cr);
    frame(cr);
    draw_dragon(cr);
    button_plate(cr);

    cairo_arc(cr, kEmblem.x, kEmblem.y + 2, kEmblemRadius + 5, 0, 2 * kPi);
    set_source(cr, hex(0x0c0602), 0.85);
    cairo_fill(cr);
    draw_emblem(cr, type, kEmblem.x, kEmblem.y, kEmblemRadius);

    draw_warrior(cr, kWidth, kHeight);
    // Last, so no glow or shadow can leak into the area the web view covers.
    panel(cr);
    return out;
}

}  // namespace artgen
