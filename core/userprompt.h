#pragma once
// Every message box, question and file or folder chooser of the program goes through
// UserPrompt::current(), so that tests can answer them without a modal loop (see
// ScriptedUserPrompt). Called on the GUI thread only, and never while a lock is held.
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class UserPrompt {
public:
    virtual ~UserPrompt();

    // The prompt in use: the one installed last, else the one that shows Qt's dialogs.
    static UserPrompt* current();
    // Makes prompt the current one (nullptr: back to Qt's dialogs); returns the one it
    // replaces. The caller keeps ownership.
    static UserPrompt* install(UserPrompt* prompt);

    // The window a box asked for by `asking` opens over: `asking` while its window shows,
    // else the nearest of its parents that shows, else the main window when it shows;
    // nullptr when nothing does. So that no box lands in a corner of the screen, away
    // from what it is about (a dialog that asks as it closes, say).
    static QWidget* ownerFor(QWidget* asking);

    // Keeps `box` centred over the window of `owner` (over the screen when that window
    // does not show): placed so as it shows, and kept on the same centre, inside the
    // screen, whenever it resizes; a box the user drags, by its face or through the window
    // manager, keeps the new centre. The window manager does not place frameless windows,
    // and a frameless window that resizes is otherwise sent to the screen's corner. Every
    // box of the program is placed so.
    static void keepCentredOver(QWidget* box, QWidget* owner);

    // From now on, a frameless window that shows with no position of the program's is
    // centred by the program over its parent's window, or over the screen: the window
    // manager places such a window without telling where, so the boxes it asks for would
    // be centred over a stale position (the screen's corner). And the toolkit's record of
    // a frameless window's position is made right (see correctKnownPosition()) before a
    // press of a key or a mouse button reaches the window, and as a popup (a combo box's
    // list, a menu, a completer's list) opens from it, which then moves along: the toolkit
    // places popups from that record. Once per program.
    static void placeFramelessWindows();
    // A window's frame as the program knows it. For a frameless window: where the
    // program's own moves put it, or, once the window system has reported it elsewhere
    // (a drag through the window manager, or a stale report of the screen's corner after
    // the window manager framed it), where the window system says it stands when asked
    // afresh.
    static QRect knownFrame(const QWidget* window);
    // Sets the toolkit's record of the shown `window`'s position to knownFrame() when the
    // two differ, without moving the window on the screen; returns by how much the record
    // was off. A maximised or full-screen window is left alone.
    static QPoint correctKnownPosition(QWidget* window);

    // Message boxes, with the arguments of QMessageBox's static functions; the result is
    // the button the user chose.
    virtual QMessageBox::StandardButton
    information(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    warning(QWidget* parent, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    critical(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    question(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // A warning with two buttons of its own texts, the first one the default; Escape
    // answers with the second. Yes for the first button, No otherwise. By default the
    // plain warning with Yes and No stands in for it.
    virtual QMessageBox::StandardButton warningWithButtons(QWidget* parent, const QString& title,
                                                           const QString& text,
                                                           const QString& firstButton,
                                                           const QString& secondButton);

    // Choosers, with the arguments of QFileDialog's static functions; an empty result
    // means the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& dir = {},
                             const QString& filter = {}) = 0;
    virtual QStringList openFiles(QWidget* parent, const QString& caption, const QString& dir = {},
                                  const QString& filter = {}) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& dir = {},
                             const QString& filter = {}) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& caption,
                                 const QString& dir = {}) = 0;
};

// The real one: Qt's modal dialogs with exactly the titles, texts and buttons given.
class QtUserPrompt : public UserPrompt {
public:
    QMessageBox::StandardButton information(QWidget* parent, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton warningWithButtons(QWidget* parent, const QString& title,
                                                   const QString& text, const QString& firstButton,
                                                   const QString& secondButton) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QStringList openFiles(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& dir) override;

private:
    static QMessageBox::StandardButton showBox(QMessageBox::Icon icon, QWidget* parent,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton);
};
