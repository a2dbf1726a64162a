#pragma once
// What the file manager's dialogs do with a service call that outlives them: the user may
// close a dialog while its call runs, and the call's result still reaches the window that
// opened it (a reload after success, a refusal shown over that window). So a closed dialog
// stays, hidden, until its calls are done.
class QDialog;
class QWidget;

// Frees `dialog`, which its opener ran and which has closed: at once, or once the results
// of the calls it still runs have been handled.
void releaseAfterCalls(QDialog* dialog);

// The window a result of `dialog` is shown over: the dialog while it shows, else the
// window that opened it.
QWidget* resultOwner(QWidget* dialog);
