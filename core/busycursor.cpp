#include "core/busycursor.h"

#include "core/servicecallrunner.h"

#include <QWidget>

void showWaitCursorWhileBusy(ServiceCallRunner* runner, QWidget* window) {
    QObject::connect(runner, &ServiceCallRunner::busyChanged, window, [window](bool busy) {
        if (busy)
            window->setCursor(Qt::WaitCursor);
        else
            window->unsetCursor();
    });
}
