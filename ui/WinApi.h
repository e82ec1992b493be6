#pragma once

// The Windows functions the program calls, on the framework's windows and the backend.

#include <string_view>

#include "ui/WinDef.h"

struct IconData;
using HICON = const IconData*;
enum class CursorId : UINT {};
using HCURSOR = const CursorId*;

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

struct NOTIFYICONDATAW {
    DWORD cbSize = 0;
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr;
    char16_t szTip[128] = {};
};

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exit_code);
BOOL IsWindow(HWND hwnd);
BOOL ReleaseCapture();
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
// Supports SPI_GETWORKAREA (param: a RECT).
BOOL SystemParametersInfoW(UINT action, UINT ui_param, void* param, UINT win_ini);
int GetSystemMetrics(int index);
BOOL GetCursorPos(POINT* point);
short GetKeyState(int virtual_key);

HCURSOR LoadCursorW(void* instance, UINT id);
HCURSOR SetCursor(HCURSOR cursor);

// Icon group 128 and any other icon resource; loaded once, shared, never freed.
HICON LoadIconW(UINT id);

// A message box; a null caption means the application's name.
int MessageBoxW(HWND owner, std::u16string_view text, const char16_t* caption, UINT type);
// Opens an address with the desktop's default handler; the operation is always "open".
BOOL ShellExecuteOpen(std::u16string_view address);

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtual_key);
BOOL UnregisterHotKey(HWND hwnd, int id);
BOOL Shell_NotifyIconW(DWORD message, const NOTIFYICONDATAW* data);
