#include "draw.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace artgen {

Surface new_surface(cairo_format_t format, int width, int height) {
    Surface s(cairo_image_surface_create(format, width, height));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(
            "cannot create " + std::to_string(width) + "x" + std::to_string(height) +
            " surface: " + cairo_status_to_string(cairo_surface_status(s.get())));
    }
    return s;
}

Context new_context(cairo_surface_t* surface) {
    Context cr(cairo_create(surface));
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("cannot create cairo context: ") +
                                 cairo_status_to_string(cairo_status(cr.get())));
    }
    return cr;
}

Pattern linear(double x0, double y0, double x1, double y1) {
    return Pattern(cairo_pattern_create_linear(x0, y0, x1, y1));
}

Pattern radial(double cx0, double cy0, double r0, double cx1, double cy1, double r1) {
    return Pattern(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1));
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(Rgb c, double factor) {
    if (factor >= 1.0) {
        // Scale first so saturated colours stay saturated; only the clipped excess goes white.
        const Rgb lit{c.r * factor, c.g * factor, c.b * factor};
        const double over = std::max({lit.r, lit.g, lit.b}) - 1.0;
        const Rgb clipped{std::min(lit.r, 1.0), std::min(lit.g, 1.0), std::min(lit.b, 1.0)};
        return over > 0 ? mix(clipped, Rgb{1, 1, 1}, std::min(0.5, over * 0.5)) : clipped;
    }
    const double grey = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
    const Rgb muted = mix(c, Rgb{grey, grey, grey}, (1.0 - factor) * 0.5);
    return {muted.r * factor, muted.g * factor, muted.b * factor};
}

void set_source(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void add_stop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

uint64_t Rng::next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

namespace {

double lattice(int64_t x, int64_t y, uint64_t seed) {
    Rng r(seed ^ (static_cast<uint64_t>(x) * 0x9e3779b97f4a7c15ULL) ^
          (static_cast<uint64_t>(y) * 0xc2b2ae3d27d4eb4fULL));
    return r.uniform();
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double value_noise(double x, double y, uint64_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<int64_t>(fx);
    const auto iy = static_cast<int64_t>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = lattice(ix, iy, seed);
    const double b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed);
    const double d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, int octaves, uint64_t seed) {
    double sum = 0;
    double amplitude = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value_noise(x, y, seed + static_cast<uint64_t>(i) * 7919);
        total += amplitude;
        // Rotate each octave a little so lattice rows do not line up.
        const double nx = 1.6 * x + 1.2 * y + 3.1;
        const double ny = -1.2 * x + 1.6 * y + 1.7;
        x = nx;
        y = ny;
        amplitude *= 0.5;
    }
    return sum / total;
}

namespace {

// Box blur of one row or column; `step` is the byte distance between neighbouring pixels and
// `channels` the bytes per pixel. Outside the surface counts as clear.
void box_line(unsigned char* base, int count, ptrdiff_t step, int channels, int radius,
              std::vector<unsigned char>& scratch) {
    scratch.resize(static_cast<size_t>(count) * static_cast<size_t>(channels));
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < channels; ++c) {
            scratch[static_cast<size_t>(i * channels + c)] = base[i * step + c];
        }
    }
    const uint32_t width = static_cast<uint32_t>(2 * radius + 1);
    uint32_t sum[4] = {0, 0, 0, 0};
    auto at = [&](int i, int c) { return scratch[static_cast<size_t>(i * channels + c)]; };
    for (int i = 0; i < std::min(radius, count); ++i) {
        for (int c = 0; c < channels; ++c) {
            sum[c] += at(i, c);
        }
    }
    for (int i = 0; i < count; ++i) {
        const int enter = i + radius;
        const int leave = i - radius - 1;
        for (int c = 0; c < channels; ++c) {
            if (enter < count) {
                sum[c] += at(enter, c);
            }
            if (leave >= 0) {
                sum[c] -= at(leave, c);
            }
            base[i * step + c] = static_cast<unsigned char>((sum[c] + width / 2) / width);
        }
    }
}

}  // namespace

void blur(cairo_surface_t* surface, double sigma) {
    if (sigma <= 0 || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) {
        return;
    }
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    int channels = 0;
    if (format == CAIRO_FORMAT_ARGB32) {
        channels = 4;
    } else if (format == CAIRO_FORMAT_A8) {
        channels = 1;
    } else {
        return;
    }
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const ptrdiff_t stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);

    // Three box passes whose combined variance matches the gaussian.
    constexpr int kPasses = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / kPasses + 1.0);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0) {
        --lower;
    }
    const double m_ideal =
        (12.0 * sigma * sigma - kPasses * lower * lower - 4.0 * kPasses * lower - 3.0 * kPasses) /
        (-4.0 * lower - 4.0);
    const int m = static_cast<int>(std::lround(m_ideal));

    std::vector<unsigned char> scratch;
    for (int pass = 0; pass < kPasses; ++pass) {
        const int size = pass < m ? lower : lower + 2;
        const int radius = (size - 1) / 2;
        if (radius <= 0) {
            continue;
        }
        for (int y = 0; y < h; ++y) {
            box_line(data + y * stride, w, channels, channels, radius, scratch);
        }
        for (int x = 0; x < w; ++x) {
            box_line(data + x * channels, h, stride, channels, radius, scratch);
        }
    }
    cairo_surface_mark_dirty(surface);
}

Surface layer(int width, int height, const std::function<void(cairo_t*)>& paint) {
    Surface s = new_surface(CAIRO_FORMAT_ARGB32, width, height);
    Context cr = new_context(s.get());
    paint(cr.get());
    cairo_surface_flush(s.get());
    return s;
}

void paint_soft(cairo_t* cr, cairo_surface_t* shape, double sigma, Rgb colour, double alpha,
                double dx, double dy) {
    const int w = cairo_image_surface_get_width(shape);
    const int h = cairo_image_surface_get_height(shape);
    Surface copy = layer(w, h, [&](cairo_t* c) {
        cairo_set_source_surface(c, shape, 0, 0);
        cairo_paint(c);
    });
    blur(copy.get(), sigma);
    cairo_save(cr);
    set_source(cr, colour, alpha);
    cairo_mask_surface(cr, copy.get(), dx, dy);
    cairo_restore(cr);
}

void paint_field(cairo_t* cr, int width, int height,
                 const std::function<Texel(double x, double y)>& field) {
    Surface s = new_surface(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    auto byte = [](double v) {
        return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const Texel t = field(x + 0.5, y + 0.5);
            const double a = std::clamp(t.alpha, 0.0, 1.0);
            row[x] = (byte(a) << 24) | (byte(t.colour.r * a) << 16) | (byte(t.colour.g * a) << 8) |
                     byte(t.colour.b * a);
        }
    }
    cairo_surface_mark_dirty(s.get());
    cairo_save(cr);
    cairo_set_source_surface(cr, s.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void soft_shape(cairo_t* cr, const std::function<void(cairo_t*)>& shape, double sigma, Rgb colour,
                double alpha, double dx, double dy) {
    cairo_push_group_with_content(cr, CAIRO_CONTENT_ALPHA);
    cairo_set_source_rgb(cr, 1, 1, 1);
    shape(cr);
    Pattern group(cairo_pop_group(cr));
    cairo_surface_t* pixels = nullptr;
    if (cairo_pattern_get_surface(group.get(), &pixels) == CAIRO_STATUS_SUCCESS &&
        cairo_surface_get_type(pixels) == CAIRO_SURFACE_TYPE_IMAGE) {
        blur(pixels, sigma);
    }
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    set_source(cr, colour, alpha);
    cairo_mask(cr, group.get());
    cairo_restore(cr);
}

std::vector<Point> spline(const std::vector<Point>& knots, int per_span) {
    std::vector<Point> out;
    const size_t n = knots.size();
    if (n < 2) {
        return knots;
    }
    auto at = [&](ptrdiff_t i) {
        return knots[static_cast<size_t>(
            std::clamp<ptrdiff_t>(i, 0, static_cast<ptrdiff_t>(n) - 1))];
    };
    for (size_t i = 0; i + 1 < n; ++i) {
        const auto s = static_cast<ptrdiff_t>(i);
        const Point p0 = at(s - 1), p1 = at(s), p2 = at(s + 1), p3 = at(s + 2);
        for (int k = 0; k < per_span; ++k) {
            const double t = static_cast<double>(k) / per_span;
            const double t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                              (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(knots.back());
    return out;
}

std::vector<Point> bezier(Point p0, Point p1, Point p2, Point p3, int samples) {
    std::vector<Point> out;
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        out.push_back(
            {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    return out;
}

namespace {

// Arc-length fraction of every point, and unit left normals.
void frame_of(const std::vector<Point>& spine, std::vector<double>& t, std::vector<Point>& normal) {
    const size_t n = spine.size();
    t.assign(n, 0.0);
    normal.assign(n, Point{});
    for (size_t i = 1; i < n; ++i) {
        t[i] = t[i - 1] + std::hypot(spine[i].x - spine[i - 1].x, spine[i].y - spine[i - 1].y);
    }
    const double total = n > 1 && t[n - 1] > 0 ? t[n - 1] : 1.0;
    for (size_t i = 0; i < n; ++i) {
        t[i] /= total;
        const Point a = spine[i == 0 ? 0 : i - 1];
        const Point b = spine[std::min(i + 1, n - 1)];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::hypot(dx, dy);
        normal[i] = len > 0 ? Point{dy / len, -dx / len} : Point{0, 0};
    }
}

}  // namespace

std::vector<Point> offset_line(const std::vector<Point>& spine,
                               const std::function<double(double)>& offset) {
    std::vector<double> t;
    std::vector<Point> normal;
    frame_of(spine, t, normal);
    std::vector<Point> out;
    out.reserve(spine.size());
    for (size_t i = 0; i < spine.size(); ++i) {
        const double o = offset(t[i]);
        out.push_back({spine[i].x + normal[i].x * o, spine[i].y + normal[i].y * o});
    }
    return out;
}

void tapered_path(cairo_t* cr, const std::vector<Point>& spine,
                  const std::function<double(double)>& half_width) {
    if (spine.size() < 2) {
        return;
    }
    const auto left = offset_line(spine, half_width);
    const auto right = offset_line(spine, [&](double t) { return -half_width(t); });
    cairo_move_to(cr, left.front().x, left.front().y);
    for (const Point& p : left) {
        cairo_line_to(cr, p.x, p.y);
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it) {
        cairo_line_to(cr, it->x, it->y);
    }
    cairo_close_path(cr);
}

void polyline_path(cairo_t* cr, const std::vector<Point>& pts) {
    if (pts.empty()) {
        return;
    }
    cairo_move_to(cr, pts.front().x, pts.front().y);
    for (const Point& p : pts) {
        cairo_line_to(cr, p.x, p.y);
    }
}

void smooth_path(cairo_t* cr, const std::vector<Point>& knots, bool closed) {
    const auto n = static_cast<ptrdiff_t>(knots.size());
    if (n < 2) {
        return;
    }
    auto at = [&](ptrdiff_t i) {
        if (closed) {
            return knots[static_cast<size_t>(((i % n) + n) % n)];
        }
        return knots[static_cast<size_t>(std::clamp<ptrdiff_t>(i, 0, n - 1))];
    };
    cairo_move_to(cr, knots[0].x, knots[0].y);
    const ptrdiff_t spans = closed ? n : n - 1;
    for (ptrdiff_t i = 0; i < spans; ++i) {
        const Point p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6,
                       p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
    }
    if (closed) {
        cairo_close_path(cr);
    }
}

Typesetter::Typesetter() : map_(pango_cairo_font_map_new()) {
    context_.reset(pango_font_map_create_context(map_.get()));
    pango_cairo_context_set_resolution(context_.get(), 96.0);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context_.get(), options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context_.get(), FALSE);
}

GObjectPtr<PangoLayout> Typesetter::make_layout(std::string_view text, const Font& font) const {
    std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> desc(
        pango_font_description_new());
    pango_font_description_set_family(desc.get(), font.family);
    pango_font_description_set_weight(desc.get(), font.weight);
    pango_font_description_set_absolute_size(desc.get(), font.px * PANGO_SCALE);

    // Fontconfig silently substitutes missing families; a substitute would change every glyph.
    GObjectPtr<PangoFont> loaded(pango_context_load_font(context_.get(), desc.get()));
    if (!loaded) {
        throw std::runtime_error(std::string("cannot load font ") + font.family);
    }
    std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> got(
        pango_font_describe(loaded.get()));
    const char* family = pango_font_description_get_family(got.get());
    if (family == nullptr || g_ascii_strcasecmp(family, font.family) != 0) {
        throw std::runtime_error(std::string("font \"") + font.family +
                                 "\" is not installed (fontconfig offered \"" +
                                 (family ? family : "?") + "\"); install fonts-noto-cjk");
    }

    GObjectPtr<PangoLayout> layout(pango_layout_new(context_.get()));
    pango_layout_set_font_description(layout.get(), desc.get());
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    if (font.letter_spacing_px != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(static_cast<int>(
                                          std::lround(font.letter_spacing_px * PANGO_SCALE))));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
    }
    return layout;
}

cairo_rectangle_t Typesetter::ink(std::string_view text, const Font& font) const {
    auto layout = make_layout(text, font);
    PangoRectangle ink_rect;
    pango_layout_get_extents(layout.get(), &ink_rect, nullptr);
    return {static_cast<double>(ink_rect.x) / PANGO_SCALE,
            static_cast<double>(ink_rect.y) / PANGO_SCALE,
            static_cast<double>(ink_rect.width) / PANGO_SCALE,
            static_cast<double>(ink_rect.height) / PANGO_SCALE};
}

double Typesetter::advance(std::string_view text, const Font& font) const {
    auto layout = make_layout(text, font);
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    return static_cast<double>(logical.width) / PANGO_SCALE;
}

void Typesetter::centred_path(cairo_t* cr, std::string_view text, const Font& font, double cx,
                              double cy) const {
    const cairo_rectangle_t box = ink(text, font);
    cairo_save(cr);
    cairo_translate(cr, cx - box.x - box.width / 2, cy - box.y - box.height / 2);
    cairo_move_to(cr, 0, 0);
    auto layout = make_layout(text, font);
    pango_cairo_layout_path(cr, layout.get());
    cairo_restore(cr);
}

void write_png(cairo_surface_t* surface, const std::filesystem::path& file) {
    cairo_surface_flush(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + file.string() + ": " +
                                 cairo_status_to_string(status));
    }
}

}  // namespace artgen
