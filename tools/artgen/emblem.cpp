#include <cmath>
#include <numbers>
#include <string>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

void circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
}

// Outline of a broad-nib "Q": the bowl is an ellipse traced with a slanted pen, so it swells
// where the stroke runs across the nib and thins to a hairline where it runs along it.
void calligraphic_q_path(cairo_t* cr, double cx, double cy, double s) {
    const double rx = 0.47 * s, ry = 0.53 * s;
    const double tilt = -14 * kDeg;
    const double nib_x = 0.105 * s * std::cos(-38 * kDeg);
    const double nib_y = 0.105 * s * std::sin(-38 * kDeg);
    const double hair = 0.022 * s;
    constexpr int kSteps = 180;
    std::vector<Point> outer, inner;
    for (int i = 0; i < kSteps; ++i) {
        const double a = 2 * kPi * i / kSteps;
        const double ex = rx * std::cos(a), ey = ry * std::sin(a);
        const double px = cx + ex * std::cos(tilt) - ey * std::sin(tilt);
        const double py = cy + ex * std::sin(tilt) + ey * std::cos(tilt);
        // Outward normal of the tilted ellipse.
        const double gx = std::cos(a) / rx, gy = std::sin(a) / ry;
        double nx = gx * std::cos(tilt) - gy * std::sin(tilt);
        double ny = gx * std::sin(tilt) + gy * std::cos(tilt);
        const double len = std::hypot(nx, ny);
        nx /= len;
        ny /= len;
        const double side = nx * nib_x + ny * nib_y >= 0 ? 1.0 : -1.0;
        outer.push_back({px + side * nib_x + nx * hair, py + side * nib_y + ny * hair});
        inner.push_back({px - side * nib_x - nx * hair, py - side * nib_y - ny * hair});
    }
    polyline_path(cr, outer);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, inner.back().x, inner.back().y);
    for (auto it = inner.rbegin(); it != inner.rend(); ++it) {
        cairo_line_to(cr, it->x, it->y);
    }
    cairo_close_path(cr);

    // Tail: a sweep that starts inside the bowl and flicks out past its lower right.
    const auto tail = bezier({cx - 0.06 * s, cy + 0.22 * s}, {cx + 0.18 * s, cy + 0.36 * s},
                             {cx + 0.46 * s, cy + 0.52 * s}, {cx + 0.86 * s, cy + 0.66 * s}, 48);
    tapered_path(cr, tail, [s](double t) {
        return 0.085 * s * std::sin(kPi * std::pow(t, 0.55)) + 0.006 * s * (1 - t);
    });
}

void ring_lettering(cairo_t* cr, const Typesetter& type, double cx, double cy, double radius,
                    double px) {
    const std::string word = "QUELM";
    const Font font{"Noto Serif CJK SC", PANGO_WEIGHT_BOLD, px, 0};
    const double tracking = px * 0.32;
    std::vector<double> advances;
    double total = 0;
    for (char ch : word) {
        advances.push_back(type.advance(std::string(1, ch), font));
        total += advances.back();
    }
    total += tracking * (word.size() - 1);
    double theta = -kPi / 2 - total / radius / 2;
    for (size_t i = 0; i < word.size(); ++i) {
        const double mid = theta + advances[i] / 2 / radius;
        for (int pass = 0; pass < 2; ++pass) {
            cairo_save(cr);
            cairo_translate(cr, cx + radius * std::cos(mid), cy + radius * std::sin(mid));
            cairo_rotate(cr, mid + kPi / 2);
            // Engraved: a light lip below each letter, the cut itself dark.
            const double lip = pass == 0 ? px * 0.07 : 0.0;
            type.centred_path(cr, std::string(1, word[i]), font, 0, lip);
            if (pass == 0) {
                cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
            } else {
                set_source(cr, hex(0x1e2028));
            }
            cairo_fill(cr);
            cairo_restore(cr);
        }
        theta += (advances[i] + tracking) / radius;
    }
}

void stud(cairo_t* cr, double x, double y, double r) {
    Pattern p = radial(x - r * 0.35, y - r * 0.35, 0, x, y, r);
    add_stop(p.get(), 0.0, hex(0xffffff));
    add_stop(p.get(), 0.5, hex(0xb4bac4));
    add_stop(p.get(), 1.0, hex(0x3a3e46));
    circle(cr, x, y, r);
    cairo_set_source(cr, p.get());
    cairo_fill(cr);
}

}  // namespace

void draw_emblem(cairo_t* cr, const Typesetter& type, double cx, double cy, double r) {
    const bool small = r < 30;
    const double ri = r * (small ? 0.76 : 0.8);
    const double edge = std::max(0.8, r * 0.022);

    // Silver ring with alternating bright and dull bands, as on turned metal.
    Pattern silver = linear(cx - r, cy - r, cx + r, cy + r);
    add_stop(silver.get(), 0.0, hex(0xffffff));
    add_stop(silver.get(), 0.22, hex(0xaab1bc));
    add_stop(silver.get(), 0.42, hex(0xf2f4f8));
    add_stop(silver.get(), 0.64, hex(0x5e6470));
    add_stop(silver.get(), 0.82, hex(0xd2d6de));
    add_stop(silver.get(), 1.0, hex(0x7c828e));
    circle(cr, cx, cy, r);
    cairo_set_source(cr, silver.get());
    cairo_fill(cr);

    const double mid = (r + ri) / 2;
    if (!small && r < 90) {
        // Raised central band of the ring, lit against the outer gradient.
        Pattern band = linear(cx + r, cy + r, cx - r, cy - r);
        add_stop(band.get(), 0.0, hex(0xeef0f4), 0.55);
        add_stop(band.get(), 0.5, hex(0x8890a0), 0.3);
        add_stop(band.get(), 1.0, hex(0x4a505c), 0.55);
        cairo_set_line_width(cr, (r - ri) * 0.5);
        circle(cr, cx, cy, mid);
        cairo_set_source(cr, band.get());
        cairo_stroke(cr);
        cairo_set_line_width(cr, edge * 0.7);
        for (double rr : {mid - (r - ri) * 0.25, mid + (r - ri) * 0.25}) {
            circle(cr, cx, cy, rr);
            set_source(cr, hex(0x2a2e36), 0.45);
            cairo_stroke(cr);
        }
    }

    if (r >= 90) {
        ring_lettering(cr, type, cx, cy, mid, (r - ri) * 0.9);
        for (int i = 0; i < 9; ++i) {
            const double a = (30 + 15 * i) * kDeg;
            stud(cr, cx + mid * std::cos(a), cy + mid * std::sin(a), (r - ri) * 0.16);
        }
    } else if (!small) {
        for (int i = 0; i < 12; ++i) {
            const double a = (15 + 30 * i) * kDeg;
            stud(cr, cx + mid * std::cos(a), cy + mid * std::sin(a), (r - ri) * 0.16);
        }
    }

    cairo_set_line_width(cr, edge);
    circle(cr, cx, cy, r - edge / 2);
    set_source(cr, hex(0x14161b), 0.9);
    cairo_stroke(cr);

    // Red and blue halves meeting along an S curve.
    cairo_save(cr);
    circle(cr, cx, cy, ri);
    cairo_clip(cr);
    Pattern red = radial(cx - 0.35 * ri, cy - 0.4 * ri, 0, cx - 0.1 * ri, cy - 0.1 * ri, 1.15 * ri);
    add_stop(red.get(), 0.0, hex(0xff7452));
    add_stop(red.get(), 0.45, hex(0xc8161e));
    add_stop(red.get(), 1.0, hex(0x4a0408));
    cairo_set_source(cr, red.get());
    cairo_paint(cr);

    const double a0 = -58 * kDeg, a1 = 122 * kDeg;
    const Point p0{cx + ri * 1.05 * std::cos(a0), cy + ri * 1.05 * std::sin(a0)};
    const Point p1{cx + ri * 1.05 * std::cos(a1), cy + ri * 1.05 * std::sin(a1)};
    auto s_curve = [&](cairo_t* c) {
        cairo_move_to(c, p0.x, p0.y);
        cairo_curve_to(c, cx + 0.05 * ri, cy - 0.75 * ri, cx + 0.25 * ri, cy + 0.2 * ri, cx, cy);
        cairo_curve_to(c, cx - 0.25 * ri, cy - 0.2 * ri, cx - 0.05 * ri, cy + 0.75 * ri, p1.x,
                       p1.y);
    };
    s_curve(cr);
    cairo_arc_negative(cr, cx, cy, ri * 1.05, a1, a0 + 2 * kPi);
    cairo_close_path(cr);
    Pattern blue =
        radial(cx + 0.3 * ri, cy + 0.45 * ri, 0, cx + 0.1 * ri, cy + 0.1 * ri, 1.15 * ri);
    add_stop(blue.get(), 0.0, hex(0x74ccff));
    add_stop(blue.get(), 0.45, hex(0x1f58cc));
    add_stop(blue.get(), 1.0, hex(0x06123c));
    cairo_set_source(cr, blue.get());
    cairo_fill(cr);

    s_curve(cr);
    cairo_set_line_width(cr, std::max(0.7, ri * 0.025));
    set_source(cr, hex(0xffe8b0), 0.55);
    cairo_stroke(cr);

    // Recess the disc under the ring.
    Pattern hollow = radial(cx, cy, ri * 0.7, cx, cy, ri);
    cairo_pattern_add_color_stop_rgba(hollow.get(), 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(hollow.get(), 1, 0, 0, 0, 0.6);
    cairo_set_source(cr, hollow.get());
    cairo_paint(cr);
    cairo_restore(cr);

    cairo_set_line_width(cr, edge);
    circle(cr, cx, cy, ri + edge / 2);
    set_source(cr, hex(0x101216), 0.9);
    cairo_stroke(cr);
    circle(cr, cx, cy, ri + edge * 1.5);
    set_source(cr, hex(0xffffff), 0.35);
    cairo_set_line_width(cr, edge * 0.7);
    cairo_stroke(cr);

    const double qs = ri * (small ? 1.02 : 0.95);
    const double qx = cx - 0.04 * ri, qy = cy - 0.08 * ri;
    soft_shape(
        cr,
        [&](cairo_t* c) {
            calligraphic_q_path(c, qx, qy, qs);
            cairo_fill(c);
        },
        std::max(0.8, ri * 0.05), hex(0x000000), 0.75, 0.03 * ri, 0.06 * ri);

    calligraphic_q_path(cr, qx, qy, qs);
    cairo_set_line_width(cr, std::max(0.9, ri * 0.04));
    set_source(cr, hex(0x1a0c04), 0.85);
    cairo_stroke_preserve(cr);
    Pattern gold = linear(qx, qy - 0.55 * qs, qx + 0.3 * qs, qy + 0.7 * qs);
    add_stop(gold.get(), 0.0, hex(0xfffcf0));
    add_stop(gold.get(), 0.45, hex(0xf6d58a));
    add_stop(gold.get(), 1.0, hex(0xc08a32));
    cairo_set_source(cr, gold.get());
    cairo_fill(cr);

    // Specular glint across the upper ring.
    if (!small) {
        cairo_save(cr);
        circle(cr, cx, cy, r);
        cairo_clip(cr);
        Pattern glint =
            radial(cx - 0.45 * r, cy - 0.6 * r, 0, cx - 0.45 * r, cy - 0.6 * r, 0.5 * r);
        cairo_pattern_add_color_stop_rgba(glint.get(), 0, 1, 1, 1, 0.35);
        cairo_pattern_add_color_stop_rgba(glint.get(), 1, 1, 1, 1, 0);
        cairo_set_source(cr, glint.get());
        cairo_paint(cr);
        cairo_restore(cr);
    }
}

Surface emblem_small(const Typesetter& type) {
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, 40, 40);
    Context cr = new_context(out.get());
    draw_emblem(cr.get(), type, 20, 20, 19.6);
    return out;
}

Surface emblem_smoky(const Typesetter& type) {
    constexpr int kSize = 128;
    constexpr double c = kSize / 2.0;
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kSize, kSize);
    Context cr = new_context(out.get());
    paint_field(cr.get(), kSize, kSize, [](double x, double y) {
        const double d = std::hypot(x - c, y - c);
        const double n = fbm(x / 11.0, y / 11.0, 4, 152);
        const double reach = 61.0 + 9.0 * (n - 0.5) * 2.0;
        const double a = smoothstep(reach, 46.0, d);
        return Texel{mix(hex(0x06050a), hex(0x231833), n * 0.8), 0.94 * a * a};
    });
    draw_emblem(cr.get(), type, c, c, 49);
    return out;
}

Surface emblem_halo(const Typesetter& type) {
    constexpr int kWidth = 953, kHeight = 498;
    constexpr double cx = kWidth / 2.0, cy = kHeight / 2.0;
    constexpr double kRadius = 168;
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    Context cr = new_context(out.get());
    paint_field(cr.get(), kWidth, kHeight, [&](double x, double y) {
        // Domain-warped noise so the smoke curls instead of forming blobs.
        const double wx = fbm(x / 150.0, y / 150.0, 3, 181);
        const double wy = fbm(x / 150.0 + 5.1, y / 150.0 - 3.7, 3, 182);
        const double wisps = fbm(x / 85.0 + 2.4 * wx, y / 52.0 + 2.4 * wy, 5, 183);
        const double q = std::hypot((x - cx) / 440.0, (y - cy) / 236.0);
        const double body = smoothstep(1.0, 0.25, q + 0.5 * (wisps - 0.5));
        const double d = std::hypot(x - cx, y - cy);
        const double near = smoothstep(kRadius + 80, kRadius - 5, d);
        const double margin = std::min(std::min(x, kWidth - x), std::min(y, kHeight - y));
        const double fade = smoothstep(2.0, 24.0, margin);
        const double lit = std::min(1.0, smoothstep(0.4, 0.8, wisps) * (1.4 - q));
        Rgb colour = mix(hex(0x1e0a3c), hex(0x9a62f0), lit);
        colour = mix(colour, hex(0xd2a8ff), near * 0.6);
        const double a = std::min(1.0, body * (0.4 + 0.75 * wisps) + near * 0.65) * fade;
        return Texel{colour, a};
    });
    draw_emblem(cr.get(), type, cx, cy, kRadius);
    return out;
}

Surface program_icon(const Typesetter& type) {
    constexpr int kSize = 128;
    constexpr double c = kSize / 2.0;
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kSize, kSize);
    Context cr = new_context(out.get());
    // A tight shadow only: the icon must fill its square to stay legible in a tray.
    cairo_arc(cr.get(), c, c + 1.5, 61.5, 0, 2 * kPi);
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 0.35);
    cairo_fill(cr.get());
    draw_emblem(cr.get(), type, c, c, 60.5);
    return out;
}

}  // namespace artgen
