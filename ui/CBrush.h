#pragma once

#include <memory>

#include "ui/Color.h"
#include "ui/WinDef.h"

// A solid brush; HBRUSH points at one without owning it.
struct GdiBrush {
    COLORREF color = 0;
};
using HBRUSH = const GdiBrush*;

// Owns a brush, as a control owns the brush it answers colour requests with.
class CBrush {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL DeleteObject();
    HBRUSH GetSafeHandle() const { return brush_.get(); }
    operator HBRUSH() const { return brush_.get(); }

  private:
    std::unique_ptr<GdiBrush> brush_;
};

// The stock brushes (WHITE_BRUSH, BLACK_BRUSH); never deleted.
HBRUSH GetStockBrush(int index);
// The face colour dialogs and buttons are painted with.
constexpr COLORREF kDialogFaceColor = RGB(0xF0, 0xF0, 0xF0);
HBRUSH GetDialogFaceBrush();

ui::Color ToColor(COLORREF color);
