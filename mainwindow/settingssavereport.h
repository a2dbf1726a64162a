#pragma once
// Telling the user that settings they saved could not be written. The settings are
// written off the GUI thread, so the outcome comes back later; the box says it once, with
// the program's usual error box, over the window that saved. The changes stay in force
// for this run, and are tried again with the next write.
#include <QString>

class QWidget;

namespace settingssavereport {

// The error box, with the reason the write gave.
void showFailure(QWidget* parent, const QString& reason);

// Hands every settings change made so far to the writer, and shows the box over `window`
// (or with no parent when null) if they could not be written. Nothing is shown once the
// window is gone.
void whenNotSaved(QWidget* window);

} // namespace settingssavereport
