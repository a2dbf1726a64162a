#pragma once
// Ending the whole program from inside the GUI (quitting the login, quitting the main
// window): the settings are written, then the process ends at once with the status.
// Tests install a handler instead, so that they survive the quit and can check it.
#include <functional>

namespace programexit {

void quit(int status);

// Starts a new copy of the program (the program file, no arguments) and ends this one
// like quit(0). The caller has stopped the transfers first. This copy lets go of its
// single-instance lock before the start, so the new copy becomes the running one instead
// of handing over to this one; a copy that could not be started is reported to the user,
// and this one ends all the same (its transfers are already stopped).
void restart();

// What lets go of the single-instance lock (set by main; nothing when unset).
void setInstanceRelease(std::function<void()> release);

// Replaces what quit() does (an empty function restores the real exit).
void setHandler(std::function<void(int)> handler);

} // namespace programexit
