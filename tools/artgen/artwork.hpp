// Every picture the generator knows how to paint.
#pragma once

#include <string_view>

#include "draw.hpp"

namespace artgen {

// Gold caption on a clear ground, for the launcher's link row.
Surface link_label(const Typesetter& type, std::string_view text, int width, int height, Tone tone);

// Round launcher buttons: green minimise (25 px) and dark close (39 px).
Surface minimise_orb(Tone tone);
Surface close_orb(Tone tone);

// Opaque 22 px window caption buttons.
enum class CaptionGlyph { kMinimise, kRestore, kClose };
Surface caption_button(CaptionGlyph glyph, Tone tone);

// 15 px gold toolbar glyphs.
enum class GoldGlyph { kCircledR, kRefresh, kHome, kAccount, kBroom };
Surface gold_icon(GoldGlyph glyph, Tone tone);

// 22 px "send to tray" arrow; the highlighted one is yellow and opaque.
Surface tray_arrow(bool highlighted);

// The game's round emblem centred on (cx, cy) with outer radius r.
void draw_emblem(cairo_t* cr, const Typesetter& type, double cx, double cy, double r);
Surface emblem_small(const Typesetter& type);
Surface emblem_smoky(const Typesetter& type);
Surface emblem_halo(const Typesetter& type);
Surface program_icon(const Typesetter& type);

Surface launcher_background(const Typesetter& type);
// Launcher background layers that live in their own files.
void draw_warrior(cairo_t* cr, int width, int height);
void draw_dragon(cairo_t* cr);

}  // namespace artgen
