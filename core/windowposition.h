#pragma once
// Where a window stands on the screen, asked of the window system afresh. Under X11 the
// toolkit's own record of a frameless window's position can be stale: the toolkit reads the
// position while the window manager is still wrapping the new window in its frame (at the
// screen's corner) and hears nothing when the frame then moves into place. GUI thread only.
#include <QPoint>

#include <functional>
#include <optional>

class QWidget;

namespace windowposition {

// The top-left corner of the shown top-level `window` on the screen, as the window system
// has it now; nothing where it cannot tell (a platform other than X11, no connection to the
// X server, a scaled screen).
std::optional<QPoint> ask(const QWidget* window);

// Tests stand in for the window system with a probe of their own; an empty probe puts the
// real asking back. Returns the probe it replaces.
using Probe = std::function<std::optional<QPoint>(const QWidget*)>;
Probe install(Probe probe);

} // namespace windowposition
