#include "core/windowshape.h"

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
