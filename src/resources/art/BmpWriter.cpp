#include "resources/art/BmpWriter.h"

#include <cstddef>
#include <fstream>

namespace sonnavet {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// 2835 pixels per metre is 72 dots per inch.
constexpr std::uint32_t kPixelsPerMetre = 2835;

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    out[at] = static_cast<std::uint8_t>(v & 0xFFU);
    out[at + 1] = static_cast<std::uint8_t>((v >> 8U) & 0xFFU);
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    PutU16(out, at, v & 0xFFFFU);
    PutU16(out, at + 2, v >> 16U);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const RgbPicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return {};
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    if (picture.rgb.size() != width * height * 3) return {};

    const std::size_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    const std::size_t imageSize = rowBytes * height;
    std::vector<std::uint8_t> out(offset + imageSize, 0);

    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    PutU32(out, 10, static_cast<std::uint32_t>(offset));

    PutU32(out, 14, static_cast<std::uint32_t>(kInfoHeaderSize));
    PutU32(out, 18, static_cast<std::uint32_t>(width));
    PutU32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
    PutU16(out, 26, 1);                                   // planes
    PutU16(out, 28, 24);                                  // bits per pixel
    PutU32(out, 30, 0);                                   // no compression
    PutU32(out, 34, static_cast<std::uint32_t>(imageSize));
    PutU32(out, 38, kPixelsPerMetre);
    PutU32(out, 42, kPixelsPerMetre);

    for (std::size_t row = 0; row < height; ++row) {
        const std::uint8_t* src = picture.rgb.data() + (height - 1 - row) * width * 3;
        std::uint8_t* dst = out.data() + offset + row * rowBytes;
        for (std::size_t x = 0; x < width; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return out;
}

bool WriteBmpFile(const RgbPicture& picture, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp24(picture);
    if (bytes.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace sonnavet
