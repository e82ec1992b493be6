#include "artwork.hpp"

namespace artgen {

namespace {

struct LabelPalette {
    Rgb top, middle, bottom;
    double glow;  // warm halo strength, only for the hover state
};

LabelPalette palette_for(Tone tone) {
    switch (tone) {
        case Tone::kDim:
            return {hex(0xc4a06a), hex(0x9c6a2c), hex(0x633c14), 0.0};
        case Tone::kNormal:
            return {hex(0xffe39a), hex(0xf0a53a), hex(0xb0600e), 0.0};
        case Tone::kBright:
            return {hex(0xfffbe8), hex(0xffd66e), hex(0xf59428), 0.75};
    }
    return {};
}

}  // namespace

Surface link_label(const Typesetter& type, std::string_view text, int width, int height,
                   Tone tone) {
    const Font font{"Noto Serif CJK SC", PANGO_WEIGHT_BOLD, 14.0, 1.2};
    const LabelPalette pal = palette_for(tone);
    const double cx = width / 2.0;
    const double cy = height / 2.0;

    Surface out = new_surface(CAIRO_FORMAT_ARGB32, width, height);
    Context cr = new_context(out.get());

    Surface shape = layer(width, height, [&](cairo_t* c) {
        type.centred_path(c, text, font, cx, cy);
        cairo_set_source_rgb(c, 1, 1, 1);
        cairo_fill(c);
    });

    if (pal.glow > 0) {
        paint_soft(cr.get(), shape.get(), 2.2, hex(0xff8c1a), pal.glow);
    }
    // The ground behind the label varies, so a soft dark shadow keeps it readable on light art.
    paint_soft(cr.get(), shape.get(), 1.3, hex(0x000000), 0.95, 0.0, 1.0);

    const cairo_rectangle_t box = type.ink(text, font);
    const double top = cy - box.height / 2;
    const double bottom = cy + box.height / 2;
    type.centred_path(cr.get(), text, font, cx, cy);
    cairo_set_line_width(cr.get(), 1.4);
    cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
    set_source(cr.get(), hex(0x2a1204), 0.55);
    cairo_stroke_preserve(cr.get());
    Pattern fill = linear(0, top, 0, bottom);
    add_stop(fill.get(), 0.0, pal.top);
    add_stop(fill.get(), 0.55, pal.middle);
    add_stop(fill.get(), 1.0, pal.bottom);
    cairo_set_source(cr.get(), fill.get());
    cairo_fill(cr.get());
    return out;
}

}  // namespace artgen
