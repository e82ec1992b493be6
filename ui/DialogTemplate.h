#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/WinDef.h"

// One control of a dialog template; position and size in dialog units.
struct DialogItem {
    UINT id = 0;
    std::u16string class_name;
    std::u16string text;
    DWORD style = 0;
    DWORD ex_style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// A dialog described as data, kept in the resources as text, one line a field:
//   style 0x90000048
//   exstyle 0x00040000
//   rect 0 0 444 289
//   font 9 "MS Shell Dlg"
//   caption "设置老板键"
//   item 1003 "msctls_hotkey32" "" 0x50810000 0 23 26 96 16
// Blank lines and lines starting with # are ignored.
struct DialogTemplate {
    DWORD style = 0;
    DWORD ex_style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::u16string caption;
    int font_points = 8;
    std::u16string font_face = u"MS Shell Dlg";
    std::vector<DialogItem> items;

    // Null when a line cannot be read; the error says which.
    static std::optional<DialogTemplate> Parse(std::string_view text, std::string* error = nullptr);
    // The template resource with this number.
    static std::optional<DialogTemplate> Load(UINT id);
};

// Dialog units become pixels through the dialog font's base units: a horizontal unit is a
// quarter of the average character width, a vertical one an eighth of the character height.
struct DialogUnits {
    int base_x = 0;
    int base_y = 0;

    CRect ToPixels(int x, int y, int cx, int cy) const;
};
