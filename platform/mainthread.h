#pragma once
// Work of the program's own threads handed to the main thread: results for windows, and
// warnings (Qt's message handlers, a test's above all, read state of the main thread's
// while they format).
#include <QString>

#include <functional>

namespace platform {

// Runs `work` on the main thread, soon, in the order asked, one at a time: work asked for
// while another runs (one that opens a message box, whose loop delivers events) waits
// until that one returns. The work travels through a locked queue, not a posted event's
// captures, so it is read and freed on the main thread only. False, running nothing, when
// there is no application object.
bool runOnMainThread(std::function<void()> work);

// Logs `message` with qWarning on the main thread, soon; at once when there is no
// application object.
void warnOnMainThread(const QString& message);

} // namespace platform
