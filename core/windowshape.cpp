#include "core/windowshape.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QBitmap>
#include <QPixmap>
#include <QWidget>

bool shapeWindowFromImage(QWidget* window, const QString& imageResource) {
    const QPixmap image(imageResource);
    if (image.isNull()) {
        qWarning("Window image %s is missing; the window keeps its rectangular shape",
                 qUtf8Printable(imageResource));
        window->clearMask();
        return false;
    }
    window->setMask(image.mask());
    return true;
}

void makeFramelessShaped(QWidget* window, const QString& imageResource, bool alwaysOnTop) {
    if (alwaysOnTop || SettingsStore().boolean(QString::fromLatin1(SettingsKeys::StayOnTop)))
        window->setWindowFlags(window->windowFlags() | Qt::WindowStaysOnTopHint);
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(window, imageResource);
}
