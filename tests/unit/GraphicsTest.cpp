#include <gtest/gtest.h>

#include <vector>

#include "tests/unit/ColorAssertions.h"
#include "tests/unit/PngFixture.h"
#include "ui/Bitmap.h"
#include "ui/Graphics.h"
#include "ui/Image.h"

namespace {

using ui::Color;

constexpr Color kOpaqueRed = Color::FromArgb(255, 255, 0, 0);
constexpr Color kHalfGreen = Color::FromArgb(128, 0, 255, 0);
constexpr Color kClear = Color::FromArgb(0, 0, 0, 0);
constexpr Color kQuarterBlue = Color::FromArgb(64, 0, 0, 255);

// A 2 × 2 picture with one pixel of each kind of alpha.
std::unique_ptr<ui::Image> FourAlphas() {
    return ui::Image::FromPng(
        test::EncodePng(2, 2, {kOpaqueRed, kHalfGreen, kClear, kQuarterBlue}));
}

struct BlendCase {
    const char* name;
    Color background;  // filled first; transparent means nothing under the picture
};

class SourceOverTest : public testing::TestWithParam<BlendCase> {};

TEST_P(SourceOverTest, ImagePixelsBlendOverWhatIsThere) {
    const Color background = GetParam().background;
    auto target = ui::Bitmap::Create(2, 2);
    auto g = ui::Graphics::FromBitmap(*target);
    g->FillRectangle(background, {0, 0, 2, 2});
    auto image = FourAlphas();
    g->DrawImage(*image, 0, 0, 2, 2);

    const Color source[] = {kOpaqueRed, kHalfGreen, kClear, kQuarterBlue};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        // Low alpha loses precision in a premultiplied surface; 3 covers alpha 64.
        EXPECT_TRUE(test::ColorNear(target->GetPixel(i % 2, i / 2),
                                    test::SourceOver(source[i], background), 3));
    }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, SourceOverTest,
                         testing::Values(BlendCase{"Transparent", kClear},
                                         BlendCase{"OpaqueGrey", Color::FromArgb(255, 40, 80, 120)},
                                         BlendCase{"HalfWhite",
                                                   Color::FromArgb(128, 255, 255, 255)}),
                         [](const testing::TestParamInfo<BlendCase>& param_info) {
                             return std::string(param_info.param.name);
                         });

TEST(GraphicsTest, TranslucentFillsAccumulateAlpha) {
    auto target = ui::Bitmap::Create(1, 1);
    auto g = ui::Graphics::FromBitmap(*target);
    g->FillRectangle(Color::FromArgb(128, 255, 0, 0), {0, 0, 1, 1});
    g->FillRectangle(Color::FromArgb(128, 0, 0, 255), {0, 0, 1, 1});
    // 0.5 + 0.5 × 0.5 = 0.75 alpha; red keeps a third of the colour, blue two thirds.
    EXPECT_TRUE(test::ColorNear(target->GetPixel(0, 0), Color::FromArgb(191, 85, 0, 170), 1));
}

TEST(GraphicsTest, UntouchedPixelsStayTransparent) {
    auto target = ui::Bitmap::Create(6, 4);
    auto g = ui::Graphics::FromBitmap(*target);
    g->FillRectangle(kOpaqueRed, {1, 1, 3, 2});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 3 && y == 1;
            EXPECT_EQ(target->GetPixel(x, y), inside ? kOpaqueRed : kClear) << x << "," << y;
        }
    }
}

TEST(GraphicsTest, RgbPngIsOpaque) {
    auto image = ui::Image::FromPng(
        test::EncodePng(1, 1, {Color::FromArgb(0, 10, 20, 30)}, /*opaque=*/true));
    auto target = ui::Bitmap::Create(1, 1);
    ui::Graphics::FromBitmap(*target)->DrawImage(*image, 0, 0, 1, 1);
    EXPECT_EQ(target->GetPixel(0, 0), Color::FromArgb(255, 10, 20, 30));
}

TEST(GraphicsTest, FloatingRectangleCoversPartialPixels) {
    auto image = ui::Image::FromPng(test::EncodePng(2, 1, {kOpaqueRed, kOpaqueRed}));
    auto target = ui::Bitmap::Create(4, 1);
    ui::Graphics::FromBitmap(*target)->DrawImage(*image, ui::RectF{0.5f, 0, 2, 1});
    EXPECT_NEAR(target->GetPixel(0, 0).A(), 128, 2);
    EXPECT_EQ(target->GetPixel(1, 0), kOpaqueRed);
    EXPECT_NEAR(target->GetPixel(2, 0).A(), 128, 2);
    EXPECT_EQ(target->GetPixel(3, 0), kClear);
}

TEST(GraphicsTest, UndecodableBytesGiveAnEmptyImageThatDrawsNothing) {
    const std::vector<std::uint8_t> valid = test::EncodePng(1, 1, {kOpaqueRed});
    const std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'},
        {valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(valid.size() / 2)},
    };
    for (const auto& bytes : broken) {
        auto image = ui::Image::FromPng(bytes);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), 0u);
        EXPECT_EQ(image->GetHeight(), 0u);
        auto target = ui::Bitmap::Create(2, 2);
        auto g = ui::Graphics::FromBitmap(*target);
        g->DrawImage(*image, 0, 0, 2, 2);
        // The graphics must still work after drawing an empty image.
        g->FillRectangle(kOpaqueRed, {1, 1, 2, 2});
        EXPECT_EQ(target->GetPixel(0, 0), kClear);
        EXPECT_EQ(target->GetPixel(1, 1), kOpaqueRed);
    }
}

// The bounding box of the pixels text left ink on.
ui::Rect InkBounds(const ui::Bitmap& bitmap) {
    ui::Rect box{1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < static_cast<int>(bitmap.GetHeight()); ++y) {
        for (int x = 0; x < static_cast<int>(bitmap.GetWidth()); ++x) {
            if (bitmap.GetPixel(x, y).A() != 0) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return box;
}

const ui::Font kArial12{u"Arial", 12};

TEST(GraphicsTest, CentredTextSitsInTheMiddleOfItsRectangle) {
    auto target = ui::Bitmap::Create(120, 60);
    auto g = ui::Graphics::FromBitmap(*target);
    g->DrawString(u"OK", kArial12, ui::RectF{20, 10, 80, 40}, ui::StringFormat::Centered(),
                  Color::FromArgb(255, 0, 0, 0));
    const ui::Rect ink = InkBounds(*target);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 30, 4);
    EXPECT_EQ(target->GetPixel(ink.left + ink.Width() / 2, ink.top + ink.Height() / 2).R(), 0);
}

TEST(GraphicsTest, TextIsClippedToItsLayoutRectangle) {
    auto target = ui::Bitmap::Create(200, 40);
    auto g = ui::Graphics::FromBitmap(*target);
    g->DrawString(u"WWWWWWWWWWWWWWWW", kArial12, ui::RectF{50, 0, 30, 40},
                  ui::StringFormat::Centered(), Color::FromArgb(255, 0, 0, 0));
    const ui::Rect ink = InkBounds(*target);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.right, 80);
}

TEST(GraphicsTest, TextAtAPointStartsThere) {
    auto target = ui::Bitmap::Create(100, 50);
    ui::Graphics::FromBitmap(*target)->DrawString(u"Hi", kArial12, ui::PointF{30, 15},
                                                  Color::FromArgb(255, 200, 0, 0));
    const ui::Rect ink = InkBounds(*target);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 30);
    EXPECT_LE(ink.left, 34);
    EXPECT_GE(ink.top, 15);
}

TEST(GraphicsTest, FontSizesAreInPointsAtNinetySixDots) {
    auto target = ui::Bitmap::Create(1, 1);
    auto g = ui::Graphics::FromBitmap(*target);
    // 12 points are 16 pixels: a CJK face's full-width characters are one em wide each.
    const ui::SizeF song = g->MeasureString(u"你确定要退出", ui::Font{u"宋体", 12});
    EXPECT_NEAR(song.width, 6 * 16, 3);
    const ui::SizeF small = g->MeasureString(u"Exit", ui::Font{u"Arial", 9});
    const ui::SizeF large = g->MeasureString(u"Exit", ui::Font{u"Arial", 18});
    EXPECT_NEAR(large.width / small.width, 2.0, 0.15);
}

}  // namespace
