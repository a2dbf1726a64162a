#include "core/userprompt.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <atomic>

namespace {

// Not owned; nullptr means Qt's dialogs.
std::atomic<UserPrompt*> installedPrompt{nullptr};

// Where a window of `size` goes to have `centre` as its centre: the inverse of
// QRect::center(), so that placing again does not creep.
QPoint topLeftFor(const QPoint& centre, const QSize& size) {
    return centre - QPoint((size.width() - 1) / 2, (size.height() - 1) / 2);
}

// Where the program last put a frameless window itself (see FramelessPlacement).
const char kPlacedAt[] = "briskoPlacedAt";

// The centre of `owner`'s window while it shows, else of the screen `owner` (or, without
// one, `self`) is on.
QPoint centreOver(const QWidget* owner, const QWidget* self) {
    if (owner && owner->window()->isVisible())
        return UserPrompt::knownFrame(owner->window()).center();
    const QScreen* screen = owner ? owner->screen() : self->screen();
    return screen ? screen->availableGeometry().center() : QPoint();
}

// Places its box (its parent) itself rather than leaving that to the window manager or to
// the toolkit, which places from the position the window system last reported: for a
// frameless window that can be the screen's corner.
class BoxPlacement : public QObject {
public:
    BoxPlacement(QWidget* box, QWidget* owner) : QObject(box), m_box(box), m_owner(owner) {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_box)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            // The window system's own shows (a window brought back) keep where it was.
            if (!event->spontaneous()) {
                m_centre = centreOver(m_owner, m_box);
                place();
            }
            break;
        case QEvent::Resize:
            // Also while it shows: a box takes its final size only then.
            if (m_box->isVisible())
                place();
            break;
        case QEvent::Move:
            // The program's moves (a drag, this placement); the window system's reports
            // of a frameless window's position are not to be trusted.
            if (!event->spontaneous() && m_box->isVisible())
                m_centre = m_box->frameGeometry().center();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void place() {
        // move() places the frame, where a window manager draws one.
        const QSize size = m_box->frameGeometry().size();
        QPoint topLeft = topLeftFor(m_centre, size);
        if (const QScreen* screen = QGuiApplication::screenAt(m_centre)) {
            const QRect free = screen->availableGeometry();
            topLeft.setX(qBound(free.left(), topLeft.x(),
                                qMax(free.left(), free.right() - size.width() + 1)));
            topLeft.setY(qBound(free.top(), topLeft.y(),
                                qMax(free.top(), free.bottom() - size.height() + 1)));
        }
        m_box->move(topLeft);
    }

    QWidget* m_box;
    QPointer<QWidget> m_owner;
    QPoint m_centre;
};

// Gives every frameless window a position of the program's as it first shows, and keeps
// where the program's own moves (this placement, a drag) put it (see
// placeFramelessWindows()).
class FramelessPlacement : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Move) || event->spontaneous() ||
            !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !window->windowFlags().testFlag(Qt::FramelessWindowHint) ||
            window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            return false;
        if (type == QEvent::Move) {
            window->setProperty(kPlacedAt, window->frameGeometry().topLeft());
        } else if (!window->testAttribute(Qt::WA_Moved)) {
            const QPoint centre = centreOver(window->parentWidget(), window);
            window->move(topLeftFor(centre, window->frameGeometry().size()));
        }
        return false;
    }
};

} // namespace

UserPrompt::~UserPrompt() = default;

QRect UserPrompt::knownFrame(const QWidget* window) {
    const QVariant placed = window->property(kPlacedAt);
    if (placed.isValid())
        return QRect(placed.toPoint(), window->frameGeometry().size());
    return window->frameGeometry();
}

void UserPrompt::placeFramelessWindows() {
    static FramelessPlacement* placement = nullptr;
    if (placement || !qApp)
        return;
    placement = new FramelessPlacement(qApp);
    qApp->installEventFilter(placement);
}

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

void UserPrompt::keepCentredOver(QWidget* box, QWidget* owner) {
    new BoxPlacement(box, owner);
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
    keepCentredOver(&box, owner);
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
    keepCentredOver(&box, owner);
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
