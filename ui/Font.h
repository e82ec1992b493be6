#pragma once

#include <string>

namespace ui {

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

// A font request by family name. A family the system lacks falls back to a face of the same
// kind: "Arial" to a sans-serif face, "宋体" to a Song-style CJK face.
struct Font {
    std::u16string family;
    float size_points = 9;
    FontStyle style = FontStyle::Regular;
};

}  // namespace ui
