#include "filemanager/framelesspopup.h"

#include "core/windowshape.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QLabel>
#include <QMovie>

FramelessPopup::FramelessPopup(QWidget* parent) : QDialog(parent), windowDrag(this) {}

void FramelessPopup::makeFrameless(const QString& background, bool alwaysOnTop) {
    makeFramelessShaped(this, background, alwaysOnTop);
}

void FramelessPopup::setLoadingAnimation(QLabel* label) {
    if (!loadingMovie) {
        loadingMovie = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
        loadingMovie->start();
        loadingMovie->setPaused(!isVisible());
    }
    label->setMovie(loadingMovie);
}

void FramelessPopup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loadingMovie)
        loadingMovie->setPaused(false);
}

void FramelessPopup::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (loadingMovie)
        loadingMovie->setPaused(true);
}
