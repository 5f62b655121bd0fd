#include "platform/qt/QtPaintContext.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "resources/ResourceIds.h"

namespace sonnavet {

QtPaintContext::QtPaintContext(QPainter& p, const QtResources& r, const QColor& faceColour)
    : painter(p), resources(r), face(faceColour)
{
}

void QtPaintContext::DrawBitmap(int bitmapId, int x, int y, int width, int height, int srcX, int srcY)
{
    if (bitmapId != IDB_FRETBOARD || resources.fretboard.isNull() || width <= 0 || height <= 0) return;
    painter.drawImage(QPoint(x, y), resources.fretboard, QRect(srcX, srcY, width, height));
}

void QtPaintContext::DrawDisc(int cx, int cy, int diameter, Color color)
{
    if (diameter <= 0) return;
    // A filled ellipse: a zero-length line with a wide round pen draws nothing in Qt.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(color.r, color.g, color.b));
    const double radius = diameter / 2.0;
    painter.drawEllipse(QPointF(cx + 0.5, cy + 0.5), radius, radius);
    painter.restore();
}

void QtPaintContext::FillRect(const Rect& rect)
{
    painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), face);
}

void QtPaintContext::DrawWrappedText(const std::string& text, const Rect& rect, const std::string& faceName,
                                     int pointSize)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QFont font;
    // Fontconfig maps Arial to its metric twin Liberation Sans; name it too in
    // case the alias is missing.
    font.setFamilies({QString::fromStdString(faceName), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(PointsToPixels(pointSize));
    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
    painter.restore();
}

void QtPaintContext::DrawIcon(int x, int y, int iconId)
{
    if (iconId != IDR_MAINFRAME || resources.icon.isNull()) return;
    painter.drawPixmap(x, y, resources.icon);
}

}  // namespace sonnavet
