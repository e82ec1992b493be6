#include <numbers>

#include "artwork.hpp"

namespace artgen {

namespace {

constexpr double kTau = 2 * std::numbers::pi;

double tone_factor(Tone tone) {
    switch (tone) {
        case Tone::kDim:
            return 0.6;
        case Tone::kNormal:
            return 1.0;
        case Tone::kBright:
            return 1.18;
    }
    return 1.0;
}

void circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, kTau);
}

// Bronze bezel shared by both round buttons: lit from the upper left.
void bronze_ring(cairo_t* cr, double c, double outer, double inner, double f) {
    Pattern metal = linear(c - outer, c - outer, c + outer, c + outer);
    add_stop(metal.get(), 0.0, shade(hex(0xf6d894), f));
    add_stop(metal.get(), 0.3, shade(hex(0xb98240), f));
    add_stop(metal.get(), 0.62, shade(hex(0x5c3914), f));
    add_stop(metal.get(), 1.0, shade(hex(0xa8743a), f));
    circle(cr, c, c, outer);
    cairo_set_source(cr, metal.get());
    cairo_fill(cr);

    // A narrower, reversed band makes the bezel read as a rounded lip.
    const double mid = (outer + inner) / 2;
    Pattern lip = linear(c + mid, c + mid, c - mid, c - mid);
    add_stop(lip.get(), 0.0, shade(hex(0xe8c27a), f), 0.75);
    add_stop(lip.get(), 0.5, shade(hex(0x7a5222), f), 0.2);
    add_stop(lip.get(), 1.0, shade(hex(0x3c2408), f), 0.8);
    cairo_set_line_width(cr, (outer - inner) * 0.35);
    circle(cr, c, c, inner + (outer - inner) * 0.28);
    cairo_set_source(cr, lip.get());
    cairo_stroke(cr);

    cairo_set_line_width(cr, 0.7);
    circle(cr, c, c, outer - 0.35);
    set_source(cr, hex(0x1e1006), 0.85);
    cairo_stroke(cr);
}

}  // namespace

Surface minimise_orb(Tone tone) {
    constexpr int kSize = 25;
    constexpr double c = kSize / 2.0;
    const double f = tone_factor(tone);
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kSize, kSize);
    Context ctx = new_context(out.get());
    cairo_t* cr = ctx.get();

    bronze_ring(cr, c, 12.3, 9.4, f);

    Pattern green = radial(c - 1.5, c - 3.0, 0.5, c, c, 9.6);
    add_stop(green.get(), 0.0, shade(hex(0xc8f79a), f));
    add_stop(green.get(), 0.4, shade(hex(0x52c44c), f));
    add_stop(green.get(), 0.82, shade(hex(0x1b7a2c), f));
    add_stop(green.get(), 1.0, shade(hex(0x0b3f16), f));
    circle(cr, c, c, 9.4);
    cairo_set_source(cr, green.get());
    cairo_fill(cr);

    circle(cr, c, c, 9.0);
    cairo_set_line_width(cr, 0.9);
    set_source(cr, hex(0x0b1a06), 0.55);
    cairo_stroke(cr);

    // Glass highlight over the upper half.
    cairo_save(cr);
    cairo_translate(cr, c, c - 4.2);
    cairo_scale(cr, 6.4, 3.6);
    circle(cr, 0, 0, 1);
    cairo_restore(cr);
    Pattern gloss = linear(0, c - 7.8, 0, c - 0.6);
    cairo_pattern_add_color_stop_rgba(gloss.get(), 0, 1, 1, 1, 0.6 * f);
    cairo_pattern_add_color_stop_rgba(gloss.get(), 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss.get());
    cairo_fill(cr);

    // Bar on whole pixels so it stays crisp: x 7..17, y 11..13.
    cairo_rectangle(cr, 7, 14, 11, 1);
    set_source(cr, hex(0xffffff), 0.22 * f);
    cairo_fill(cr);
    cairo_rectangle(cr, 7, 11, 11, 3);
    set_source(cr, hex(0x0a0a08));
    cairo_fill(cr);
    return out;
}

Surface close_orb(Tone tone) {
    constexpr int kSize = 39;
    constexpr double c = kSize / 2.0;
    const double f = tone_factor(tone);
    Surface out = new_surface(CAIRO_FORMAT_ARGB32, kSize, kSize);
    Context ctx = new_context(out.get());
    cairo_t* cr = ctx.get();

    bronze_ring(cr, c, 19.2, 15.4, f);
    cairo_set_line_width(cr, 0.8);
    circle(cr, c, c, 17.6);
    set_source(cr, hex(0x2a1606), 0.5);
    cairo_stroke(cr);

    Pattern well = radial(c, c - 3, 1, c, c, 15.4);
    add_stop(well.get(), 0.0, shade(hex(0x3e2c22), f));
    add_stop(well.get(), 0.75, shade(hex(0x1a120e), f));
    add_stop(well.get(), 1.0, hex(0x060403));
    circle(cr, c, c, 15.4);
    cairo_set_source(cr, well.get());
    cairo_fill(cr);

    auto orange_shapes = [&](cairo_t* g) {
        // Crescent: the disc minus a slightly shifted one, thickest at the lower left.
        cairo_save(g);
        circle(g, c, c, 12.4);
        cairo_clip(g);
        cairo_set_fill_rule(g, CAIRO_FILL_RULE_EVEN_ODD);
        circle(g, c, c, 12.4);
        circle(g, c + 1.7, c - 1.7, 11.4);
        cairo_fill(g);
        cairo_restore(g);
        cairo_set_line_cap(g, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(g, 3.2);
        cairo_move_to(g, c - 5.2, c - 5.2);
        cairo_line_to(g, c + 5.2, c + 5.2);
        cairo_move_to(g, c + 5.2, c - 5.2);
        cairo_line_to(g, c - 5.2, c + 5.2);
        cairo_stroke(g);
    };
    Surface shape = layer(kSize, kSize, [&](cairo_t* g) {
        cairo_set_source_rgb(g, 1, 1, 1);
        orange_shapes(g);
    });

    cairo_save(cr);
    circle(cr, c, c, 15.4);
    cairo_clip(cr);
    if (tone == Tone::kBright) {
        paint_soft(cr, shape.get(), 2.6, hex(0xff7a10), 1.0);
        paint_soft(cr, shape.get(), 1.2, hex(0xffb040), 0.8);
    }
    paint_soft(cr, shape.get(), 1.0, hex(0x000000), 0.8, 0.6, 1.0);
    cairo_restore(cr);

    Pattern orange = linear(c - 12, c - 12, c + 12, c + 12);
    add_stop(orange.get(), 0.0, shade(hex(0xffd27a), f));
    add_stop(orange.get(), 0.45, shade(hex(0xff9a2a), f));
    add_stop(orange.get(), 1.0, shade(hex(0xd2560c), f));
    cairo_set_source(cr, orange.get());
    cairo_mask_surface(cr, shape.get(), 0, 0);

    // Faint glass sheen across the top of the well.
    cairo_save(cr);
    cairo_translate(cr, c, c - 7.5);
    cairo_scale(cr, 10.5, 5.5);
    circle(cr, 0, 0, 1);
    cairo_restore(cr);
    Pattern gloss = linear(0, c - 13, 0, c - 2);
    cairo_pattern_add_color_stop_rgba(gloss.get(), 0, 1, 1, 1, 0.22 * f);
    cairo_pattern_add_color_stop_rgba(gloss.get(), 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss.get());
    cairo_fill(cr);
    return out;
}

Surface caption_button(CaptionGlyph glyph, Tone tone) {
    constexpr int kSize = 22;
    Surface out = new_surface(CAIRO_FORMAT_RGB24, kSize, kSize);
    Context ctx = new_context(out.get());
    cairo_t* cr = ctx.get();

    Rgb ground = hex(0x2e2046);
    if (tone == Tone::kDim) {
        ground = hex(0x1c1429);
    } else if (tone == Tone::kBright) {
        ground = hex(0x4e3877);
    }
    Pattern fill = linear(0, 0, 0, kSize);
    add_stop(fill.get(), 0.0, shade(ground, 1.1));
    add_stop(fill.get(), 1.0, shade(ground, 0.82));
    cairo_set_source(cr, fill.get());
    cairo_paint(cr);

    const Rgb ink = tone == Tone::kDim ? hex(0xd6d0e2) : hex(0xffffff);
    set_source(cr, ink);
    switch (glyph) {
        case CaptionGlyph::kMinimise:
            cairo_rectangle(cr, 6, 13, 10, 2);
            cairo_fill(cr);
            break;
        case CaptionGlyph::kRestore:
            // Back window, then the front one punched out of it with the ground.
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, 8.5, 5.5, 8, 7);
            cairo_stroke(cr);
            cairo_rectangle(cr, 5, 9, 9, 8);
            cairo_set_source(cr, fill.get());
            cairo_fill(cr);
            set_source(cr, ink);
            cairo_rectangle(cr, 5.5, 9.5, 8, 7);
            cairo_stroke(cr);
            cairo_rectangle(cr, 6, 10, 7, 1);
            cairo_fill(cr);
            break;
        case CaptionGlyph::kClose:
            cairo_set_line_width(cr, 1.6);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
            cairo_move_to(cr, 7, 7);
            cairo_line_to(cr, 15, 15);
            cairo_move_to(cr, 15, 7);
            cairo_line_to(cr, 7, 15);
            cairo_stroke(cr);
            break;
    }
    return out;
}

}  // namespace artgen
