#pragma once

#include <memory>
#include <string_view>

#include "ui/Font.h"
#include "ui/WinDef.h"

struct LOGFONTW {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char16_t lfFaceName[32] = {};
};

// A font made from a LOGFONTW; HFONT points at one without owning it.
struct GdiFont {
    LOGFONTW logfont;
    ui::Font font;  // what the drawing layer draws with
};
using HFONT = const GdiFont*;

// Owns a font, as a control owns the font it sets on itself.
class CFont {
  public:
    BOOL CreateFontIndirect(const LOGFONTW* logfont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strike_out, BYTE charset, BYTE out_precision,
                    BYTE clip_precision, BYTE quality, BYTE pitch_and_family,
                    std::u16string_view face);
    BOOL DeleteObject();
    HFONT GetSafeHandle() const { return font_.get(); }
    operator HFONT() const { return font_.get(); }

  private:
    std::unique_ptr<GdiFont> font_;
};

// The font of windows that were given none.
HFONT GetDefaultGuiFont();
// A font request as the drawing layer takes it. Heights are pixels at 96 dots per inch: a
// negative height is the character height, a positive one the cell height.
ui::Font ToDrawingFont(const LOGFONTW& logfont);
