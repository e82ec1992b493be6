#include "platform/cairo/FontFamilies.h"

#include <array>

#include "ui/TextEncoding.h"

namespace platform::cairo {
namespace {

struct Fallback {
    std::u16string_view family;
    std::string_view alternatives;
};

constexpr std::array kFallbacks{
    Fallback{u"Arial", "Liberation Sans,Nimbus Sans,DejaVu Sans,sans-serif"},
    Fallback{u"宋体", "SimSun,Noto Serif CJK SC,AR PL UMing CN,serif"},
    Fallback{u"SimSun", "Noto Serif CJK SC,AR PL UMing CN,serif"},
    Fallback{u"MS Shell Dlg", "DejaVu Sans,Noto Sans CJK SC,sans-serif"},
    Fallback{u"MS Shell Dlg 2", "DejaVu Sans,Noto Sans CJK SC,sans-serif"},
};

}  // namespace

std::string FontFamilies(std::u16string_view family) {
    std::string list = ui::ToUtf8(family);
    for (const Fallback& f : kFallbacks) {
        if (f.family == family) {
            return list + "," + std::string(f.alternatives);
        }
    }
    return list + ",sans-serif";
}

}  // namespace platform::cairo
