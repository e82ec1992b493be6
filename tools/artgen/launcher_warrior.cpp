// The armoured spear-maiden standing left of the launcher frame. Everything is in canvas
// pixels; she faces right, toward the frame, with the key light from the upper right.
#include <array>
#include <cmath>
#include <numbers>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kPi = std::numbers::pi;

struct Ramp {
    Rgb hi, mid, lo;
};

const Ramp kJade{hex(0x74d69a), hex(0x1f7444), hex(0x062614)};
const Ramp kGold{hex(0xfff2b8), hex(0xd6a23e), hex(0x5e3a0e)};
const Ramp kSkin{hex(0xffe2cc), hex(0xdca58a), hex(0x7a4a3c)};
const Ramp kCloth{hex(0x2f7a4c), hex(0x124a2a), hex(0x04160c)};
const Ramp kUnder{hex(0x3a4a48), hex(0x1a2424), hex(0x080c0c)};
const Ramp kHair{hex(0x7a3c34), hex(0x3a1618), hex(0x0e0406)};
const Ramp kCrimson{hex(0xd04048), hex(0x7a1420), hex(0x2a0408)};

using PathFn = std::function<void(cairo_t*)>;

// Gold with bright bands every so often down the canvas, so trims glint instead of reading flat.
Pattern gold_trim_pattern() {
    Pattern p = linear(0, 0, 220, 839);
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        add_stop(p.get(), t, i % 2 == 0 ? hex(0xfff0b0) : hex(0x9a6a22));
    }
    return p;
}

// Fills `path` with a three-stop ramp from a (lit) to b (shaded), then optionally draws a gold
// trim bordered by a thin dark line.
void plate(cairo_t* cr, const PathFn& path, const Ramp& ramp, Point a, Point b, double trim = 0,
           double outline = 1.0) {
    path(cr);
    Path shape(cairo_copy_path(cr));
    Pattern fill = linear(a.x, a.y, b.x, b.y);
    add_stop(fill.get(), 0.0, ramp.hi);
    add_stop(fill.get(), 0.45, ramp.mid);
    add_stop(fill.get(), 1.0, ramp.lo);
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (outline > 0) {
        cairo_append_path(cr, shape.get());
        cairo_set_line_width(cr, trim + 2 * outline);
        set_source(cr, hex(0x0a0604), 0.85);
        cairo_stroke(cr);
    }
    if (trim > 0) {
        cairo_append_path(cr, shape.get());
        cairo_set_line_width(cr, trim);
        Pattern gold = gold_trim_pattern();
        cairo_set_source(cr, gold.get());
        cairo_stroke(cr);
    }
}

PathFn knots(std::vector<Point> pts) {
    return [pts = std::move(pts)](cairo_t* cr) { smooth_path(cr, pts, true); };
}

// A tapered brush stroke filled with a flat colour.
void strand(cairo_t* cr, const std::vector<Point>& spine, double width, Rgb colour, double alpha,
            double start_taper = 0.25) {
    tapered_path(cr, spine, [=](double t) {
        const double rise = std::min(1.0, t / start_taper + 0.15);
        return width * rise * (1.0 - t);
    });
    set_source(cr, colour, alpha);
    cairo_fill(cr);
}

void cape(cairo_t* cr) {
    const std::vector<Point> outline{{246, 246}, {196, 292}, {138, 388}, {92, 500},  {70, 610},
                                     {78, 712},  {98, 790},  {150, 770}, {196, 796}, {242, 768},
                                     {290, 756}, {330, 742}, {346, 600}, {350, 400}, {352, 258}};
    // Lining shows along the wind-side edge where the cloth turns over.
    const std::vector<Point> lining{{240, 252}, {188, 300}, {128, 398}, {84, 506},  {62, 612},
                                    {70, 714},  {92, 796},  {120, 780}, {110, 700}, {104, 610},
                                    {122, 510}, {160, 410}, {214, 312}};
    plate(cr, knots(lining), kCrimson, {60, 300}, {200, 700}, 0, 1.0);
    plate(cr, knots(outline), kCloth, {330, 300}, {70, 700}, 0, 1.2);

    // Folds: dark valleys and lit ridges fanning from the shoulders.
    cairo_save(cr);
    knots(outline)(cr);
    cairo_clip(cr);
    const double folds[][4] = {
        {238, 262, 120, 770}, {262, 262, 190, 790}, {290, 262, 262, 770}, {226, 272, 84, 700}};
    for (const auto& f : folds) {
        strand(cr,
               bezier({f[0], f[1]}, {f[0] - 30, f[1] + 180}, {f[2] + 10, f[3] - 220}, {f[2], f[3]},
                      40),
               14, hex(0x020a05), 0.55, 0.5);
        strand(cr,
               bezier({f[0] + 10, f[1]}, {f[0] - 16, f[1] + 180}, {f[2] + 24, f[3] - 220},
                      {f[2] + 16, f[3] - 6}, 40),
               5, hex(0x5fbf84), 0.28, 0.5);
    }
    cairo_restore(cr);

    // Gold hem along the bottom and the outer edge.
    smooth_path(cr, {{196, 292}, {138, 388}, {92, 500}, {70, 610}, {78, 712}, {98, 790}}, false);
    smooth_path(cr, {{98, 790}, {150, 770}, {196, 796}, {242, 768}, {290, 756}, {330, 742}}, false);
    cairo_set_line_width(cr, 7);
    set_source(cr, hex(0x0a0604), 0.8);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.5);
    Pattern gold = gold_trim_pattern();
    cairo_set_source(cr, gold.get());
    cairo_stroke(cr);
}

void hair_back(cairo_t* cr) {
    plate(cr,
          knots({{300, 88},
                 {328, 98},
                 {338, 120},
                 {318, 124},
                 {296, 132},
                 {290, 170},
                 {298, 226},
                 {290, 272},
                 {266, 316},
                 {224, 346},
                 {176, 362},
                 {140, 360},
                 {176, 336},
                 {204, 300},
                 {214, 250},
                 {226, 196},
                 {240, 142},
                 {264, 102}}),
          kHair, {330, 100}, {160, 360}, 0, 1.0);
    // Wind-blown locks that grow out of the mass and trail past it.
    const double locks[][8] = {
        {280, 104, 236, 124, 206, 206, 150, 296}, {270, 130, 240, 200, 214, 268, 142, 352},
        {286, 160, 272, 240, 246, 300, 184, 360}, {274, 112, 232, 112, 200, 150, 156, 188},
        {292, 220, 284, 280, 262, 320, 212, 362},
    };
    for (const auto& l : locks) {
        strand(cr, bezier({l[0], l[1]}, {l[2], l[3]}, {l[4], l[5]}, {l[6], l[7]}, 40), 13,
               hex(0x240c0c), 1.0, 0.4);
    }
    for (const auto& l : locks) {
        strand(cr,
               bezier({l[0] + 2, l[1] - 2}, {l[2] + 2, l[3] - 3}, {l[4] + 2, l[5] - 3},
                      {l[6] + 8, l[7] - 8}, 40),
               3.2, hex(0xb8684e), 0.5, 0.4);
    }
}

void leg(cairo_t* cr, Point hip, Point knee, Point ankle, bool front) {
    const double s = front ? 1.0 : 0.92;
    tapered_path(cr, {hip, {(hip.x + knee.x) / 2, (hip.y + knee.y) / 2}, knee},
                 [s](double t) { return s * (23 - 8 * t); });
    Pattern under = linear(hip.x - 25, 0, hip.x + 25, 0);
    add_stop(under.get(), 0, kUnder.lo);
    add_stop(under.get(), 0.7, kUnder.mid);
    add_stop(under.get(), 1, kUnder.hi);
    cairo_set_source(cr, under.get());
    cairo_fill(cr);

    // Greave: a shell hugging the shin, flaring at the knee.
    const double dx = ankle.x - knee.x;
    plate(cr,
          knots({{knee.x - 14 * s, knee.y - 2},
                 {knee.x + 14 * s, knee.y - 4},
                 {knee.x + dx * 0.5 + 13 * s, knee.y + 80},
                 {ankle.x + 10 * s, ankle.y - 6},
                 {ankle.x, ankle.y + 4},
                 {ankle.x - 11 * s, ankle.y - 6},
                 {knee.x + dx * 0.5 - 13 * s, knee.y + 80}}),
          kJade, {knee.x + 20, knee.y}, {knee.x - 20, ankle.y}, 3, 1);
    // Centre ridge of the greave.
    cairo_move_to(cr, knee.x + 2, knee.y + 12);
    cairo_curve_to(cr, knee.x + dx * 0.4 + 3, knee.y + 60, ankle.x + 2, ankle.y - 50, ankle.x + 1,
                   ankle.y - 8);
    cairo_set_line_width(cr, 2);
    set_source(cr, hex(0xbff0cf), 0.45);
    cairo_stroke(cr);

    // Sabaton, pointing forward (right).
    plate(cr,
          knots({{ankle.x - 12 * s, ankle.y - 8},
                 {ankle.x + 12 * s, ankle.y - 8},
                 {ankle.x + 34 * s, ankle.y + 18},
                 {ankle.x + 40 * s, ankle.y + 30},
                 {ankle.x - 4, ankle.y + 32},
                 {ankle.x - 16 * s, ankle.y + 22}}),
          kGold, {ankle.x + 30, ankle.y - 10}, {ankle.x - 10, ankle.y + 30}, 0, 1);

    // Knee cop with a small spike.
    cairo_move_to(cr, knee.x + 6 * s, knee.y - 6);
    cairo_line_to(cr, knee.x + 26 * s, knee.y + 2);
    cairo_line_to(cr, knee.x + 8 * s, knee.y + 8);
    cairo_close_path(cr);
    set_source(cr, kGold.mid);
    cairo_fill(cr);
    Pattern cop = radial(knee.x + 4, knee.y - 5, 1, knee.x, knee.y, 15 * s);
    add_stop(cop.get(), 0, kGold.hi);
    add_stop(cop.get(), 0.6, kGold.mid);
    add_stop(cop.get(), 1, kGold.lo);
    cairo_arc(cr, knee.x, knee.y, 14 * s, 0, 2 * kPi);
    cairo_set_source(cr, cop.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0x0a0604), 0.8);
    cairo_stroke(cr);
}

void skirt(cairo_t* cr) {
    plate(cr,
          knots({{258, 402},
                 {342, 402},
                 {356, 440},
                 {370, 520},
                 {386, 600},
                 {362, 592},
                 {342, 610},
                 {318, 596},
                 {284, 598},
                 {260, 612},
                 {238, 594},
                 {212, 602},
                 {228, 520},
                 {244, 440}}),
          kCloth, {380, 420}, {220, 600}, 0, 1.2);
    // Tabard hanging in front, crimson with a gold border and a stitched diamond.
    plate(
        cr,
        knots({{284, 412}, {318, 412}, {324, 520}, {318, 640}, {301, 672}, {284, 640}, {278, 520}}),
        kCrimson, {320, 430}, {280, 660}, 3.5, 1);
    cairo_move_to(cr, 301, 520);
    cairo_line_to(cr, 311, 560);
    cairo_line_to(cr, 301, 600);
    cairo_line_to(cr, 291, 560);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 1.6);
    set_source(cr, hex(0xe8c070), 0.85);
    cairo_stroke(cr);

    // Tassets on each hip.
    plate(cr, knots({{254, 412}, {286, 418}, {282, 484}, {268, 540}, {240, 526}, {232, 470}}),
          kJade, {286, 420}, {236, 530}, 3, 1);
    plate(cr, knots({{318, 418}, {348, 410}, {366, 468}, {362, 530}, {330, 540}, {318, 484}}),
          kJade, {366, 420}, {318, 540}, 3, 1);
    for (double y : {456.0, 496.0}) {
        cairo_move_to(cr, 242, y);
        cairo_curve_to(cr, 254, y + 6, 270, y + 6, 282, y + 2);
        cairo_move_to(cr, 322, y + 2);
        cairo_curve_to(cr, 334, y + 6, 350, y + 6, 362, y);
    }
    cairo_set_line_width(cr, 1.5);
    set_source(cr, hex(0xe8c070), 0.6);
    cairo_stroke(cr);
}

void torso(cairo_t* cr) {
    const auto body = knots({{262, 250},
                             {300, 244},
                             {340, 250},
                             {362, 272},
                             {360, 316},
                             {344, 354},
                             {336, 398},
                             {300, 410},
                             {266, 398},
                             {256, 354},
                             {240, 316},
                             {238, 272}});
    plate(cr, body, kJade, {360, 262}, {246, 400}, 4, 1.2);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    // Moulded bust plates and a centre ridge.
    cairo_move_to(cr, 248, 296);
    cairo_curve_to(cr, 262, 330, 290, 334, 300, 318);
    cairo_curve_to(cr, 312, 334, 338, 330, 354, 296);
    cairo_move_to(cr, 300, 320);
    cairo_line_to(cr, 300, 404);
    cairo_set_line_width(cr, 3);
    Pattern gold = gold_trim_pattern();
    cairo_set_source(cr, gold.get());
    cairo_stroke(cr);
    Pattern sheen = radial(334, 290, 2, 334, 290, 42);
    cairo_pattern_add_color_stop_rgba(sheen.get(), 0, 0.85, 1, 0.9, 0.5);
    cairo_pattern_add_color_stop_rgba(sheen.get(), 1, 0.85, 1, 0.9, 0);
    cairo_set_source(cr, sheen.get());
    cairo_paint(cr);
    cairo_restore(cr);

    // Belt with a jewelled buckle.
    tapered_path(cr, {{256, 404}, {300, 410}, {342, 404}}, [](double) { return 6.0; });
    Pattern belt = gold_trim_pattern();
    cairo_set_source(cr, belt.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    set_source(cr, hex(0x0a0604), 0.8);
    cairo_stroke(cr);
    Pattern gem = radial(298, 406, 1, 300, 409, 8);
    add_stop(gem.get(), 0, hex(0xffd0c0));
    add_stop(gem.get(), 0.4, hex(0xe0202c));
    add_stop(gem.get(), 1, hex(0x400006));
    cairo_arc(cr, 300, 409, 7.5, 0, 2 * kPi);
    cairo_set_source(cr, gem.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    set_source(cr, kGold.mid);
    cairo_stroke(cr);
}

void arm(cairo_t* cr, Point shoulder, Point elbow, Point wrist) {
    // Cloth sleeve on the upper arm, gathered by a gold band above the elbow.
    plate(
        cr,
        [&](cairo_t* c) {
            tapered_path(
                c, {shoulder, {(shoulder.x + elbow.x) / 2, (shoulder.y + elbow.y) / 2}, elbow},
                [](double t) { return 14 - 3 * t; });
        },
        kCloth, {shoulder.x + 14, shoulder.y}, {elbow.x - 14, elbow.y}, 0, 1);
    const Point band{shoulder.x + (elbow.x - shoulder.x) * 0.82,
                     shoulder.y + (elbow.y - shoulder.y) * 0.82};
    const double ang = std::atan2(elbow.y - shoulder.y, elbow.x - shoulder.x);
    cairo_move_to(cr, band.x - std::sin(ang) * 12, band.y + std::cos(ang) * 12);
    cairo_line_to(cr, band.x + std::sin(ang) * 12, band.y - std::cos(ang) * 12);
    cairo_set_line_width(cr, 5);
    set_source(cr, kGold.mid);
    cairo_stroke(cr);
    // Vambrace over the forearm, rounded at the elbow and narrowing to the wrist.
    const double len = std::hypot(wrist.x - elbow.x, wrist.y - elbow.y);
    const Point u{(wrist.x - elbow.x) / len, (wrist.y - elbow.y) / len};
    const Point n{-u.y, u.x};
    auto at = [&](double along, double across) {
        return Point{elbow.x + u.x * along + n.x * across, elbow.y + u.y * along + n.y * across};
    };
    plate(cr,
          knots({at(-11, 0), at(0, 13), at(len * 0.5, 12), at(len, 9), at(len + 4, 0), at(len, -9),
                 at(len * 0.5, -12), at(0, -13)}),
          kJade, at(0, 14), at(len, -10), 2.5, 1);
    for (double f : {0.15, 0.8}) {
        const Point a = at(len * f, 12.5 - 3.5 * f), b = at(len * f, -12.5 + 3.5 * f);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
    }
    cairo_set_line_width(cr, 3);
    set_source(cr, kGold.mid);
    cairo_stroke(cr);
}

void pauldron(cairo_t* cr, Point at, double dir, double s) {
    // Three overlapping lames, the lowest drawn first.
    for (int k = 2; k >= 0; --k) {
        const double cx = at.x + dir * k * 5 * s;
        const double cy = at.y + k * 13 * s;
        const double rx = (34 - k * 4) * s, ry = 17 * s;
        plate(cr,
              knots({{cx - rx, cy + ry * 0.6},
                     {cx - rx * 0.7, cy - ry * 0.5},
                     {cx, cy - ry},
                     {cx + rx * 0.7, cy - ry * 0.5},
                     {cx + rx, cy + ry * 0.6},
                     {cx, cy + ry * 0.9}}),
              k == 0 ? kGold : kJade, {cx + dir * rx, cy - ry}, {cx - dir * rx, cy + ry}, 3, 1);
    }
    // Swept fin on the top lame.
    plate(
        cr,
        [&](cairo_t* c) {
            tapered_path(c,
                         bezier({at.x, at.y - 12 * s}, {at.x - dir * 10 * s, at.y - 30 * s},
                                {at.x - dir * 30 * s, at.y - 40 * s},
                                {at.x - dir * 52 * s, at.y - 38 * s}, 24),
                         [s](double t) { return 7 * s * (1 - t); });
        },
        kGold, {at.x, at.y - 40}, {at.x - dir * 40, at.y}, 0, 1);
}

void head(cairo_t* cr) {
    // Neck and collar.
    plate(cr, knots({{290, 186}, {314, 186}, {318, 246}, {288, 250}}), kSkin, {316, 190},
          {288, 248}, 0, 0.8);
    plate(cr, knots({{272, 240}, {300, 232}, {332, 240}, {326, 258}, {300, 262}, {276, 258}}),
          kGold, {330, 236}, {276, 262}, 0, 1);

    const auto face = knots({{284, 108},
                             {306, 104},
                             {324, 116},
                             {331, 134},
                             {334, 150},
                             {340, 160},
                             {334, 166},
                             {334, 174},
                             {328, 186},
                             {316, 197},
                             {302, 199},
                             {290, 190},
                             {282, 168},
                             {278, 140}});
    plate(cr, face, kSkin, {336, 140}, {284, 196}, 0, 0.8);
    cairo_save(cr);
    face(cr);
    cairo_clip(cr);
    // Cheek warmth and a shadowed jaw.
    Pattern blush = radial(318, 172, 1, 318, 172, 12);
    cairo_pattern_add_color_stop_rgba(blush.get(), 0, 0.9, 0.4, 0.4, 0.35);
    cairo_pattern_add_color_stop_rgba(blush.get(), 1, 0.9, 0.4, 0.4, 0);
    cairo_set_source(cr, blush.get());
    cairo_paint(cr);
    cairo_restore(cr);

    // Eye, brow, lips.
    cairo_move_to(cr, 312, 146);
    cairo_curve_to(cr, 316, 141, 324, 141, 328, 145);
    cairo_curve_to(cr, 324, 148, 316, 149, 312, 146);
    set_source(cr, hex(0x1a0c08));
    cairo_fill(cr);
    cairo_arc(cr, 322, 145, 1.6, 0, 2 * kPi);
    set_source(cr, hex(0x3cff9a), 0.9);
    cairo_fill(cr);
    strand(cr, bezier({308, 138}, {314, 134}, {322, 133}, {331, 137}, 16), 2.2, hex(0x2a1010), 1.0,
           0.4);
    cairo_move_to(cr, 324, 178);
    cairo_curve_to(cr, 328, 176, 332, 177, 334, 176);
    cairo_set_line_width(cr, 2);
    set_source(cr, hex(0x9a2a30), 0.85);
    cairo_stroke(cr);

    // Front hair falling behind the ear and over the shoulder.
    for (int i = 0; i < 4; ++i) {
        const double o = i * 5.0;
        strand(cr, bezier({290 + o, 108}, {276 + o, 150}, {290 + o, 200}, {270 + o, 268}, 30), 7,
               hex(0x2a0e0e), 1.0, 0.3);
        strand(cr, bezier({292 + o, 110}, {279 + o, 150}, {292 + o, 200}, {273 + o, 262}, 30), 2,
               hex(0xb0664e), 0.5, 0.3);
    }

    // Winged helm: crown plate, swept wings, a jewelled brow band.
    for (const auto& w : {std::array<double, 8>{290, 110, 270, 84, 246, 66, 216, 56},
                          std::array<double, 8>{288, 114, 264, 96, 240, 86, 210, 84},
                          std::array<double, 8>{288, 118, 266, 110, 244, 106, 218, 110}}) {
        plate(
            cr,
            [&](cairo_t* c) {
                tapered_path(c, bezier({w[0], w[1]}, {w[2], w[3]}, {w[4], w[5]}, {w[6], w[7]}, 30),
                             [](double t) {
                                 return 7.5 * std::sin(kPi * (0.2 + 0.8 * t)) * (1 - 0.6 * t) + 0.8;
                             });
            },
            kGold, {w[0], w[1] - 20}, {w[6], w[7] + 20}, 0, 1);
    }
    plate(cr,
          knots({{282, 114}, {288, 96}, {306, 88}, {324, 96}, {334, 114}, {318, 122}, {298, 120}}),
          kGold, {330, 90}, {284, 120}, 0, 1);
    cairo_move_to(cr, 296, 112);
    cairo_curve_to(cr, 300, 100, 312, 96, 322, 104);
    cairo_set_line_width(cr, 3);
    set_source(cr, kJade.mid);
    cairo_stroke(cr);
    Pattern gem = radial(326, 116, 0.5, 327, 118, 5);
    add_stop(gem.get(), 0, hex(0xe0fff0));
    add_stop(gem.get(), 0.5, hex(0x20c070));
    add_stop(gem.get(), 1, hex(0x04301a));
    cairo_arc(cr, 327, 118, 4.5, 0, 2 * kPi);
    cairo_set_source(cr, gem.get());
    cairo_fill(cr);
}

// Spear from the butt at the feet, through the raised hand, to a glowing leaf blade.
constexpr Point kHand{437, 330};
constexpr Point kSpearDir{0.3686, -0.9296};

Point along(double s) {
    return {kHand.x + kSpearDir.x * s, kHand.y + kSpearDir.y * s};
}

void spear(cairo_t* cr) {
    const Point butt = along(-515), collar = along(218), tip = along(302);
    const double nx = -kSpearDir.y, ny = kSpearDir.x;

    soft_shape(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, collar.x, collar.y);
            cairo_line_to(c, tip.x, tip.y);
            cairo_set_line_width(c, 22);
            cairo_stroke(c);
        },
        16, hex(0x58ffc8), 0.9);

    cairo_move_to(cr, butt.x, butt.y);
    cairo_line_to(cr, collar.x, collar.y);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 8);
    set_source(cr, hex(0x0a0604));
    cairo_stroke_preserve(cr);
    Pattern shaft = linear(butt.x - nx * 4, butt.y - ny * 4, butt.x + nx * 4, butt.y + ny * 4);
    add_stop(shaft.get(), 0, hex(0x2a160c));
    add_stop(shaft.get(), 0.4, hex(0x8a5a34));
    add_stop(shaft.get(), 1, hex(0x1a0c06));
    cairo_set_source(cr, shaft.get());
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);

    // Gold bands along the shaft.
    for (double s : {-505.0, -300.0, -120.0, 120.0, 200.0, 210.0}) {
        const Point p = along(s);
        cairo_move_to(cr, p.x - kSpearDir.x * 3, p.y - kSpearDir.y * 3);
        cairo_line_to(cr, p.x + kSpearDir.x * 3, p.y + kSpearDir.y * 3);
    }
    cairo_set_line_width(cr, 10);
    set_source(cr, kGold.mid);
    cairo_stroke(cr);

    // Tassel streaming back from the collar.
    for (int i = 0; i < 5; ++i) {
        const double o = i * 3.0;
        strand(cr,
               bezier({collar.x - 2, collar.y + 4}, {collar.x - 14 - o, collar.y + 20},
                      {collar.x - 30 - o, collar.y + 30 + o},
                      {collar.x - 46 - 2 * o, collar.y + 52 + o}, 24),
               4, i % 2 ? hex(0xe03040) : hex(0x8a1020), 1.0, 0.2);
    }

    // Leaf blade with side hooks and a bright edge.
    auto blade = [&](cairo_t* c) {
        std::vector<Point> spine;
        for (int i = 0; i <= 40; ++i) {
            const double s = 218 + 84.0 * i / 40;
            spine.push_back(along(s));
        }
        tapered_path(c, spine, [](double t) {
            return 11 * std::sin(kPi * std::pow(t, 0.7)) * (1 - 0.2 * t) + 3 * (1 - t);
        });
    };
    blade(cr);
    Pattern steel =
        linear(collar.x - nx * 12, collar.y - ny * 12, collar.x + nx * 12, collar.y + ny * 12);
    add_stop(steel.get(), 0, hex(0x4a7a80));
    add_stop(steel.get(), 0.5, hex(0xf4fffc));
    add_stop(steel.get(), 1, hex(0x2c5058));
    cairo_set_source(cr, steel.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    set_source(cr, hex(0x06201c), 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, collar.x, collar.y);
    cairo_line_to(cr, tip.x - kSpearDir.x * 8, tip.y - kSpearDir.y * 8);
    cairo_set_line_width(cr, 1.4);
    set_source(cr, hex(0x3a6a6a), 0.8);
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {
        const Point base = along(222);
        cairo_move_to(cr, base.x + nx * side * 4, base.y + ny * side * 4);
        cairo_curve_to(
            cr, base.x + nx * side * 20, base.y + ny * side * 20,
            base.x + nx * side * 22 - kSpearDir.x * 14, base.y + ny * side * 22 - kSpearDir.y * 14,
            base.x + nx * side * 14 - kSpearDir.x * 20, base.y + ny * side * 14 - kSpearDir.y * 20);
        cairo_curve_to(cr, base.x + nx * side * 16 - kSpearDir.x * 8,
                       base.y + ny * side * 16 - kSpearDir.y * 8, base.x + nx * side * 10,
                       base.y + ny * side * 10, base.x + nx * side * 2 + kSpearDir.x * 8,
                       base.y + ny * side * 2 + kSpearDir.y * 8);
        cairo_close_path(cr);
    }
    set_source(cr, kGold.mid);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    set_source(cr, hex(0x0a0604), 0.8);
    cairo_stroke(cr);
}

void hand(cairo_t* cr, Point at, double angle, double s) {
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, s, s);
    plate(cr, knots({{-9, -12}, {8, -13}, {13, 0}, {9, 13}, {-8, 14}, {-12, 0}}), kGold, {8, -12},
          {-8, 12}, 0, 1);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, -6, i * 6.0);
        cairo_line_to(cr, 9, i * 6.0);
    }
    cairo_set_line_width(cr, 1);
    set_source(cr, hex(0x3a2008), 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void figure(cairo_t* cr) {
    cape(cr);
    hair_back(cr);
    leg(cr, {266, 470}, {250, 628}, {238, 788}, false);
    leg(cr, {330, 470}, {352, 622}, {372, 786}, true);
    skirt(cr);
    torso(cr);
    arm(cr, {242, 284}, {216, 366}, {224, 440});
    hand(cr, {225, 450}, 0.1, 0.9);
    arm(cr, {354, 288}, {402, 386}, {431, 343});
    spear(cr);
    hand(cr, kHand, std::atan2(kSpearDir.y, kSpearDir.x) + kPi / 2, 1.0);
    head(cr);
    pauldron(cr, {244, 268}, -1, 0.85);
    pauldron(cr, {356, 266}, 1, 1.0);
}

// Edge light: pixels of the figure whose neighbour toward the light is empty.
Surface rim_mask(cairo_surface_t* figure_layer, int dx, int dy) {
    const int w = cairo_image_surface_get_width(figure_layer);
    const int h = cairo_image_surface_get_height(figure_layer);
    Surface mask = new_surface(CAIRO_FORMAT_A8, w, h);
    cairo_surface_flush(figure_layer);
    cairo_surface_flush(mask.get());
    const unsigned char* src = cairo_image_surface_get_data(figure_layer);
    const ptrdiff_t src_stride = cairo_image_surface_get_stride(figure_layer) / 4;
    unsigned char* dst = cairo_image_surface_get_data(mask.get());
    const ptrdiff_t dst_stride = cairo_image_surface_get_stride(mask.get());
    auto alpha = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return 0;
        }
        return static_cast<int>(reinterpret_cast<const uint32_t*>(src)[y * src_stride + x] >> 24);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int a = alpha(x, y);
            const int n = alpha(x + dx, y + dy);
            dst[y * dst_stride + x] = static_cast<unsigned char>(a * (255 - n) / 255);
        }
    }
    cairo_surface_mark_dirty(mask.get());
    return mask;
}

}  // namespace

void draw_warrior(cairo_t* cr, int width, int height) {
    // Drawn at a slightly reduced scale about the spear tip's height so the feet keep a clear
    // margin above the bottom edge.
    Surface body = layer(width, height, [](cairo_t* c) {
        cairo_translate(c, 300, 60);
        cairo_scale(c, 0.96, 0.96);
        cairo_translate(c, -300, -60);
        figure(c);
    });
    // Ground shadow under the feet.
    soft_shape(
        cr,
        [](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, 306, 792);
            cairo_scale(c, 120, 14);
            cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(c);
            cairo_fill(c);
        },
        8, hex(0x000000), 0.7);
    paint_soft(cr, body.get(), 22, hex(0x3ccf86), 0.45);
    paint_soft(cr, body.get(), 6, hex(0x000000), 0.6, -4, 6);
    cairo_set_source_surface(cr, body.get(), 0, 0);
    cairo_paint(cr);

    Surface warm = rim_mask(body.get(), 3, -2);
    blur(warm.get(), 0.8);
    set_source(cr, hex(0xffe6b0), 0.75);
    cairo_mask_surface(cr, warm.get(), 0, 0);
    Surface cool = rim_mask(body.get(), -3, 0);
    blur(cool.get(), 1.0);
    set_source(cr, hex(0x7affc4), 0.45);
    cairo_mask_surface(cr, cool.get(), 0, 0);
}

}  // namespace artgen
