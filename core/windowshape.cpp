#include "core/windowshape.h"

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
