#include "core/windowposition.h"

#include <QApplication>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QX11Info>

#include <cstdlib>
#include <xcb/xcb.h>

namespace {

windowposition::Probe installedProbe;

// Asked on the toolkit's own connection to the X server: the reply waits for the server,
// so it tells the server's state now, whatever events of the toolkit's queue are still
// unread.
std::optional<QPoint> askTheXServer(const QWidget* window) {
    if (!QX11Info::isPlatformX11())
        return std::nullopt;
    xcb_connection_t* connection = QX11Info::connection();
    const QWindow* handle = window->windowHandle();
    // The server counts device pixels; a scaled screen would need the toolkit's mapping.
    if (!connection || !handle || window->devicePixelRatioF() != 1.0)
        return std::nullopt;
    const xcb_translate_coordinates_cookie_t cookie = xcb_translate_coordinates(
        connection, xcb_window_t(handle->winId()), xcb_window_t(QX11Info::appRootWindow()), 0, 0);
    xcb_generic_error_t* error = nullptr;
    xcb_translate_coordinates_reply_t* reply =
        xcb_translate_coordinates_reply(connection, cookie, &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QPoint at(reply->dst_x, reply->dst_y);
    std::free(reply);
    return at;
}

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
        return windowposition::knownFrame(owner->window()).center();
    const QScreen* screen = owner ? owner->screen() : self->screen();
    return screen ? screen->availableGeometry().center() : QPoint();
}

// Moves `window` (its frame) to `topLeft`, kept inside the free area of the screen there.
void moveInsideScreen(QWidget* window, QPoint topLeft) {
    const QSize size = window->frameGeometry().size();
    if (const QScreen* screen = QGuiApplication::screenAt(QRect(topLeft, size).center())) {
        const QRect free = screen->availableGeometry();
        topLeft.setX(
            qBound(free.left(), topLeft.x(), qMax(free.left(), free.right() - size.width() + 1)));
        topLeft.setY(
            qBound(free.top(), topLeft.y(), qMax(free.top(), free.bottom() - size.height() + 1)));
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
            const QRect frame = windowposition::knownFrame(m_box);
            const QSize margins = frame.size() - m_box->size();
            place(QRect(frame.topLeft(), (old.isValid() ? old : m_box->size()) + margins).center());
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
// windowposition::placeFramelessWindows()).
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
                windowposition::correctKnownPosition(widget->window());
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
        QWidget* from =
            popup->parentWidget() ? popup->parentWidget()->window() : QApplication::activeWindow();
        if (!from || !isFramelessWindow(from))
            return;
        const QPoint shift = windowposition::correctKnownPosition(from);
        if (!shift.isNull())
            moveInsideScreen(popup, popup->frameGeometry().topLeft() + shift);
    }
};

} // namespace

namespace windowposition {

std::optional<QPoint> ask(const QWidget* window) {
    if (!window)
        return std::nullopt;
    return installedProbe ? installedProbe(window) : askTheXServer(window);
}

Probe install(Probe probe) {
    Probe replaced = std::move(installedProbe);
    installedProbe = std::move(probe);
    return replaced;
}

QRect knownFrame(const QWidget* window) {
    const QVariant placed = window->property(kPlacedAt);
    if (placed.isValid())
        return QRect(placed.toPoint(), window->frameGeometry().size());
    // The window system reported it somewhere: right after a drag through the window
    // manager, stale after the window manager framed it; asking afresh tells.
    if (isFramelessWindow(window) && window->isVisible()) {
        if (const std::optional<QPoint> at = ask(window))
            return QRect(*at, window->frameGeometry().size());
    }
    return window->frameGeometry();
}

QPoint correctKnownPosition(QWidget* window) {
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

void placeFramelessWindows() {
    static FramelessPlacement* placement = nullptr;
    if (placement || !qApp)
        return;
    placement = new FramelessPlacement(qApp);
    qApp->installEventFilter(placement);
}

void keepCentredOver(QWidget* box, QWidget* owner) {
    new BoxPlacement(box, owner);
}

} // namespace windowposition
