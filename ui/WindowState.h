#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/WinDef.h"

class CWnd;
struct GdiFont;
using HFONT = const GdiFont*;

namespace ui {
class TopLevelWindow;
}

// The framework's record of one window, what HWND points at. The C++ object attached to it
// (wnd) may change when a member takes over a dialog item.
struct WindowState {
    CWnd* wnd = nullptr;
    HWND parent = nullptr;       // child windows
    HWND owner = nullptr;        // top-level windows: the window they stay above, if any
    std::vector<HWND> children;  // bottom of the z-order first
    CRect rect;                  // parent-client coordinates for children, screen otherwise
    DWORD style = 0;
    DWORD ex_style = 0;
    UINT id = 0;
    std::u16string text;
    HFONT font = nullptr;
    bool minimized = false;
    bool maximized = false;
    CRect normal_rect;  // where a restore puts the window back
    CRect invalid;      // client coordinates; empty when nothing needs painting
    bool erase = false;
    std::unique_ptr<ui::TopLevelWindow> top;  // top-level windows only

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
    bool IsEnabled() const { return (style & WS_DISABLED) == 0; }

    ~WindowState();
};
