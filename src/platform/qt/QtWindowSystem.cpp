#include "platform/qt/QtWindowSystem.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>

#include "platform/qt/QtDialogWindow.h"
#include "resources/ResourceIds.h"
#include "resources/art/FretboardPicture.h"

namespace sonnavet {

namespace {

constexpr int kSystemIconSize = 32;
constexpr int kDialogFontPoints = 8;

QImage FretboardImage()
{
    const RgbPicture picture = RenderFretboardPicture();
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() < static_cast<std::size_t>(picture.width) * picture.height * 3)
        return {};
    const QImage rows(picture.rgb.data(), picture.width, picture.height, picture.width * 3, QImage::Format_RGB888);
    return rows.convertToFormat(QImage::Format_RGB32);  // deep copy in the painter's fastest format
}

}  // namespace

QtWindowSystem::QtWindowSystem()
{
    resources.fretboard = FretboardImage();
    resources.largeIcon = QPixmap(QStringLiteral(":/sonnavet/sonnavet-48.png"));
    if (!resources.largeIcon.isNull())
        resources.icon = resources.largeIcon.scaled(kSystemIconSize, kSystemIconSize, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation);

    dialogFont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPixelSize(PointsToPixels(kDialogFontPoints));
}

std::unique_ptr<DialogWindow> QtWindowSystem::CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                                                 DialogMessageHandler& handler)
{
    auto window = std::make_unique<QtDialogWindow>(dialogTemplate, handler, resources, dialogFont);
    if (dialogTemplate.menuId != 0) {
        mainFrame = window->Frame();
        mainWindow = window.get();
        mainHandler = &handler;
    }
    return window;
}

void QtWindowSystem::RequestClose()
{
    if (!mainFrame) return;   // no main window, or it is gone already
    // The About box or a question would keep the main window's loop waiting.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != mainFrame) modal->close();
    // Before its loop runs (the MIDI failure message) the window ends by itself.
    if (mainWindow->IsRunning()) mainHandler->HandleClose();
}

bool QtWindowSystem::HasIcon(int iconId) const { return iconId == IDR_MAINFRAME && !resources.icon.isNull(); }

bool QtWindowSystem::HasBitmap(int bitmapId) const
{
    return bitmapId == IDB_FRETBOARD && !resources.fretboard.isNull();
}

}  // namespace sonnavet
