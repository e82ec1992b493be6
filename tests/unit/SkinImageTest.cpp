#include <gtest/gtest.h>

#include "skin/LoadSkinImage.h"
#include "tests/unit/ColorAssertions.h"
#include "ui/Bitmap.h"
#include "ui/Graphics.h"

namespace {

using ui::Color;

// The image drawn at its own size on a transparent bitmap: its pixels as they are.
std::unique_ptr<ui::Bitmap> Render(const ui::Image& image) {
    const int w = static_cast<int>(image.GetWidth());
    const int h = static_cast<int>(image.GetHeight());
    auto bitmap = ui::Bitmap::Create(w, h);
    ui::Graphics::FromBitmap(*bitmap)->DrawImage(image, 0, 0, w, h);
    return bitmap;
}

TEST(SkinImageTest, LauncherBackgroundHasATransparentSurroundAndAnOpaqueDarkPanel) {
    auto background = LoadSkinImage(153);
    ASSERT_EQ(background->GetWidth(), 1306u);
    ASSERT_EQ(background->GetHeight(), 839u);
    auto pixels = Render(*background);
    for (ui::Point corner : {ui::Point{0, 0}, {1305, 0}, {0, 838}, {1305, 838}}) {
        EXPECT_EQ(pixels->GetPixel(corner.x, corner.y).A(), 0) << corner.x << "," << corner.y;
    }
    // The login page covers this rectangle; none of the surround may show through its edges.
    int not_covered = 0;
    for (int y = 286; y < 630; ++y) {
        for (int x = 536; x < 1146; ++x) {
            const Color c = pixels->GetPixel(x, y);
            not_covered += c.A() != 255 || std::max({c.R(), c.G(), c.B()}) > 64;
        }
    }
    EXPECT_EQ(not_covered, 0);
}

TEST(SkinImageTest, RgbResourceIsFullyOpaque) {
    auto image = LoadSkinImage(165);
    ASSERT_EQ(image->GetWidth(), 22u);
    ASSERT_EQ(image->GetHeight(), 22u);
    auto pixels = Render(*image);
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 22; ++x) {
            ASSERT_EQ(pixels->GetPixel(x, y).A(), 255) << x << "," << y;
        }
    }
}

TEST(SkinImageTest, NumberWithoutAPngGivesAnEmptyImageThatDrawsNothing) {
    for (std::uint16_t number : {151, 154, 174}) {
        auto image = LoadSkinImage(number);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), 0u);
        EXPECT_EQ(image->GetHeight(), 0u);
        auto target = ui::Bitmap::Create(8, 8);
        ui::Graphics::FromBitmap(*target)->DrawImage(*image, 0, 0, 8, 8);
        for (int i = 0; i < 64; ++i) {
            ASSERT_EQ(target->GetPixel(i % 8, i / 8), Color{}) << number;
        }
    }
}

TEST(SkinImageTest, TwoLoadsAreIndependent) {
    auto first = LoadSkinImage(148);
    auto second = LoadSkinImage(148);
    ASSERT_NE(first.get(), second.get());
    auto before = Render(*second);
    first.reset();
    auto after = Render(*second);
    for (int y = 0; y < 39; ++y) {
        for (int x = 0; x < 39; ++x) {
            ASSERT_EQ(after->GetPixel(x, y), before->GetPixel(x, y)) << x << "," << y;
        }
    }
}

TEST(SkinImageTest, DrawnAtItsOwnSizeCoversExactlyItsPixelsBlendedByAlpha) {
    auto button = LoadSkinImage(148);  // round, so its corners are transparent
    const int w = static_cast<int>(button->GetWidth());
    const int h = static_cast<int>(button->GetHeight());
    auto reference = Render(*button);
    const Color ground = Color::FromArgb(255, 30, 60, 90);
    const int x0 = 7;
    const int y0 = 5;

    auto target = ui::Bitmap::Create(w + 20, h + 20);
    auto g = ui::Graphics::FromBitmap(*target);
    g->FillRectangle(ground, {0, 0, w + 20, h + 20});
    g->DrawImage(*button, x0, y0, w, h);

    int partly_transparent = 0;
    for (int y = 0; y < h + 20; ++y) {
        for (int x = 0; x < w + 20; ++x) {
            const bool inside = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
            const Color src = inside ? reference->GetPixel(x - x0, y - y0) : Color{};
            partly_transparent += src.A() > 0 && src.A() < 255;
            ASSERT_TRUE(test::ColorNear(target->GetPixel(x, y), test::SourceOver(src, ground), 2))
                << x << "," << y;
        }
    }
    EXPECT_GT(partly_transparent, 0) << "the fixture should exercise blending";
}

}  // namespace
