#include "ui/CFont.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Fonts fill about 87% of their cell with the character height, as common faces do.
constexpr float kCharacterPerCell = 0.87f;
constexpr float kPointsPerPixel = 72.0f / 96.0f;

LOGFONTW DefaultLogFont() {
    LOGFONTW lf;
    lf.lfHeight = -11;  // 8 points
    lf.lfWeight = FW_NORMAL;
    const std::u16string_view face = u"MS Shell Dlg";
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    return lf;
}

}  // namespace

ui::Font ToDrawingFont(const LOGFONTW& lf) {
    ui::Font font;
    font.family = std::u16string(lf.lfFaceName, std::u16string_view(lf.lfFaceName).size());
    if (font.family.empty()) {
        font.family = u"MS Shell Dlg";
    }
    float pixels = static_cast<float>(std::abs(lf.lfHeight));
    if (lf.lfHeight > 0) {
        pixels *= kCharacterPerCell;
    }
    font.size_points = lf.lfHeight == 0 ? 9.0f : pixels * kPointsPerPixel;
    const bool bold = lf.lfWeight >= 600;
    const bool italic = lf.lfItalic != 0;
    font.style = bold ? (italic ? ui::FontStyle::BoldItalic : ui::FontStyle::Bold)
                      : (italic ? ui::FontStyle::Italic : ui::FontStyle::Regular);
    return font;
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logfont) {
    if (logfont == nullptr) {
        return FALSE;
    }
    LOGFONTW lf = *logfont;
    lf.lfFaceName[31] = 0;
    font_ = std::make_unique<GdiFont>(GdiFont{lf, ToDrawingFont(lf)});
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strike_out, BYTE charset,
                       BYTE out_precision, BYTE clip_precision, BYTE quality, BYTE pitch_and_family,
                       std::u16string_view face) {
    LOGFONTW lf{height,         width,     escapement,       orientation, weight,
                italic,         underline, strike_out,       charset,     out_precision,
                clip_precision, quality,   pitch_and_family, {}};
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), 31), lf.lfFaceName);
    return CreateFontIndirect(&lf);
}

BOOL CFont::DeleteObject() {
    const bool had = font_ != nullptr;
    font_.reset();
    return had ? TRUE : FALSE;
}

HFONT GetDefaultGuiFont() {
    static const LOGFONTW lf = DefaultLogFont();
    static const GdiFont font{lf, ToDrawingFont(lf)};
    return &font;
}
