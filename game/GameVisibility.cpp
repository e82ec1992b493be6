#include "game/GameVisibility.h"

#include "ui/CWnd.h"

namespace {

bool g_visible = true;

}  // namespace

bool IsGameVisible() {
    return g_visible;
}

void ToggleGameVisibility(CWnd& game_window) {
    g_visible = !g_visible;
    game_window.ShowWindow(g_visible ? SW_SHOW : SW_HIDE);
}
