#pragma once

#include <cstdint>

namespace sonnavet {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Color&) const = default;
};

// Dialog units of the 8-point dialog font: 4 horizontal units are 6 pixels and
// 8 vertical units are 13 pixels, rounded to the nearest pixel like MulDiv.
constexpr int kDialogBaseX = 6;
constexpr int kDialogBaseY = 13;

constexpr int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int DialogUnitsToPixelsX(int units) { return MulDiv(units, kDialogBaseX, 4); }
constexpr int DialogUnitsToPixelsY(int units) { return MulDiv(units, kDialogBaseY, 8); }

constexpr Rect MapDialogRect(Rect units)
{
    return Rect{DialogUnitsToPixelsX(units.left), DialogUnitsToPixelsY(units.top),
                DialogUnitsToPixelsX(units.right), DialogUnitsToPixelsY(units.bottom)};
}

}  // namespace sonnavet
