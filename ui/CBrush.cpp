#include "ui/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    brush_ = std::make_unique<GdiBrush>(GdiBrush{color});
    return TRUE;
}

BOOL CBrush::DeleteObject() {
    const bool had = brush_ != nullptr;
    brush_.reset();
    return had ? TRUE : FALSE;
}

HBRUSH GetStockBrush(int index) {
    static const GdiBrush white{RGB(255, 255, 255)};
    static const GdiBrush black{RGB(0, 0, 0)};
    return index == BLACK_BRUSH ? &black : &white;
}

HBRUSH GetDialogFaceBrush() {
    static const GdiBrush face{kDialogFaceColor};
    return &face;
}

ui::Color ToColor(COLORREF color) {
    return ui::Color::FromArgb(255, GetRValue(color), GetGValue(color), GetBValue(color));
}
