#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "platform/ResourceStore.h"

namespace {

using platform::ResourceStore;
using platform::ResourceType;

constexpr int kRgb = 2;
constexpr int kRgba = 6;

struct Entry {
    std::uint16_t number;
    std::uint32_t width;
    std::uint32_t height;
    int colour_type;
};

// Every PNG the program carries, with the size and colour type its users rely on.
constexpr Entry kPngs[] = {
    {132, 71, 24, kRgba},    {133, 71, 24, kRgba}, {134, 71, 24, kRgba}, {135, 71, 24, kRgba},
    {136, 71, 24, kRgba},    {137, 71, 24, kRgba}, {138, 71, 22, kRgba}, {139, 71, 22, kRgba},
    {140, 71, 22, kRgba},    {141, 71, 24, kRgba}, {142, 71, 24, kRgba}, {143, 71, 24, kRgba},
    {144, 25, 25, kRgba},    {145, 25, 25, kRgba}, {146, 25, 25, kRgba}, {147, 39, 39, kRgba},
    {148, 39, 39, kRgba},    {149, 39, 39, kRgba}, {150, 40, 40, kRgba}, {152, 128, 128, kRgba},
    {153, 1306, 839, kRgba}, {156, 15, 15, kRgba}, {157, 15, 15, kRgba}, {158, 15, 15, kRgba},
    {159, 15, 15, kRgba},    {160, 15, 15, kRgba}, {161, 15, 15, kRgba}, {162, 15, 15, kRgba},
    {163, 15, 15, kRgba},    {164, 15, 15, kRgba}, {165, 22, 22, kRgb},  {166, 22, 22, kRgb},
    {167, 22, 22, kRgb},     {168, 22, 22, kRgb},  {169, 22, 22, kRgb},  {170, 22, 22, kRgb},
    {171, 22, 22, kRgb},     {172, 22, 22, kRgb},  {173, 22, 22, kRgb},  {177, 15, 15, kRgba},
    {178, 15, 15, kRgba},    {179, 22, 22, kRgba}, {180, 22, 22, kRgba}, {183, 953, 498, kRgba},
    {184, 15, 15, kRgba},    {185, 15, 15, kRgba},
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << e.number << " (" << e.width << " x " << e.height << ", colour type " << e.colour_type
        << ")";
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bit_depth = 0;
    int colour_type = -1;
    int interlace = -1;
};

std::uint32_t BigEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// Reads the PNG signature and the IHDR chunk that must follow it.
testing::AssertionResult ReadHeader(std::span<const std::uint8_t> png, Header& out) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 33 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) {
        return testing::AssertionFailure() << "not a PNG (" << png.size() << " bytes)";
    }
    if (BigEndian32(png, 8) != 13 || std::string(png.begin() + 12, png.begin() + 16) != "IHDR") {
        return testing::AssertionFailure() << "no IHDR chunk first";
    }
    out = {BigEndian32(png, 16), BigEndian32(png, 20), png[24], png[25], png[28]};
    return testing::AssertionSuccess();
}

class PngResourceTest : public testing::TestWithParam<Entry> {};

TEST_P(PngResourceTest, IsPresentWithItsSizeAndColourType) {
    const Entry& e = GetParam();
    Header h;
    ASSERT_TRUE(ReadHeader(ResourceStore::Find(ResourceType::Png, e.number), h));
    EXPECT_EQ(h.width, e.width);
    EXPECT_EQ(h.height, e.height);
    EXPECT_EQ(h.bit_depth, 8);
    EXPECT_EQ(h.colour_type, e.colour_type);
    EXPECT_EQ(h.interlace, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PngResourceTest, testing::ValuesIn(kPngs),
                         [](const testing::TestParamInfo<Entry>& param_info) {
                             return "Png" + std::to_string(param_info.param.number);
                         });

TEST(ResourceStoreTest, ProgramIconIs128SquareWithAlpha) {
    Header h;
    ASSERT_TRUE(ReadHeader(ResourceStore::Find(ResourceType::Icon, 128), h));
    EXPECT_EQ(h.width, 128u);
    EXPECT_EQ(h.height, 128u);
    EXPECT_EQ(h.bit_depth, 8);
    EXPECT_EQ(h.colour_type, kRgba);
}

TEST(ResourceStoreTest, NumbersWithoutAPngFindNothing) {
    for (std::uint16_t number : {0, 128, 151, 154, 155, 174, 175, 176, 181, 182, 186, 65535}) {
        EXPECT_TRUE(ResourceStore::Find(ResourceType::Png, number).empty()) << number;
    }
    EXPECT_TRUE(ResourceStore::Find(ResourceType::Icon, 153).empty());
}

}  // namespace
