#pragma once

namespace ui {

enum class StringAlignment { Near, Center, Far };

// Where text sits in its layout rectangle, horizontally and vertically.
struct StringFormat {
    StringAlignment alignment = StringAlignment::Near;
    StringAlignment line_alignment = StringAlignment::Near;

    static constexpr StringFormat Centered() {
        return {StringAlignment::Center, StringAlignment::Center};
    }
};

}  // namespace ui
