#include <gtest/gtest.h>

#include "tests/support/RecordingPainter.h"
#include "training/Fretboard.h"

namespace sonnavet {
namespace {

struct Place {
    int string, fret;
    bool operator==(const Place&) const = default;
};

// The one marked cell, or {-1, -1}.
Place Marked(int fretPosition, int note, bool stretchDown)
{
    MarkerGrid grid;
    ResetMarkers(grid);
    MarkNote(grid, fretPosition, note, stretchDown);
    Place found{-1, -1};
    int count = 0;
    for (int s = 0; s < kStrings; ++s)
        for (int f = 0; f < kFrets; ++f)
            if (grid[s][f] != kNoMarker) {
                EXPECT_EQ(grid[s][f], 255);
                found = {s, f};
                ++count;
            }
    EXPECT_LE(count, 1);
    return found;
}

TEST(MarkNote, PlacementTable)
{
    struct Case {
        int note;
        bool stretch;
        Place expected;
    };
    const Case cases[] = {
        {42, false, {0, 2}}, {46, false, {0, 6}}, {46, true, {1, 1}}, {47, false, {1, 2}},
        {60, false, {3, 5}}, {60, true, {4, 1}},  {57, false, {3, 2}}, {61, false, {4, 2}},
        {69, false, {5, 5}}, {70, false, {5, 6}}, {70, true, {-1, -1}}, {41, false, {-1, -1}},
        {41, true, {0, 1}},  {65, true, {5, 0 + 1}}, {51, true, {2, 1}}, {56, true, {3, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Marked(2, c.note, c.stretch), c.expected) << "note " << c.note << " stretch " << c.stretch;
}

TEST(MarkNote, StretchDownHasNoEffectInPositionZero)
{
    for (int note = 38; note < 72; ++note) EXPECT_EQ(Marked(0, note, true), Marked(0, note, false)) << note;
}

struct PaintTest : ::testing::Test {
    MarkerGrid grid;
    std::string status = "Listen carefully!";
    FretboardView view{828, 130, kFretX, kStringY, status};
    void SetUp() override { ResetMarkers(grid); }
};

TEST_F(PaintTest, PictureCentredAndStatusTextInTheFrame)
{
    test::RecordingPainter dc;
    PaintFretboard(dc, view, grid);
    ASSERT_EQ(dc.ops.size(), 3u);
    EXPECT_EQ(dc.ops[0].kind, test::DrawOp::Bitmap);
    EXPECT_EQ(dc.ops[0].x, 14);
    EXPECT_EQ(dc.ops[0].y, 10);
    EXPECT_EQ(dc.ops[0].width, 800);
    EXPECT_EQ(dc.ops[0].height, 125);
    // The etched frame (228, 96)-(546, 180) in dialog units, cleared, then the
    // text 10 pixels in from the left and 15 from the top.
    EXPECT_EQ(dc.ops[1].kind, test::DrawOp::Fill);
    EXPECT_EQ(dc.ops[1].rect, (Rect{342, 156, 819, 293}));
    EXPECT_EQ(dc.ops[2].kind, test::DrawOp::Text);
    EXPECT_EQ(dc.ops[2].rect, (Rect{352, 171, 819, 293}));
    EXPECT_EQ(dc.ops[2].text, "Listen carefully!");
    EXPECT_EQ(dc.ops[2].face, "Arial");
    EXPECT_EQ(dc.ops[2].pointSize, 32);
}

TEST_F(PaintTest, MarkerFadesOverThreePaints)
{
    MarkNote(grid, 2, 42, false);   // string 0, fret 2
    std::vector<int> greens;
    for (int paint = 0; paint < 4; ++paint) {
        test::RecordingPainter dc;
        PaintFretboard(dc, view, grid);
        const auto discs = dc.Of(test::DrawOp::Disc);
        if (paint < 3) {
            ASSERT_EQ(discs.size(), 1u);
            EXPECT_EQ(discs[0].x, 111);
            EXPECT_EQ(discs[0].y, 124);
            EXPECT_EQ(discs[0].width, 20);
            EXPECT_EQ(discs[0].color.r, 0);
            EXPECT_EQ(discs[0].color.b, 0);
            greens.push_back(discs[0].color.g);
        } else {
            EXPECT_TRUE(discs.empty());
        }
    }
    EXPECT_EQ(greens, (std::vector<int>{255, 155, 55}));
    EXPECT_EQ(grid[0][2], -45);

    // Played again while it fades: bright again.
    MarkNote(grid, 2, 42, false);
    EXPECT_EQ(grid[0][2], 255);
}

TEST_F(PaintTest, NoPictureStillDrawsMarkersAndText)
{
    FretboardView bare{828, 0, kFretX, kStringY, status};
    MarkNote(grid, 2, 64, false);
    test::RecordingPainter dc;
    PaintFretboard(dc, bare, grid);
    EXPECT_TRUE(dc.Of(test::DrawOp::Bitmap).empty());
    EXPECT_EQ(dc.Of(test::DrawOp::Disc).size(), 1u);
    EXPECT_EQ(dc.Of(test::DrawOp::Text).size(), 1u);
}

}  // namespace
}  // namespace sonnavet
