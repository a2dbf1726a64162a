#pragma once
// The dialogs, message boxes and menus shown over the main window, as the teardown of an
// account needs them: it closes them first, and destroys the tabs only once every modal
// run they started has ended. A dialog runs its own event loop inside the code that opened
// it, often a tab's, and often on that code's stack; a teardown from inside such a loop
// would destroy the window and the code the loop returns to.
#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

class OpenWindows : public QObject {
    Q_OBJECT
public:
    // Watches every dialog and menu the program shows from now on. `spared` (the login
    // dialog) is neither closed nor waited for.
    OpenWindows(QObject* parent, QWidget* spared);

    // Closes every dialog and menu that shows. One may refuse (a file copy that only its
    // own end closes) and stay.
    void closeAll();
    bool anyOpen() const;
    // Whether the event loop running now is no deeper than `level` (where the teardown was
    // asked for) nor than any of the modal runs of these windows, which have then all
    // returned to the code that started them.
    bool unwound(int level) const;
    // The class names of the hidden windows that unwound() still waits for: shown from a
    // shallower loop than the one running now, they may be inside their run. One kept
    // alive after its run looks the same, for ever.
    QStringList possiblyInRuns() const;

    // The depth of the event loops running on this thread.
    static int loopLevel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watches(const QWidget* window) const;

    QPointer<QWidget> spared;
};
