#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/art/FretboardPicture.h"

namespace sonnavet {

// The picture as a Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER,
// 24 bits per pixel in blue-green-red order, rows bottom-up, each row padded
// to a multiple of four bytes. An empty or malformed picture gives no bytes.
std::vector<std::uint8_t> EncodeBmp24(const RgbPicture& picture);

// Writes EncodeBmp24's bytes to a file; false when nothing could be written.
bool WriteBmpFile(const RgbPicture& picture, const std::string& path);

}  // namespace sonnavet
