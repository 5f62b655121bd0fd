#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "resources/art/BmpWriter.h"
#include "resources/art/FretboardPicture.h"

namespace sonnavet {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8U) | (b[at + 2] << 16U) | (static_cast<std::uint32_t>(b[at + 3]) << 24U);
}
std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8U); }

// A picture whose every pixel tells where it is: r = x, g = y, b = 200 + x.
RgbPicture Numbered(int width, int height)
{
    RgbPicture p{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.rgb.push_back(static_cast<std::uint8_t>(x));
            p.rgb.push_back(static_cast<std::uint8_t>(y));
            p.rgb.push_back(static_cast<std::uint8_t>(200 + x));
        }
    }
    return p;
}

TEST(BmpWriter, HeadersDescribeA24BitBottomUpBitmap)
{
    struct Case {
        int width, height;
        std::uint32_t rowBytes;
    };
    // Row lengths 3, 6, 9, 12 and 2400 bytes, padded to multiples of four.
    const Case cases[] = {{1, 1, 4}, {2, 3, 8}, {3, 2, 12}, {4, 1, 12}, {800, 125, 2400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto bmp = EncodeBmp24(Numbered(c.width, c.height));
        const std::uint32_t imageSize = c.rowBytes * static_cast<std::uint32_t>(c.height);
        ASSERT_EQ(bmp.size(), 54U + imageSize);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(U32(bmp, 2), bmp.size());
        EXPECT_EQ(U32(bmp, 6), 0U);  // reserved
        EXPECT_EQ(U32(bmp, 10), 54U);
        EXPECT_EQ(U32(bmp, 14), 40U);
        EXPECT_EQ(U32(bmp, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(U32(bmp, 22), static_cast<std::uint32_t>(c.height));  // positive height: bottom-up
        EXPECT_EQ(U16(bmp, 26), 1U);
        EXPECT_EQ(U16(bmp, 28), 24U);
        EXPECT_EQ(U32(bmp, 30), 0U);  // BI_RGB
        EXPECT_EQ(U32(bmp, 34), imageSize);
        EXPECT_EQ(U32(bmp, 46), 0U);  // no palette
    }
}

TEST(BmpWriter, StoresRowsBottomUpInBlueGreenRedWithZeroPadding)
{
    const int width = 3;  // 9 bytes of pixels, 3 bytes of padding per row
    const int height = 4;
    const auto bmp = EncodeBmp24(Numbered(width, height));
    ASSERT_EQ(bmp.size(), 54U + 12U * height);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;  // the first stored row is the bottom one
        const std::size_t start = 54 + static_cast<std::size_t>(row) * 12;
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(bmp[start + 3 * x], 200 + x) << "blue, row " << row << ", x " << x;
            EXPECT_EQ(bmp[start + 3 * x + 1], y) << "green, row " << row << ", x " << x;
            EXPECT_EQ(bmp[start + 3 * x + 2], x) << "red, row " << row << ", x " << x;
        }
        for (std::size_t pad = 9; pad < 12; ++pad) EXPECT_EQ(bmp[start + pad], 0) << "row " << row;
    }
}

TEST(BmpWriter, RefusesAPictureWhosePixelsDoNotMatchItsSize)
{
    EXPECT_TRUE(EncodeBmp24(RgbPicture{}).empty());
    RgbPicture shortOne = Numbered(4, 4);
    shortOne.rgb.pop_back();
    EXPECT_TRUE(EncodeBmp24(shortOne).empty());
    EXPECT_TRUE(EncodeBmp24(RgbPicture{-2, 3, {}}).empty());
}

TEST(BmpWriter, WritesTheFretboardFile)
{
    const std::string path = ::testing::TempDir() + "fretboard-" + std::to_string(::getpid()) + ".bmp";
    const RgbPicture picture = RenderFretboardPicture();
    ASSERT_TRUE(WriteBmpFile(picture, path));
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::remove(path.c_str());
    EXPECT_EQ(bytes, EncodeBmp24(picture));
    EXPECT_EQ(bytes.size(), 54U + 2400U * 125U);

    EXPECT_FALSE(WriteBmpFile(picture, "/nonexistent-folder-for-sonnavet/fretboard.bmp"));
}

}  // namespace
}  // namespace sonnavet
