#include "filemanager/dialogcalls.h"

#include "core/servicecallrunner.h"

#include <QDialog>

namespace {

bool callsRun(const QDialog* dialog) {
    for (const ServiceCallRunner* calls : dialog->findChildren<ServiceCallRunner*>()) {
        if (calls->isBusy())
            return true;
    }
    return false;
}

} // namespace

void releaseAfterCalls(QDialog* dialog) {
    if (!callsRun(dialog)) {
        delete dialog;
        return;
    }
    // Deferred: the runner tells it is idle just before it hands the last result over.
    for (ServiceCallRunner* calls : dialog->findChildren<ServiceCallRunner*>()) {
        QObject::connect(calls, &ServiceCallRunner::busyChanged, dialog, [dialog](bool busy) {
            if (!busy && !callsRun(dialog))
                dialog->deleteLater();
        });
    }
}

QWidget* resultOwner(QWidget* dialog) {
    return dialog->isVisible() ? dialog : dialog->parentWidget();
}
