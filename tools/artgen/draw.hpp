// Shared drawing vocabulary for the artwork generator: owning handles, colours, a seeded noise
// source, blur, tapered brush strokes and text outlines.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace artgen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternDeleter {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct PathDeleter {
    void operator()(cairo_path_t* p) const { cairo_path_destroy(p); }
};
struct GObjectDeleter {
    void operator()(gpointer p) const { g_object_unref(p); }
};
struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;
using Path = std::unique_ptr<cairo_path_t, PathDeleter>;
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

// Throws std::runtime_error when cairo could not allocate.
Surface new_surface(cairo_format_t format, int width, int height);
Context new_context(cairo_surface_t* surface);
Pattern linear(double x0, double y0, double x1, double y1);
Pattern radial(double cx0, double cy0, double r0, double cx1, double cy1, double r1);

struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb hex(uint32_t v) {
    return {((v >> 16) & 0xff) / 255.0, ((v >> 8) & 0xff) / 255.0, (v & 0xff) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);
// Factor below 1 darkens and drains a little saturation; above 1 lightens toward white.
Rgb shade(Rgb c, double factor);
void set_source(cairo_t* cr, Rgb c, double alpha = 1.0);
void add_stop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// Brightness variants of one resource group.
enum class Tone { kDim, kNormal, kBright };

// splitmix64: tiny, seedable and identical on every platform.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    double uniform();  // [0, 1)

  private:
    uint64_t state_;
};

// Smooth value noise in [0, 1]; fbm sums `octaves` layers of it.
double value_noise(double x, double y, uint64_t seed);
double fbm(double x, double y, int octaves, uint64_t seed);

// Approximate gaussian blur (three box passes), in place, of an ARGB32 or A8 image surface.
void blur(cairo_surface_t* surface, double sigma);

// Paints into a fresh transparent ARGB32 layer the size of the target.
Surface layer(int width, int height, const std::function<void(cairo_t*)>& paint);

// Uses the alpha of `shape` as a mask for a flat colour, blurred and offset: shadows and glows.
void paint_soft(cairo_t* cr, cairo_surface_t* shape, double sigma, Rgb colour, double alpha,
                double dx = 0, double dy = 0);

// Paints whatever `shape` fills, blurred in device space, as a flat colour: shadows and glows
// that follow the current transformation and clip.
void soft_shape(cairo_t* cr, const std::function<void(cairo_t*)>& shape, double sigma, Rgb colour,
                double alpha, double dx = 0, double dy = 0);

struct Point {
    double x = 0, y = 0;
};

// Catmull-Rom spline through `knots`, sampled `per_span` times per span.
std::vector<Point> spline(const std::vector<Point>& knots, int per_span);
// Polyline of a cubic bezier.
std::vector<Point> bezier(Point p0, Point p1, Point p2, Point p3, int samples);

// Appends a closed outline around `spine` whose half width at fraction t is width(t).
void tapered_path(cairo_t* cr, const std::vector<Point>& spine,
                  const std::function<double(double)>& half_width);
// Offsets every spine point along its normal by `offset(t)`; positive is to the left of travel.
std::vector<Point> offset_line(const std::vector<Point>& spine,
                               const std::function<double(double)>& offset);
void polyline_path(cairo_t* cr, const std::vector<Point>& pts);
// Smooth curve through `knots` (Catmull-Rom turned into cubic beziers); closed curves wrap.
void smooth_path(cairo_t* cr, const std::vector<Point>& knots, bool closed);

struct Font {
    const char* family;
    PangoWeight weight;
    double px;
    double letter_spacing_px = 0;
};

struct Texel {
    Rgb colour;
    double alpha = 0;
};
// Evaluates `field` at every pixel centre and composites the result over `cr` at the origin:
// smoke, haze and other procedural textures.
void paint_field(cairo_t* cr, int width, int height,
                 const std::function<Texel(double x, double y)>& field);
double smoothstep(double edge0, double edge1, double x);

// Text outlines with font choice and metrics pinned, so the pictures do not follow desktop
// settings.
class Typesetter {
  public:
    Typesetter();
    // Appends the outline of `text` to the current path with its ink box centred on (cx, cy).
    void centred_path(cairo_t* cr, std::string_view text, const Font& font, double cx,
                      double cy) const;
    // Ink extents in pixels: x, y, width, height.
    cairo_rectangle_t ink(std::string_view text, const Font& font) const;
    double advance(std::string_view text, const Font& font) const;

  private:
    GObjectPtr<PangoLayout> make_layout(std::string_view text, const Font& font) const;

    GObjectPtr<PangoFontMap> map_;
    GObjectPtr<PangoContext> context_;
};

// Throws std::runtime_error naming the file on failure.
void write_png(cairo_surface_t* surface, const std::filesystem::path& file);

}  // namespace artgen
