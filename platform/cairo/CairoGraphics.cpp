#include "platform/cairo/CairoGraphics.h"

#include <algorithm>

#include "platform/cairo/CairoBitmap.h"
#include "platform/cairo/FontFamilies.h"
#include "ui/TextEncoding.h"

namespace platform::cairo {
namespace {

// Font sizes are in points at the 96 dots per inch the program lays itself out for.
constexpr double kDotsPerInch = 96.0;

PangoStyle ToPangoStyle(ui::FontStyle style) {
    return style == ui::FontStyle::Italic || style == ui::FontStyle::BoldItalic
               ? PANGO_STYLE_ITALIC
               : PANGO_STYLE_NORMAL;
}

PangoWeight ToPangoWeight(ui::FontStyle style) {
    return style == ui::FontStyle::Bold || style == ui::FontStyle::BoldItalic ? PANGO_WEIGHT_BOLD
                                                                              : PANGO_WEIGHT_NORMAL;
}

PangoAlignment ToPangoAlignment(ui::StringAlignment alignment) {
    switch (alignment) {
        case ui::StringAlignment::Center:
            return PANGO_ALIGN_CENTER;
        case ui::StringAlignment::Far:
            return PANGO_ALIGN_RIGHT;
        case ui::StringAlignment::Near:
            break;
    }
    return PANGO_ALIGN_LEFT;
}

double LineOffset(ui::StringAlignment alignment, double room) {
    switch (alignment) {
        case ui::StringAlignment::Center:
            return room / 2;
        case ui::StringAlignment::Far:
            return room;
        case ui::StringAlignment::Near:
            break;
    }
    return 0;
}

const CairoSurfaceHolder* SurfaceOf(const ui::Image& image) {
    return dynamic_cast<const CairoSurfaceHolder*>(&image);
}

}  // namespace

CairoGraphics::CairoGraphics(cairo_surface_t* target) : cr_(cairo_create(target)) {}

CairoGraphics::CairoGraphics(cairo_surface_t* target, ui::Point origin, const ui::Rect& clip)
    : cr_(cairo_create(target)) {
    cairo_rectangle(cr_.get(), clip.left, clip.top, std::max(clip.Width(), 0),
                    std::max(clip.Height(), 0));
    cairo_clip(cr_.get());
    cairo_translate(cr_.get(), origin.x, origin.y);
}

void CairoGraphics::DrawImage(const ui::Image& image, int x, int y, int width, int height) {
    DrawImage(image, ui::RectF{static_cast<float>(x), static_cast<float>(y),
                               static_cast<float>(width), static_cast<float>(height)});
}

void CairoGraphics::DrawImage(const ui::Image& image, const ui::RectF& dest) {
    const CairoSurfaceHolder* source = SurfaceOf(image);
    if (source == nullptr || source->Surface() == nullptr || source->SurfaceWidth() == 0 ||
        source->SurfaceHeight() == 0 || dest.width <= 0 || dest.height <= 0) {
        return;
    }
    cairo_t* cr = cr_.get();
    cairo_save(cr);
    cairo_translate(cr, dest.x, dest.y);
    cairo_scale(cr, dest.width / source->SurfaceWidth(), dest.height / source->SurfaceHeight());
    cairo_set_source_surface(cr, source->Surface(), 0, 0);
    // Pad so a scaled picture keeps solid edges instead of fading into the outside.
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr, 0, 0, source->SurfaceWidth(), source->SurfaceHeight());
    cairo_fill(cr);
    cairo_restore(cr);
}

void CairoGraphics::FillRectangle(ui::Color color, const ui::Rect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    SetSourceColor(color);
    cairo_rectangle(cr_.get(), rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(cr_.get());
}

void CairoGraphics::DrawString(std::u16string_view text, const ui::Font& font,
                               const ui::RectF& layout, const ui::StringFormat& format,
                               ui::Color color) {
    if (layout.width <= 0 || layout.height <= 0) {
        return;
    }
    LayoutPtr pango = MakeLayout(text, font);
    pango_layout_set_width(pango.get(), static_cast<int>(layout.width * PANGO_SCALE));
    pango_layout_set_alignment(pango.get(), ToPangoAlignment(format.alignment));
    int text_width = 0;
    int text_height = 0;
    pango_layout_get_pixel_size(pango.get(), &text_width, &text_height);

    cairo_t* cr = cr_.get();
    cairo_save(cr);
    cairo_rectangle(cr, layout.x, layout.y, layout.width, layout.height);
    cairo_clip(cr);
    cairo_move_to(cr, layout.x,
                  layout.y + LineOffset(format.line_alignment, layout.height - text_height));
    SetSourceColor(color);
    pango_cairo_show_layout(cr, pango.get());
    cairo_restore(cr);
}

void CairoGraphics::DrawString(std::u16string_view text, const ui::Font& font, ui::PointF origin,
                               ui::Color color) {
    LayoutPtr pango = MakeLayout(text, font);
    cairo_move_to(cr_.get(), origin.x, origin.y);
    SetSourceColor(color);
    pango_cairo_show_layout(cr_.get(), pango.get());
}

ui::SizeF CairoGraphics::MeasureString(std::u16string_view text, const ui::Font& font) {
    LayoutPtr pango = MakeLayout(text, font);
    PangoRectangle logical;
    pango_layout_get_extents(pango.get(), nullptr, &logical);
    return {static_cast<float>(logical.width) / PANGO_SCALE,
            static_cast<float>(logical.height) / PANGO_SCALE};
}

LayoutPtr CairoGraphics::MakeLayout(std::u16string_view text, const ui::Font& font) {
    LayoutPtr layout(pango_cairo_create_layout(cr_.get()));
    PangoContext* context = pango_layout_get_context(layout.get());
    pango_cairo_context_set_resolution(context, kDotsPerInch);
    // Grey antialiasing: subpixel colour fringes would be wrong on a transparent surface.
    FontOptionsPtr options(cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
    pango_cairo_context_set_font_options(context, options.get());
    pango_layout_context_changed(layout.get());

    FontDescriptionPtr description(pango_font_description_new());
    pango_font_description_set_family(description.get(), FontFamilies(font.family).c_str());
    pango_font_description_set_size(description.get(),
                                    static_cast<int>(font.size_points * PANGO_SCALE));
    pango_font_description_set_style(description.get(), ToPangoStyle(font.style));
    pango_font_description_set_weight(description.get(), ToPangoWeight(font.style));
    pango_layout_set_font_description(layout.get(), description.get());

    const std::string utf8 = ui::ToUtf8(text);
    pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
    return layout;
}

void CairoGraphics::SetSourceColor(ui::Color color) {
    cairo_set_source_rgba(cr_.get(), color.R() / 255.0, color.G() / 255.0, color.B() / 255.0,
                          color.A() / 255.0);
}

}  // namespace platform::cairo

namespace ui {

std::unique_ptr<Graphics> Graphics::FromBitmap(Bitmap& target) {
    auto& bitmap = dynamic_cast<platform::cairo::CairoBitmap&>(target);
    return std::make_unique<platform::cairo::CairoGraphics>(bitmap.Surface());
}

std::unique_ptr<Graphics> Graphics::FromBitmap(Bitmap& target, Point origin, const Rect& clip) {
    auto& bitmap = dynamic_cast<platform::cairo::CairoBitmap&>(target);
    return std::make_unique<platform::cairo::CairoGraphics>(bitmap.Surface(), origin, clip);
}

}  // namespace ui
