#include "core/windowshape.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QBitmap>
#include <QPixmap>
#include <QWidget>

namespace {

bool shapeWindow(QWidget* window, const QString& imageResource, bool stretched) {
    QPixmap image(imageResource);
    if (image.isNull()) {
        qWarning("Window image %s is missing; the window keeps its rectangular shape",
                 qUtf8Printable(imageResource));
        window->clearMask();
        return false;
    }
    if (stretched)
        image = image.scaled(window->size());
    window->setMask(image.mask());
    return true;
}

} // namespace

bool shapeWindowFromImage(QWidget* window, const QString& imageResource) {
    return shapeWindow(window, imageResource, false);
}

bool shapeWindowFromStretchedImage(QWidget* window, const QString& imageResource) {
    return shapeWindow(window, imageResource, true);
}

void makeFramelessShaped(QWidget* window, const QString& imageResource, bool alwaysOnTop) {
    if (alwaysOnTop || SettingsStore().boolean(QString::fromLatin1(SettingsKeys::StayOnTop)))
        window->setWindowFlags(window->windowFlags() | Qt::WindowStaysOnTopHint);
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(window, imageResource);
}
