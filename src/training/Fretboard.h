#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace sonnavet {

class PaintContext;

constexpr int kStrings = 6;
constexpr int kFrets = 18;
constexpr int kNoMarker = -1;
constexpr int kMarkerBright = 255;
constexpr int kMarkerFade = 100;
constexpr int kMarkerDiameter = 20;
constexpr int kPictureTop = 10;

// Marker brightness per string (0 = low E) and fret; -1 = no marker.
using MarkerGrid = std::array<std::array<std::int32_t, kFrets>, kStrings>;

void ResetMarkers(MarkerGrid& grid);
bool HasMarkers(const MarkerGrid& grid);

// Centre x of each fret position and y of each string (low E first) on the picture.
constexpr std::array<std::int32_t, kFrets> kFretX{10,  38,  97,  160, 219, 275, 329, 382, 430,
                                                   472, 513, 552, 587, 621, 655, 687, 717, 747};
constexpr std::array<std::int32_t, kStrings> kStringY{114, 94, 73, 52, 30, 9};

// The status text area, the etched frame, in dialog units.
constexpr Rect kStatusRectUnits{228, 96, 546, 180};

// Puts a marker where the hand in this position takes the note.
void MarkNote(MarkerGrid& grid, int fretPosition, int note, bool stretchDown);

struct FretboardView {
    int clientWidth = 0;
    int bitmapId = 0;   // 0 = no picture
    const std::array<std::int32_t, kFrets>& fretX;
    const std::array<std::int32_t, kStrings>& stringY;
    const std::string& statusText;
};

// Draws the picture, the markers (each one step dimmer afterwards) and the
// status text.
void PaintFretboard(PaintContext& dc, const FretboardView& view, MarkerGrid& grid);

}  // namespace sonnavet
