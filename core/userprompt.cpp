#include "core/userprompt.h"

#include "core/windowposition.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

#include <atomic>

namespace {

// Not owned; nullptr means Qt's dialogs.
std::atomic<UserPrompt*> installedPrompt{nullptr};

} // namespace

UserPrompt::~UserPrompt() = default;

QMessageBox::StandardButton UserPrompt::warningWithButtons(QWidget* parent, const QString& title,
                                                           const QString& text, const QString&,
                                                           const QString&) {
    return warning(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

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
    return showBox(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::warning(QWidget* parent, const QString& title,
                                                  const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    return showBox(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::critical(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
    return showBox(QMessageBox::Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtUserPrompt::question(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
    return showBox(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

// As QMessageBox's static functions do it, but placed by us.
QMessageBox::StandardButton QtUserPrompt::showBox(QMessageBox::Icon icon, QWidget* parent,
                                                  const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    QWidget* owner = ownerFor(parent);
    QMessageBox box(icon, title, text, QMessageBox::NoButton, owner);
    windowposition::keepCentredOver(&box, owner);
    for (uint mask = QMessageBox::FirstButton; mask <= QMessageBox::LastButton; mask <<= 1) {
        const auto standard = static_cast<QMessageBox::StandardButton>(uint(buttons) & mask);
        if (standard == QMessageBox::NoButton)
            continue;
        QPushButton* button = box.addButton(standard);
        // The asked default, else the first button that accepts.
        if (box.defaultButton())
            continue;
        if (defaultButton == QMessageBox::NoButton
                ? box.buttonRole(button) == QMessageBox::AcceptRole
                : standard == defaultButton)
            box.setDefaultButton(button);
    }
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

QMessageBox::StandardButton QtUserPrompt::warningWithButtons(QWidget* parent, const QString& title,
                                                             const QString& text,
                                                             const QString& firstButton,
                                                             const QString& secondButton) {
    QWidget* owner = ownerFor(parent);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
    windowposition::keepCentredOver(&box, owner);
    QPushButton* first = box.addButton(firstButton, QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(secondButton, QMessageBox::RejectRole);
    // Windows with button images fix their buttons' width in their style sheets, which
    // reach a box opened over them; these texts are longer than such a button.
    for (QPushButton* button : {first, second}) {
        const int width = button->fontMetrics().horizontalAdvance(button->text()) + 24;
        button->setStyleSheet(QStringLiteral("QPushButton { width: %1px; }").arg(width));
    }
    box.setDefaultButton(first);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first ? QMessageBox::Yes : QMessageBox::No;
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
    // The path the user chose, not a link's target: a link stays valid when what it
    // points to moves, and the user recognises it in the settings.
    return QFileDialog::getExistingDirectory(ownerFor(parent), caption, dir,
                                             QFileDialog::ShowDirsOnly |
                                                 QFileDialog::DontResolveSymlinks);
}
