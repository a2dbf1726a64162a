#pragma once
// Where the program's windows stand and how they are placed. Under X11 the toolkit's own
// record of a frameless window's position can be stale: the toolkit reads the position
// while the window manager is still wrapping the new window in its frame (at the screen's
// corner) and hears nothing when the frame then moves into place. So where it matters the
// window system is asked afresh, and the program places frameless windows itself. GUI
// thread only.
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace windowposition {

// The top-left corner of the shown top-level `window` on the screen, as the window system
// has it now; nothing where it cannot tell (a platform other than X11, a scaled screen).
std::optional<QPoint> ask(const QWidget* window);

// Tests stand in for the window system with a probe of their own; an empty probe puts the
// real asking back. Returns the probe it replaces.
using Probe = std::function<std::optional<QPoint>(const QWidget*)>;
Probe install(Probe probe);

// A window's frame as the program knows it. For a frameless window: where the program's
// own moves put it, or, once the window system has reported it elsewhere (a drag through
// the window manager, or a stale report of the screen's corner after the window manager
// framed it), where the window system says it stands when asked afresh.
QRect knownFrame(const QWidget* window);

// Sets the toolkit's record of the shown `window`'s position to knownFrame() when the two
// differ, without moving the window on the screen; returns by how much the record was
// off. A maximised or full-screen window is left alone.
QPoint correctKnownPosition(QWidget* window);

// From now on, a frameless window that shows with no position of the program's is centred
// by the program over its parent's window, or over the screen: the window manager places
// such a window without telling where, so the boxes it asks for would be centred over a
// stale position (the screen's corner). And the toolkit's record of a frameless window's
// position is made right (see correctKnownPosition()) before a press of a key or a mouse
// button reaches the window, and as a popup (a combo box's list, a menu, a completer's
// list) opens from it, which then moves along: the toolkit places popups from that
// record. Once per program.
void placeFramelessWindows();

// Keeps `box` centred over the window of `owner` (over the screen when that window does
// not show): placed so as it shows, and kept on the same centre, inside the screen,
// whenever it resizes; a box the user drags, by its face or through the window manager,
// keeps the new centre. The window manager does not place frameless windows, and a
// frameless window that resizes is otherwise sent to the screen's corner.
void keepCentredOver(QWidget* box, QWidget* owner);

} // namespace windowposition
