#pragma once

class CWnd;

// Whether the game window is meant to be shown: one flag for the whole process, true at
// start. The boss key, the hide button and the tray icon all flip it.
bool IsGameVisible();
// Flips the flag and shows or hides the game window to match.
void ToggleGameVisibility(CWnd& game_window);
