#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

#include "platform/PaintContext.h"

class QPainter;

namespace sonnavet {

// The pictures a Qt window draws: bitmap 130 and icon 128.
struct QtResources {
    QImage fretboard;    // bitmap 130
    QPixmap icon;        // icon 128 at the system icon size
    QPixmap largeIcon;   // icon 128 as drawn by the artist
};

// Pixel height of a font of `pointSize` points on a 96-dpi screen, as the
// program's fonts are sized for such a screen.
constexpr int PointsToPixels(int pointSize) { return (pointSize * 96 + 36) / 72; }

// Paint operations on a painter that is open on a window's client widget.
class QtPaintContext : public PaintContext {
public:
    QtPaintContext(QPainter& painter, const QtResources& resources, const QColor& faceColour);

    void DrawBitmap(int bitmapId, int x, int y, int width, int height, int srcX, int srcY) override;
    void DrawDisc(int cx, int cy, int diameter, Color color) override;
    void FillRect(const Rect& rect) override;
    void DrawWrappedText(const std::string& text, const Rect& rect, const std::string& face,
                         int pointSize) override;
    void DrawIcon(int x, int y, int iconId) override;

private:
    QPainter& painter;
    const QtResources& resources;
    QColor face;
};

}  // namespace sonnavet
