#include "core/userprompt.h"

#include "core/windowposition.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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

namespace {

// The width a push button needs to show its text beside its icon with the room the
// application's style gives them where no style sheet fixes a button's width (as in a
// chooser over a window without one), and never less than its own face needs around them.
int widthForText(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const int face =
        button.width() -
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    QSize contents = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    // The style puts 4 pixels between a button's icon and its text.
    if (!button.icon().isNull())
        contents.rwidth() += button.iconSize().width() + 4;
    const int plain = QApplication::style()
                          ->sizeFromContents(QStyle::CT_PushButton, &option, contents, nullptr)
                          .width();
    return qMax(plain, contents.width() + face);
}

// A box or chooser opened over one of our skinned windows takes its style sheet, which
// fixes the width of every push button (or of those in a box named "buttonBox", as the
// chooser's is) at what the window's own short texts need: longer texts ("Cancel" and
// "Open" in some languages, a question's own answers) would be cut. The buttons get the
// width their texts need, one width for all, as a column or row of buttons has where no
// sheet interferes. Call it on buttons already in their window (its sheet applies).
void fitButtonsToTexts(const QList<QPushButton*>& buttons) {
    int width = 0;
    for (QPushButton* button : buttons) {
        button->window()->ensurePolished();
        // Never narrower than the sheet makes it: a row that fits gets no tighter.
        width = qMax(width, qMax(widthForText(*button), button->sizeHint().width()));
    }
    for (QPushButton* button : buttons)
        button->setMinimumWidth(qMax(button->minimumWidth(), width));
}

// The chooser's buttons, fitted as above.
void fitChooserButtons(QFileDialog& chooser) {
    auto* box = chooser.findChild<QDialogButtonBox*>();
    if (!box)
        return;
    QList<QPushButton*> buttons;
    for (QAbstractButton* abstract : box->buttons()) {
        if (auto* button = qobject_cast<QPushButton*>(abstract))
            buttons << button;
    }
    fitButtonsToTexts(buttons);
}

} // namespace

// As QMessageBox's static functions do it, but placed by us.
QMessageBox::StandardButton QtUserPrompt::showBox(QMessageBox::Icon icon, QWidget* parent,
                                                  const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    QWidget* owner = ownerFor(parent);
    QMessageBox box(icon, title, text, QMessageBox::NoButton, owner);
    windowposition::keepCentredOver(&box, owner);
    QList<QPushButton*> added;
    for (uint mask = QMessageBox::FirstButton; mask <= QMessageBox::LastButton; mask <<= 1) {
        const auto standard = static_cast<QMessageBox::StandardButton>(uint(buttons) & mask);
        if (standard == QMessageBox::NoButton)
            continue;
        QPushButton* button = box.addButton(standard);
        added << button;
        // The asked default, else the first button that accepts.
        if (box.defaultButton())
            continue;
        if (defaultButton == QMessageBox::NoButton
                ? box.buttonRole(button) == QMessageBox::AcceptRole
                : standard == defaultButton)
            box.setDefaultButton(button);
    }
    fitButtonsToTexts(added);
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
    // These texts are longer than the buttons of the skinned window the box opens over.
    fitButtonsToTexts({first, second});
    box.setDefaultButton(first);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first ? QMessageBox::Yes : QMessageBox::No;
}

namespace {

// Runs `chooser` as QFileDialog's static functions do, its buttons fitted first; what the
// user chose, or nothing when the user cancelled.
QStringList runChooser(QFileDialog& chooser) {
    // Local files only, which is what the callers take the answers for.
    chooser.setSupportedSchemes({QStringLiteral("file")});
    fitChooserButtons(chooser);
    if (chooser.exec() != QDialog::Accepted)
        return {};
    return chooser.selectedFiles();
}

} // namespace

QString QtUserPrompt::openFile(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter) {
    QFileDialog chooser(ownerFor(parent), caption, dir, filter);
    chooser.setFileMode(QFileDialog::ExistingFile);
    return runChooser(chooser).value(0);
}

QStringList QtUserPrompt::openFiles(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) {
    QFileDialog chooser(ownerFor(parent), caption, dir, filter);
    chooser.setFileMode(QFileDialog::ExistingFiles);
    return runChooser(chooser);
}

QString QtUserPrompt::saveFile(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter) {
    QFileDialog chooser(ownerFor(parent), caption, dir, filter);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    return runChooser(chooser).value(0);
}

QString QtUserPrompt::chooseFolder(QWidget* parent, const QString& caption, const QString& dir) {
    QFileDialog chooser(ownerFor(parent), caption, dir);
    chooser.setFileMode(QFileDialog::Directory);
    // The path the user chose, not a link's target: a link stays valid when what it
    // points to moves, and the user recognises it in the settings.
    chooser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    return runChooser(chooser).value(0);
}
