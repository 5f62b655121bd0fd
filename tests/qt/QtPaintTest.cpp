// What the handler's paint operations put on the client area, read back from
// a grab of the real widget.
#include <QImage>
#include <QPalette>

#include "MainWindowFixture.h"
#include "platform/Geometry.h"
#include "resources/ResourceIds.h"
#include "resources/art/FretboardPicture.h"

namespace sonnavet::qttest {
namespace {

QRgb PictureAt(const RgbPicture& p, int x, int y)
{
    const std::size_t i = (static_cast<std::size_t>(y) * p.width + x) * 3;
    return qRgb(p.rgb[i], p.rgb[i + 1], p.rgb[i + 2]);
}

bool IsDark(QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }

class PaintTest : public MainWindowTest {
protected:
    QImage Grab()
    {
        handler.paints = 0;
        const QImage image = qt.Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(handler.paints, 0);
        return image;
    }
    QRgb Face() const { return qt.Client()->palette().color(QPalette::Window).rgb(); }
};

TEST_F(PaintTest, FretboardPictureAndGreenDisc)
{
    const int x0 = (828 - kFretboardWidth) / 2;
    handler.paint = [&](PaintContext& dc) {
        dc.DrawBitmap(IDB_FRETBOARD, x0, 10, kFretboardWidth, kFretboardHeight, 0, 0);
        dc.DrawDisc(111, 124, 20, Color{0, 255, 0});
        dc.DrawBitmap(IDB_FRETBOARD + 1, 0, 150, 100, 100, 0, 0);  // unknown: nothing
    };
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(828, 582));
    EXPECT_EQ(image.pixel(111, 124), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(111 + 8, 124), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(111, 124 - 8), qRgb(0, 255, 0));

    // Everywhere else the picture is copied pixel for pixel.
    const RgbPicture picture = RenderFretboardPicture();
    int differing = 0;
    for (int y = 0; y < kFretboardHeight; ++y)
        for (int x = 0; x < kFretboardWidth; ++x) {
            const int cx = x0 + x, cy = 10 + y;
            if (std::abs(cx - 111) <= 11 && std::abs(cy - 124) <= 11) continue;
            differing += image.pixel(cx, cy) != PictureAt(picture, x, y);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(image.pixel(x0 - 1, 50), Face());
    EXPECT_EQ(image.pixel(60, 140), Face());
}

TEST_F(PaintTest, WrappedTextInTheStatusRectangleIsClippedAndOnAFilledFace)
{
    const Rect status = MapDialogRect(Rect{228, 96, 546, 180});
    const Rect text{status.left + 10, status.top + 15, status.right, status.bottom};
    std::string words;
    for (int i = 0; i < 40; ++i) words += "Listen ";
    handler.paint = [&](PaintContext& dc) {
        dc.FillRect(status);
        dc.DrawWrappedText(words, text, "Arial", 32);
    };
    const QImage image = Grab();
    const auto darkInRows = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = text.left; x < text.right; ++x) n += IsDark(image.pixel(x, y));
        return n;
    };
    // 43-pixel type: the first two lines lie wholly inside, the third is cut.
    EXPECT_GT(darkInRows(text.top, text.top + 43), 200);
    EXPECT_GT(darkInRows(text.top + 50, text.top + 93), 200);
    // Nothing left of the text's rectangle, nor below the frame.
    int outside = 0;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = status.left + 2; x < text.left; ++x) outside += IsDark(image.pixel(x, y));
    for (int y = status.bottom + 1; y < status.bottom + 8; ++y)
        for (int x = text.left; x < text.right; ++x) outside += IsDark(image.pixel(x, y));
    EXPECT_EQ(outside, 0);

    words = "Go";
    const QImage shortText = Grab();
    EXPECT_EQ(shortText.pixel(text.right - 20, text.top + 20), Face());  // filled, no old text
    EXPECT_GT(std::count_if(reinterpret_cast<const QRgb*>(shortText.constScanLine(text.top + 25)) + text.left,
                            reinterpret_cast<const QRgb*>(shortText.constScanLine(text.top + 25)) + text.left + 60,
                            IsDark),
              0);
}

TEST_F(PaintTest, IconAndWindowIcon)
{
    handler.paint = [](PaintContext& dc) {
        dc.DrawIcon(20, 20, IDR_MAINFRAME);
        dc.DrawIcon(120, 20, IDR_MAINFRAME + 7);  // unknown: nothing
    };
    const QImage image = Grab();
    int iconPixels = 0, unknownPixels = 0;
    for (int y = 20; y < 52; ++y)
        for (int x = 0; x < 32; ++x) {
            iconPixels += image.pixel(20 + x, y) != Face();
            unknownPixels += image.pixel(120 + x, y) != Face();
        }
    EXPECT_GT(iconPixels, 32 * 32 / 3);
    EXPECT_EQ(unknownPixels, 0);
    EXPECT_EQ(image.pixel(20 + 32, 36), Face());  // 32 x 32, no larger
    EXPECT_EQ(window->SystemIconSize(), 32);

    EXPECT_TRUE(qt.Frame()->windowIcon().isNull());
    window->SetIcon(IDR_MAINFRAME, true);
    window->SetIcon(IDR_MAINFRAME, false);
    EXPECT_FALSE(qt.Frame()->windowIcon().isNull());
}

TEST_F(PaintTest, InvalidateAllRepaintsTheClientArea)
{
    ShowActive();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(qt.Frame()));
    QApplication::processEvents();
    const int before = handler.paints;
    window->InvalidateAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return handler.paints > before; }, 5000));
}

}  // namespace
}  // namespace sonnavet::qttest
