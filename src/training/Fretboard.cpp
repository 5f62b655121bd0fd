#include "training/Fretboard.h"

#include "controls/TrainingControls.h"
#include "platform/PaintContext.h"
#include "resources/ResourceIds.h"

namespace sonnavet {

namespace {
constexpr int kGString = 3;
constexpr int kStatusFontPoints = 32;
constexpr char kStatusFont[] = "Arial";
}  // namespace

void ResetMarkers(MarkerGrid& grid)
{
    for (auto& string : grid) string.fill(kNoMarker);
}

bool HasMarkers(const MarkerGrid& grid)
{
    for (const auto& string : grid)
        for (int cell : string)
            if (cell > 0) return true;
    return false;
}

void MarkNote(MarkerGrid& grid, int fretPosition, int note, bool stretchDown)
{
    int position = fretPosition;
    if (stretchDown && fretPosition > 0) --position;
    for (int s = 0; s < kStrings; ++s) {
        const int first = openStringNotes[s] + position;
        const int span = s == kGString ? 4 : 5;
        if (note >= first && note < first + span) {
            const int fret = note - openStringNotes[s];
            if (fret >= 0 && fret < kFrets) grid[s][fret] = kMarkerBright;
            return;
        }
    }
}

void PaintFretboard(PaintContext& dc, const FretboardView& view, MarkerGrid& grid)
{
    const int x0 = (view.clientWidth - kFretboardWidth) / 2;
    if (view.bitmapId != 0) dc.DrawBitmap(view.bitmapId, x0, kPictureTop, kFretboardWidth, kFretboardHeight, 0, 0);

    for (int s = 0; s < kStrings; ++s) {
        for (int f = 0; f < kFrets; ++f) {
            std::int32_t& cell = grid[s][f];
            if (cell <= 0) continue;
            dc.DrawDisc(x0 + view.fretX[f], kPictureTop + view.stringY[s], kMarkerDiameter,
                        Color{0, static_cast<std::uint8_t>(cell), 0});
            cell -= kMarkerFade;
        }
    }

    Rect area = MapDialogRect(kStatusRectUnits);
    dc.FillRect(area);
    area.left += 10;
    area.top += 15;
    dc.DrawWrappedText(view.statusText, area, kStatusFont, kStatusFontPoints);
}

}  // namespace sonnavet
