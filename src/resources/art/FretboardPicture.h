#pragma once

#include <cstdint>
#include <vector>

namespace sonnavet {

// An RGB picture, rows from the top, three bytes (r, g, b) per pixel.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Draws the fretboard picture (bitmap resource 130), 800 x 125 pixels: nut,
// 17 fret wires, six strings and the inlay dots.
RgbPicture RenderFretboardPicture();

}  // namespace sonnavet
