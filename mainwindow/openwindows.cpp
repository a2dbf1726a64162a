#include "mainwindow/openwindows.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QThread>
#include <QWidget>

namespace {

// The loop depth a window was shown at: its modal run, if it has one, is one deeper.
const char kShownAt[] = "openWindowsShownAt";

} // namespace

OpenWindows::OpenWindows(QObject* parent, QWidget* spared) : QObject(parent), spared(spared) {
    qApp->installEventFilter(this);
}

int OpenWindows::loopLevel() {
    return QThread::currentThread()->loopLevel();
}

bool OpenWindows::watches(const QWidget* window) const {
    if (!window->isWindow() || window == spared)
        return false;
    return qobject_cast<const QDialog*>(window) || window->windowType() == Qt::Popup;
}

bool OpenWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (watches(window))
            window->setProperty(kShownAt, loopLevel());
    }
    return false;
}

void OpenWindows::closeAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !watches(window))
            continue;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject(); // a message box too: it answers as if cancelled
        else
            window->close();
    }
}

bool OpenWindows::anyOpen() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && watches(window))
            return true;
    }
    return false;
}

bool OpenWindows::unwound(int level) const {
    return loopLevel() <= level && possiblyInRuns().isEmpty();
}

QStringList OpenWindows::possiblyInRuns() const {
    const int now = loopLevel();
    QStringList names;
    // A window closed a moment ago may still be inside its modal run, hidden, until control
    // goes back to the loop below it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QVariant shownAt = window->property(kShownAt);
        if (shownAt.isValid() && watches(window) && now > shownAt.toInt())
            names << QString::fromLatin1(window->metaObject()->className());
    }
    return names;
}
