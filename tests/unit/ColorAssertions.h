#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "ui/Color.h"

namespace test {

inline std::string Hex(ui::Color c) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", c.argb);
    return text;
}

// Channels may differ by the rounding a premultiplied surface introduces.
inline testing::AssertionResult ColorNear(ui::Color actual, ui::Color expected, int tolerance) {
    const int diffs[] = {actual.A() - expected.A(), actual.R() - expected.R(),
                         actual.G() - expected.G(), actual.B() - expected.B()};
    for (int d : diffs) {
        if (std::abs(d) > tolerance) {
            return testing::AssertionFailure()
                   << "got " << Hex(actual) << ", expected " << Hex(expected) << " ±" << tolerance;
        }
    }
    return testing::AssertionSuccess();
}

// Straight-colour source-over, the reference the drawing layer is held to.
inline ui::Color SourceOver(ui::Color src, ui::Color dst) {
    const double sa = src.A() / 255.0;
    const double da = dst.A() / 255.0;
    const double oa = sa + da * (1 - sa);
    if (oa == 0) {
        return {};
    }
    auto channel = [&](int s, int d) {
        return static_cast<std::uint8_t>(std::lround((s * sa + d * da * (1 - sa)) / oa));
    };
    return ui::Color::FromArgb(static_cast<std::uint8_t>(std::lround(oa * 255)),
                               channel(src.R(), dst.R()), channel(src.G(), dst.G()),
                               channel(src.B(), dst.B()));
}

}  // namespace test
