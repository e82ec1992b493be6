// artgen <resdir>: paints the launcher artwork into <resdir>/png and the program icon into
// <resdir>/icon. Output is a pure function of this source and the installed fonts.
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "artwork.hpp"

namespace {

using artgen::CaptionGlyph;
using artgen::GoldGlyph;
using artgen::Surface;
using artgen::Tone;

struct Resource {
    int number;
    std::function<Surface()> paint;
};

std::vector<Resource> catalogue(const artgen::Typesetter& type) {
    std::vector<Resource> list;
    constexpr Tone kRamp[] = {Tone::kDim, Tone::kNormal, Tone::kBright};
    struct Link {
        int first;
        const char* text;
        int height;
    };
    for (const Link& link : {Link{132, "官方网站", 24}, Link{135, "充值中心", 24},
                             Link{138, "游戏论坛", 22}, Link{141, "客服中心", 24}}) {
        for (int i = 0; i < 3; ++i) {
            list.push_back({link.first + i, [&type, link, tone = kRamp[i]] {
                                return artgen::link_label(type, link.text, 71, link.height, tone);
                            }});
        }
    }
    for (int i = 0; i < 3; ++i) {
        list.push_back({144 + i, [tone = kRamp[i]] { return artgen::minimise_orb(tone); }});
        list.push_back({147 + i, [tone = kRamp[i]] { return artgen::close_orb(tone); }});
    }
    list.push_back({150, [&type] { return artgen::emblem_small(type); }});
    list.push_back({152, [&type] { return artgen::emblem_smoky(type); }});
    list.push_back({153, [&type] { return artgen::launcher_background(type); }});

    // Toolbar and caption groups list normal first, then dimmed, then brighter.
    constexpr Tone kStates[] = {Tone::kNormal, Tone::kDim, Tone::kBright};
    struct Gold {
        int first;
        GoldGlyph glyph;
        int count;
    };
    for (const Gold& g : {Gold{156, GoldGlyph::kCircledR, 3}, Gold{159, GoldGlyph::kRefresh, 3},
                          Gold{162, GoldGlyph::kHome, 3}, Gold{177, GoldGlyph::kAccount, 2},
                          Gold{184, GoldGlyph::kBroom, 2}}) {
        for (int i = 0; i < g.count; ++i) {
            list.push_back({g.first + i, [glyph = g.glyph, tone = kStates[i]] {
                                return artgen::gold_icon(glyph, tone);
                            }});
        }
    }
    struct Caption {
        int first;
        CaptionGlyph glyph;
    };
    for (const Caption& c :
         {Caption{165, CaptionGlyph::kMinimise}, Caption{168, CaptionGlyph::kRestore},
          Caption{171, CaptionGlyph::kClose}}) {
        for (int i = 0; i < 3; ++i) {
            list.push_back({c.first + i, [glyph = c.glyph, tone = kStates[i]] {
                                return artgen::caption_button(glyph, tone);
                            }});
        }
    }
    list.push_back({179, [] { return artgen::tray_arrow(false); }});
    list.push_back({180, [] { return artgen::tray_arrow(true); }});
    list.push_back({183, [&type] { return artgen::emblem_halo(type); }});
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: artgen <resdir>\n"
                     "writes <resdir>/png/<number>.png and <resdir>/icon/128.png\n";
        return 2;
    }
    try {
        const std::filesystem::path res = argv[1];
        const std::filesystem::path png_dir = res / "png";
        const std::filesystem::path icon_dir = res / "icon";
        std::filesystem::create_directories(png_dir);
        std::filesystem::create_directories(icon_dir);

        const artgen::Typesetter type;
        for (const Resource& r : catalogue(type)) {
            artgen::write_png(r.paint().get(), png_dir / (std::to_string(r.number) + ".png"));
        }
        artgen::write_png(artgen::program_icon(type).get(), icon_dir / "128.png");
    } catch (const std::exception& e) {
        std::cerr << "artgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
