#pragma once

#include <string>

#include "platform/Geometry.h"

namespace sonnavet {

// The drawing operations the main window's paint handler needs. Coordinates
// are client-area pixels.
class PaintContext {
public:
    virtual ~PaintContext() = default;

    // Plain copy of width x height pixels of a bitmap resource from (srcX, srcY)
    // to (x, y). An unknown resource draws nothing.
    virtual void DrawBitmap(int bitmapId, int x, int y, int width, int height, int srcX, int srcY) = 0;
    // A filled disc of the given diameter centred on (cx, cy).
    virtual void DrawDisc(int cx, int cy, int diameter, Color color) = 0;
    // Clears the rectangle to the window's background.
    virtual void FillRect(const Rect& rect) = 0;
    // Text in the named face at a point size, left-aligned from the top, broken
    // between words at the right edge and clipped to the rectangle; black.
    virtual void DrawWrappedText(const std::string& text, const Rect& rect, const std::string& face,
                                 int pointSize) = 0;
    virtual void DrawIcon(int x, int y, int iconId) = 0;
};

}  // namespace sonnavet
