#include "resources/art/FretboardPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sonnavet {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 125;

struct Colour {
    float r, g, b;
};

constexpr Colour kWood{30.0F, 21.0F, 0.0F};
constexpr Colour kCream{255.0F, 233.0F, 179.0F};
constexpr Colour kWireLight{194.0F, 194.0F, 194.0F};
constexpr Colour kWireDark{168.0F, 168.0F, 168.0F};

constexpr int kNutLeft = 4;
constexpr int kNutRight = 9;

// Left column of each fret wire; every wire is two pixels wide.
constexpr std::array<int, 17> kWireX{66,  129, 189, 247, 301, 354, 407, 450, 492,
                                     534, 569, 603, 638, 670, 701, 730, 760};

struct StringLook {
    float centre;     // y of the string's middle, pixel centres at whole numbers
    float thickness;  // pixels
    Colour core;      // colour along the middle
    Colour edge;      // colour at the rim, for a round look
    bool wound;
};

// From the top: high E, B, G, D, A, low E. The upper two are plain, thinner
// and dimmer; the lower four are wound and three pixels thick.
constexpr std::array<StringLook, 6> kStringLooks{{
    {9.6F, 1.5F, {186, 186, 186}, {150, 150, 150}, false},
    {30.0F, 2.0F, {200, 200, 200}, {160, 160, 160}, false},
    {53.0F, 3.0F, {220, 220, 219}, {146, 144, 140}, true},
    {74.0F, 3.0F, {220, 220, 219}, {146, 144, 140}, true},
    {95.0F, 3.0F, {220, 220, 219}, {146, 144, 140}, true},
    {115.0F, 3.0F, {220, 220, 219}, {146, 144, 140}, true},
}};

struct Inlay {
    int fret;
    float y;
};

constexpr float kInlayRadius = 6.0F;
constexpr std::array<Inlay, 8> kInlays{{
    {3, 64.0F}, {5, 64.0F}, {7, 64.0F}, {9, 64.0F}, {12, 30.0F}, {12, 95.0F}, {15, 64.0F}, {17, 64.0F},
}};

// Working picture in floating point, so that the layers blend without
// rounding at every step.
class Canvas {
public:
    Canvas() : pixels_(static_cast<std::size_t>(kWidth) * kHeight) {}

    Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * kWidth + x]; }

    void Blend(int x, int y, const Colour& c, float alpha)
    {
        if (x < 0 || x >= kWidth || y < 0 || y >= kHeight || alpha <= 0.0F) return;
        alpha = std::min(alpha, 1.0F);
        Colour& p = At(x, y);
        p.r += (c.r - p.r) * alpha;
        p.g += (c.g - p.g) * alpha;
        p.b += (c.b - p.b) * alpha;
    }

    void Darken(int x, int y, float amount)
    {
        if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return;
        Colour& p = At(x, y);
        const float keep = 1.0F - amount;
        p.r *= keep;
        p.g *= keep;
        p.b *= keep;
    }

    RgbPicture ToPicture() const
    {
        RgbPicture picture;
        picture.width = kWidth;
        picture.height = kHeight;
        picture.rgb.resize(pixels_.size() * 3);
        auto out = picture.rgb.begin();
        for (const Colour& p : pixels_) {
            *out++ = ToByte(p.r);
            *out++ = ToByte(p.g);
            *out++ = ToByte(p.b);
        }
        return picture;
    }

private:
    static std::uint8_t ToByte(float v)
    {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
    }

    std::vector<Colour> pixels_;
};

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

// A small deterministic hash for the grain, the same picture at every start.
float Noise(unsigned n)
{
    n = (n << 13U) ^ n;
    n = n * (n * n * 15731U + 789221U) + 1376312589U;
    return static_cast<float>(n & 0x7fffffffU) / 2147483647.0F;
}

// Dark wood with faint streaks along the neck that waver a little, and a
// shade that deepens toward the bottom edge.
void PaintWood(Canvas& canvas)
{
    constexpr int kGrainRows = 4 * kHeight + 64;
    std::array<float, kGrainRows> streak{};
    for (int i = 0; i < kGrainRows; ++i) streak[i] = Noise(static_cast<unsigned>(i) * 7919U + 17U);
    // Smooth the streaks so that neighbouring rows of grain blend.
    std::array<float, kGrainRows> smooth{};
    for (int i = 0; i < kGrainRows; ++i) {
        const float before = streak[static_cast<std::size_t>(std::max(i - 1, 0))];
        const float after = streak[static_cast<std::size_t>(std::min(i + 1, kGrainRows - 1))];
        smooth[i] = 0.25F * before + 0.5F * streak[i] + 0.25F * after;
    }

    std::array<int, kWidth> waver{};
    for (int x = 0; x < kWidth; ++x) {
        const float fx = static_cast<float>(x);
        waver[x] = static_cast<int>(std::lround(24.0F + 10.0F * std::sin(fx * 0.0071F) + 6.0F * std::sin(fx * 0.023F + 1.3F)));
    }

    std::array<float, kHeight> shade{};
    for (int y = 0; y < kHeight; ++y) {
        const float t = static_cast<float>(y) / static_cast<float>(kHeight - 1);
        float s = Lerp(1.08F, 0.80F, t);
        const int fromBottom = kHeight - 1 - y;
        if (fromBottom < 12) s *= Lerp(0.55F, 1.0F, static_cast<float>(fromBottom) / 12.0F);
        if (y < 3) s *= Lerp(0.8F, 1.0F, static_cast<float>(y) / 3.0F);
        shade[y] = s;
    }

    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float grain = smooth[static_cast<std::size_t>(4 * y + waver[x])];
            const float f = shade[y] * (0.86F + 0.28F * grain);
            canvas.At(x, y) = Colour{kWood.r * f, kWood.g * f, kWood.b * f + 1.5F * grain};
        }
    }
}

void PaintNut(Canvas& canvas)
{
    for (int y = 0; y < kHeight; ++y) {
        for (int x = kNutLeft; x <= kNutRight; ++x) canvas.At(x, y) = kCream;
        canvas.Darken(kNutRight + 1, y, 0.45F);
        canvas.Darken(kNutRight + 2, y, 0.2F);
    }
}

// The middle of fret f (1 to 17): the space between wire f - 1 (or the nut) and wire f.
float FretMiddle(int fret)
{
    const int left = fret == 1 ? kNutRight + 1 : kWireX[static_cast<std::size_t>(fret - 2)] + 2;
    const int right = kWireX[static_cast<std::size_t>(fret - 1)] - 1;
    return 0.5F * static_cast<float>(left + right);
}

// Mother-of-pearl discs: a little lighter in the upper left, smooth edges.
void PaintInlays(Canvas& canvas)
{
    constexpr Colour kPearlLight{255.0F, 246.0F, 222.0F};
    for (const Inlay& inlay : kInlays) {
        const float cx = FretMiddle(inlay.fret);
        const float cy = inlay.y;
        const int x0 = static_cast<int>(std::floor(cx - kInlayRadius - 1.0F));
        const int x1 = static_cast<int>(std::ceil(cx + kInlayRadius + 1.0F));
        const int y0 = static_cast<int>(std::floor(cy - kInlayRadius - 1.0F));
        const int y1 = static_cast<int>(std::ceil(cy + kInlayRadius + 1.0F));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const float dx = static_cast<float>(x) - cx;
                const float dy = static_cast<float>(y) - cy;
                const float d = std::sqrt(dx * dx + dy * dy);
                const float coverage = std::clamp(kInlayRadius + 0.5F - d, 0.0F, 1.0F);
                if (coverage <= 0.0F) continue;
                const float glow = std::clamp(1.0F - std::sqrt((dx + 2.0F) * (dx + 2.0F) + (dy + 2.0F) * (dy + 2.0F)) / 5.0F, 0.0F, 1.0F);
                const Colour c{Lerp(kCream.r, kPearlLight.r, glow), Lerp(kCream.g, kPearlLight.g, glow),
                               Lerp(kCream.b, kPearlLight.b, glow)};
                canvas.Blend(x, y, c, coverage);
            }
        }
    }
}

void PaintFretWires(Canvas& canvas)
{
    for (const int x : kWireX) {
        for (int y = 0; y < kHeight; ++y) {
            canvas.At(x, y) = kWireLight;
            canvas.At(x + 1, y) = kWireDark;
            canvas.Darken(x + 2, y, 0.5F);
            canvas.Darken(x - 1, y, 0.15F);
        }
    }
}

// Fraction of pixel row y (spanning y - 0.5 to y + 0.5) that a band covers.
float RowCoverage(int y, float top, float bottom)
{
    const float lo = std::max(static_cast<float>(y) - 0.5F, top);
    const float hi = std::min(static_cast<float>(y) + 0.5F, bottom);
    return std::max(hi - lo, 0.0F);
}

void PaintStrings(Canvas& canvas)
{
    for (const StringLook& s : kStringLooks) {
        const float top = s.centre - 0.5F * s.thickness;
        const float bottom = s.centre + 0.5F * s.thickness;
        const int y0 = static_cast<int>(std::floor(top));
        const int y1 = static_cast<int>(std::ceil(bottom));
        // The string's shadow on the wood, just below it.
        for (int x = 0; x < kWidth; ++x) {
            if (x >= kNutLeft && x <= kNutRight) continue;
            canvas.Darken(x, y1 + 1, 0.35F);
            canvas.Darken(x, y1 + 2, 0.15F);
        }
        for (int y = y0; y <= y1; ++y) {
            const float coverage = RowCoverage(y, top, bottom);
            if (coverage <= 0.0F) continue;
            // 0 in the middle of the string, 1 at its rim.
            const float rim = std::min(std::fabs(static_cast<float>(y) - s.centre) / (0.5F * s.thickness + 0.01F), 1.0F);
            const Colour base{Lerp(s.core.r, s.edge.r, rim), Lerp(s.core.g, s.edge.g, rim), Lerp(s.core.b, s.edge.b, rim)};
            for (int x = 0; x < kWidth; ++x) {
                Colour c = base;
                if (s.wound && rim > 0.0F) {
                    // The winding: slanted grooves every three pixels on the rims.
                    const int phase = (x + (y > s.centre ? 1 : 0)) % 3;
                    if (phase == 0) c = Colour{c.r * 0.78F, c.g * 0.78F, c.b * 0.78F};
                }
                canvas.Blend(x, y, c, coverage);
            }
        }
    }
}

}  // namespace

RgbPicture RenderFretboardPicture()
{
    Canvas canvas;
    PaintWood(canvas);
    PaintNut(canvas);
    PaintInlays(canvas);
    PaintFretWires(canvas);
    PaintStrings(canvas);
    return canvas.ToPicture();
}

}  // namespace sonnavet
