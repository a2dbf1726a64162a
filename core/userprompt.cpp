#include "core/userprompt.h"

#include "core/windowposition.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <atomic>

namespace {

// Not owned; nullptr means Qt's dialogs.
std::atomic<UserPrompt*> installedPrompt{nullptr};

// Where a window of `size` goes to have `centre` as its centre: the inverse of
// QRect::center(), so that placing again does not creep.
QPoint topLeftFor(const QPoint& centre, const QSize& size) {
    return centre - QPoint((size.width() - 1) / 2, (size.height() - 1) / 2);
}

// Where the program last put a frameless window itself (see FramelessPlacement); gone once
// the window system reports the window elsewhere.
const char kPlacedAt[] = "briskoPlacedAt";

// A window of the program's own that the window manager draws no frame around; popups and
// tool tips are placed by the toolkit itself.
bool isFramelessWindow(const QWidget* widget) {
    return widget->isWindow() && widget->windowFlags().testFlag(Qt::FramelessWindowHint) &&
           widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip;
}

// The centre of `owner`'s window while it shows, else of the screen `owner` (or, without
// one, `self`) is on.
QPoint centreOver(const QWidget* owner, const QWidget* self) {
    if (owner && owner->window()->isVisible())
        return UserPrompt::knownFrame(owner->window()).center();
    const QScreen* screen = owner ? owner->screen() : self->screen();
    return screen ? screen->availableGeometry().center() : QPoint();
}

// Moves `window` (its frame) to `topLeft`, kept inside the free area of the screen there.
void moveInsideScreen(QWidget* window, QPoint topLeft) {
    const QSize size = window->frameGeometry().size();
    if (const QScreen* screen = QGuiApplication::screenAt(QRect(topLeft, size).center())) {
        const QRect free = screen->availableGeometry();
        topLeft.setX(qBound(free.left(), topLeft.x(),
                            qMax(free.left(), free.right() - size.width() + 1)));
        topLeft.setY(qBound(free.top(), topLeft.y(),
                            qMax(free.top(), free.bottom() - size.height() + 1)));
    }
    window->move(topLeft);
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
        if (event->type() == QEvent::Show) {
            // The window system's own shows (a window brought back) keep where it was.
            if (!event->spontaneous())
                place(centreOver(m_owner, m_box));
        } else if (event->type() == QEvent::Resize && m_box->isVisible()) {
            // Also while it shows: a box takes its final size only then. It keeps the centre
            // it had at its old size, wherever it stands now: where it was placed, or where
            // the user dragged it, by its face or through the window manager.
            const QSize old = static_cast<QResizeEvent*>(event)->oldSize();
            const QRect frame = UserPrompt::knownFrame(m_box);
            const QSize margins = frame.size() - m_box->size();
            place(QRect(frame.topLeft(), (old.isValid() ? old : m_box->size()) + margins)
                      .center());
        }
        return false;
    }

private:
    // move() places the frame, where a window manager draws one.
    void place(const QPoint& centre) {
        moveInsideScreen(m_box, topLeftFor(centre, m_box->frameGeometry().size()));
    }

    QWidget* m_box;
    QPointer<QWidget> m_owner;
};

// Gives every frameless window a position of the program's as it first shows and keeps
// where the program's own moves (this placement, a drag) put it; sees that the toolkit's
// record of such a window's position is right before the user acts on the window and as a
// popup (a combo box's list, a menu, a completer's list) opens from it (see
// placeFramelessWindows()).
class FramelessPlacement : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Every event of the program passes here: the type first, before `watched` is
        // looked at (timers of the toolkit's own hidden classes pass too).
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Show:
            if (!event->spontaneous())
                shown(widget);
            break;
        case QEvent::Move:
            if (isFramelessWindow(widget)) {
                if (event->spontaneous())
                    widget->setProperty(kPlacedAt, QVariant());
                else
                    widget->setProperty(kPlacedAt, widget->frameGeometry().topLeft());
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            // What the user presses may open a popup placed from the window's position.
            if (event->spontaneous() && isFramelessWindow(widget->window()))
                UserPrompt::correctKnownPosition(widget->window());
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void shown(QWidget* widget) {
        if (widget->isWindow() && widget->windowType() == Qt::Popup) {
            popupShown(widget);
        } else if (isFramelessWindow(widget) && !widget->testAttribute(Qt::WA_Moved)) {
            const QPoint centre = centreOver(widget->parentWidget(), widget);
            widget->move(topLeftFor(centre, widget->frameGeometry().size()));
        }
    }

    // A popup is placed from where the toolkit believes the window it opens from stands: a
    // stale belief moves the popup along with the correction.
    static void popupShown(QWidget* popup) {
        QWidget* from = popup->parentWidget() ? popup->parentWidget()->window()
                                              : QApplication::activeWindow();
        if (!from || !isFramelessWindow(from))
            return;
        const QPoint shift = UserPrompt::correctKnownPosition(from);
        if (!shift.isNull())
            moveInsideScreen(popup, popup->frameGeometry().topLeft() + shift);
    }
};

} // namespace

UserPrompt::~UserPrompt() = default;

QRect UserPrompt::knownFrame(const QWidget* window) {
    const QVariant placed = window->property(kPlacedAt);
    if (placed.isValid())
        return QRect(placed.toPoint(), window->frameGeometry().size());
    // The window system reported it somewhere: right after a drag through the window
    // manager, stale after the window manager framed it; asking afresh tells.
    if (isFramelessWindow(window) && window->isVisible()) {
        if (const std::optional<QPoint> at = windowposition::ask(window))
            return QRect(*at, window->frameGeometry().size());
    }
    return window->frameGeometry();
}

QPoint UserPrompt::correctKnownPosition(QWidget* window) {
    if (!window->isVisible() ||
        window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return QPoint();
    const QPoint believed = window->frameGeometry().topLeft();
    const QPoint known = knownFrame(window).topLeft();
    if (known == believed) {
        // Confirmed: no need to ask again until the window system reports another move.
        if (isFramelessWindow(window))
            window->setProperty(kPlacedAt, known);
        return QPoint();
    }
    // Asks the window system for the place the window already has, which sets the
    // toolkit's record at once.
    window->move(known);
    return known - believed;
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

// A chooser opened over one of our skinned windows takes its style sheet, which fixes the
// width of every push button (or of those in a box named "buttonBox", as the chooser's
// is) at what the window's own short texts need: the chooser's "Cancel" and "Open" are
// longer in some languages and would be cut. Its buttons get the width their texts need,
// one width for both, as the chooser's column of buttons has where no sheet interferes.
void fitChooserButtons(QFileDialog& chooser) {
    chooser.ensurePolished();
    auto* box = chooser.findChild<QDialogButtonBox*>();
    if (!box)
        return;
    QList<QPushButton*> buttons;
    int width = 0;
    for (QAbstractButton* abstract : box->buttons()) {
        if (auto* button = qobject_cast<QPushButton*>(abstract)) {
            width = qMax(width, widthForText(*button));
            buttons << button;
        }
    }
    for (QPushButton* button : buttons)
        button->setMinimumWidth(qMax(button->minimumWidth(), width));
}

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
