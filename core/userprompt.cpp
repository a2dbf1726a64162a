#include "core/userprompt.h"

#include <QApplication>
#include <QMainWindow>

#include <atomic>

namespace {

// Not owned; nullptr means Qt's dialogs.
std::atomic<UserPrompt*> installedPrompt{nullptr};

} // namespace

UserPrompt::~UserPrompt() = default;

UserPrompt* UserPrompt::current() {
    static QtUserPrompt qtPrompt;
    UserPrompt* prompt = installedPrompt.load();
    return prompt ? prompt : &qtPrompt;
}

UserPrompt* UserPrompt::install(UserPrompt* prompt) {
    return installedPrompt.exchange(prompt);
}

QWidget* UserPrompt::ownerFor(QWidget* asking) {
    for (QWidget* widget = asking; widget; widget = widget->parentWidget()) {
        if (widget->window()->isVisible())
            return widget;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

QMessageBox::StandardButton QtUserPrompt::information(QWidget* parent, const QString& title,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) {
    return QMessageBox::information(ownerFor(parent), title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::warning(QWidget* parent, const QString& title,
                                                  const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    return QMessageBox::warning(ownerFor(parent), title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::critical(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
    return QMessageBox::critical(ownerFor(parent), title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::question(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(ownerFor(parent), title, text, buttons, defaultButton);
}

QString QtUserPrompt::openFile(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter) {
    return QFileDialog::getOpenFileName(ownerFor(parent), caption, dir, filter);
}

QStringList QtUserPrompt::openFiles(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) {
    return QFileDialog::getOpenFileNames(ownerFor(parent), caption, dir, filter);
}

QString QtUserPrompt::saveFile(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter) {
    return QFileDialog::getSaveFileName(ownerFor(parent), caption, dir, filter);
}

QString QtUserPrompt::chooseFolder(QWidget* parent, const QString& caption, const QString& dir) {
    return QFileDialog::getExistingDirectory(ownerFor(parent), caption, dir);
}
