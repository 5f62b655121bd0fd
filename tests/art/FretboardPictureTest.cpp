#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "resources/art/FretboardPicture.h"
#include "training/Fretboard.h"

namespace sonnavet {
namespace {

struct Pixel {
    int r, g, b;
};

class FretboardPictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { picture_ = new RgbPicture(RenderFretboardPicture()); }
    static void TearDownTestSuite()
    {
        delete picture_;
        picture_ = nullptr;
    }

    static Pixel At(int x, int y)
    {
        const std::size_t i = (static_cast<std::size_t>(y) * picture_->width + x) * 3;
        return {picture_->rgb[i], picture_->rgb[i + 1], picture_->rgb[i + 2]};
    }
    static bool IsWirePixel(int x, int y)
    {
        const Pixel p = At(x, y);
        return p.r > 140 && std::abs(p.r - p.g) < 6 && std::abs(p.g - p.b) < 6;
    }
    static bool IsStringPixel(int x, int y) { return At(x, y).b > 100; }
    static bool Near(const Pixel& p, const Pixel& want, int tolerance)
    {
        return std::abs(p.r - want.r) <= tolerance && std::abs(p.g - want.g) <= tolerance &&
               std::abs(p.b - want.b) <= tolerance;
    }

    // Fret wires as found in the picture: the left column of each run of
    // grey pixels right of the nut, along a row between two strings.
    static std::vector<std::pair<int, int>> WireRuns(int y)
    {
        std::vector<std::pair<int, int>> runs;
        for (int x = 12; x < picture_->width; ++x) {
            if (!IsWirePixel(x, y)) continue;
            int end = x;
            while (end + 1 < picture_->width && IsWirePixel(end + 1, y)) ++end;
            runs.emplace_back(x, end);
            x = end;
        }
        return runs;
    }

    static RgbPicture* picture_;
};

RgbPicture* FretboardPictureTest::picture_ = nullptr;

constexpr Pixel kCream{255, 233, 179};

TEST_F(FretboardPictureTest, HasTheBitmapSize)
{
    EXPECT_EQ(picture_->width, 800);
    EXPECT_EQ(picture_->height, 125);
    EXPECT_EQ(picture_->rgb.size(), 800U * 125U * 3U);
}

TEST_F(FretboardPictureTest, SeventeenTwoPixelWiresRunTheFullHeight)
{
    const auto runs = WireRuns(20);
    ASSERT_EQ(runs.size(), 17U);
    for (const auto& [left, right] : runs) {
        EXPECT_EQ(right - left, 1) << "wire at x " << left;
        for (int y : {0, 40, 64, 85, 105, 124}) {
            EXPECT_TRUE(IsWirePixel(left, y)) << "wire at x " << left << ", y " << y;
        }
    }
    EXPECT_NEAR(runs.front().first, 66, 2);
    EXPECT_NEAR(runs.back().first, 760, 2);
}

TEST_F(FretboardPictureTest, EveryFretColumnLiesStrictlyBetweenItsTwoWires)
{
    const auto runs = WireRuns(20);
    ASSERT_EQ(runs.size(), 17U);
    for (int fret = 1; fret < kFrets; ++fret) {
        const int x = kFretX[static_cast<std::size_t>(fret)];
        const int leftEdge = fret == 1 ? 9 : runs[static_cast<std::size_t>(fret - 2)].second;
        const int rightEdge = runs[static_cast<std::size_t>(fret - 1)].first;
        EXPECT_LT(leftEdge, x) << "fret " << fret;
        EXPECT_LT(x, rightEdge) << "fret " << fret;
        // Not on a wire anywhere along the neck.
        EXPECT_FALSE(IsWirePixel(x, 20)) << "fret " << fret;
        EXPECT_FALSE(IsWirePixel(x, 42)) << "fret " << fret;
    }
}

TEST_F(FretboardPictureTest, EveryStringRowLiesOnItsString)
{
    for (int s = 0; s < kStrings; ++s) {
        const int y = kStringY[static_cast<std::size_t>(s)];
        for (int fret = 0; fret < kFrets; ++fret) {
            const int x = kFretX[static_cast<std::size_t>(fret)];
            const bool onString = IsStringPixel(x, y) || IsStringPixel(x, y - 1) || IsStringPixel(x, y + 1);
            EXPECT_TRUE(onString) << "string " << s << ", fret " << fret;
        }
        // Wood lies a few pixels above and below: the row is on a string, not
        // in a bright band.
        EXPECT_FALSE(IsStringPixel(200, y - 4)) << "string " << s;
        if (y + 5 < picture_->height) {
            EXPECT_FALSE(IsStringPixel(200, y + 5)) << "string " << s;
        }
    }
}

TEST_F(FretboardPictureTest, LowerFourStringsAreThickAndNearlyWhite)
{
    // G, D, A and low E: three rows of string, the middle one nearly white.
    for (int s = 0; s < 4; ++s) {
        const int y = kStringY[static_cast<std::size_t>(s)];
        int rows = 0;
        int brightest = 0;
        for (int dy = -3; dy <= 3; ++dy) {
            if (y + dy >= picture_->height || !IsStringPixel(250, y + dy)) continue;
            ++rows;
            brightest = std::max(brightest, At(250, y + dy).r);
        }
        EXPECT_EQ(rows, 3) << "string " << s;
        EXPECT_GE(brightest, 215) << "string " << s;
    }
    // The two plain strings are thinner and dimmer.
    for (int s = 4; s < 6; ++s) {
        const int y = kStringY[static_cast<std::size_t>(s)];
        for (int dy = -3; dy <= 3; ++dy) EXPECT_LT(At(250, y + dy).r, 215) << "string " << s;
    }
}

TEST_F(FretboardPictureTest, NutIsCreamFromX4To9)
{
    for (int y : {0, 20, 40, 64, 85, 105, 124}) {
        for (int x = 4; x <= 9; ++x) EXPECT_TRUE(Near(At(x, y), kCream, 0)) << "x " << x << ", y " << y;
        EXPECT_FALSE(Near(At(3, y), kCream, 60)) << "y " << y;
        EXPECT_FALSE(Near(At(10, y), kCream, 60)) << "y " << y;
    }
}

TEST_F(FretboardPictureTest, InlayDotsSitOnTheirFrets)
{
    struct Dot {
        int fret;
        int y;
    };
    // The fret-12 pair lies under the B and A strings: look beside the string.
    const Dot dots[] = {{3, 64}, {5, 64}, {7, 64}, {9, 64}, {15, 64}, {17, 64}, {12, 26}, {12, 91}};
    for (const Dot& dot : dots) {
        const int x = kFretX[static_cast<std::size_t>(dot.fret)];
        // The row looked at lies 4 pixels off the middle of the fret-12 dots.
        const int halfChord = dot.y == 64 ? 4 : 2;
        EXPECT_TRUE(Near(At(x, dot.y), kCream, 25)) << "fret " << dot.fret << ", y " << dot.y;
        EXPECT_TRUE(Near(At(x - halfChord, dot.y), kCream, 35)) << "fret " << dot.fret << ", y " << dot.y;
        EXPECT_TRUE(Near(At(x + halfChord, dot.y), kCream, 35)) << "fret " << dot.fret << ", y " << dot.y;
        // About 12 pixels across: wood 8 pixels from the middle.
        EXPECT_LT(At(x - 8, dot.y).r, 60) << "fret " << dot.fret << ", y " << dot.y;
        EXPECT_LT(At(x + 8, dot.y).r, 60) << "fret " << dot.fret << ", y " << dot.y;
    }
    // No dot on the frets without one.
    for (int fret : {1, 2, 4, 6, 8, 10, 11, 13, 14, 16}) {
        EXPECT_LT(At(kFretX[static_cast<std::size_t>(fret)], 64).r, 60) << "fret " << fret;
    }
}

TEST_F(FretboardPictureTest, WoodIsDarkBrownAndDarkerAtTheBottom)
{
    // Between the D and A strings, away from wires and dots.
    const Pixel middle = At(200, 84);
    EXPECT_TRUE(Near(middle, Pixel{30, 21, 0}, 10));
    EXPECT_GT(middle.r, middle.g);
    EXPECT_GT(middle.g, middle.b);
    EXPECT_LT(At(200, 123).r, At(200, 20).r);
}

TEST_F(FretboardPictureTest, IsTheSameAtEveryStart)
{
    EXPECT_EQ(RenderFretboardPicture().rgb, picture_->rgb);
}

}  // namespace
}  // namespace sonnavet
