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
