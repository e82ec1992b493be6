#pragma once

#include "ui/WinDef.h"

// Geometry of the window tree. A top-level window's client area starts at its screen
// rectangle's top-left corner: windows here have no system frame.
namespace ui::tree {

HWND TopLevelOf(HWND hwnd);
// Where hwnd's client area starts, in its top-level window's client coordinates.
CPoint OriginInTopLevel(HWND hwnd);
CPoint ScreenOrigin(HWND hwnd);
// The part of hwnd's client area its ancestors leave visible, in top-level coordinates.
CRect VisibleInTopLevel(HWND hwnd);
// hwnd and all its ancestors are visible.
bool IsShowing(HWND hwnd);
// The window that takes the mouse at a point of the top-level's client area: the topmost
// visible descendant there, skipping disabled windows and those answering HTTRANSPARENT.
HWND HitTest(HWND top, CPoint point);
// The parent of a child window, the owner of a top-level one.
HWND ParentOrOwner(HWND hwnd);
bool IsDescendant(HWND hwnd, HWND ancestor);

}  // namespace ui::tree
