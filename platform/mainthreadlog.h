#pragma once
// A warning from a thread of the program's own, logged by the main thread: Qt's message
// handlers (a test's above all) read state of the main thread's while they format.
#include <QString>

namespace platform {

// Logs `message` with qWarning on the main thread, soon; at once when there is no
// application object.
void warnOnMainThread(const QString& message);

} // namespace platform
