#pragma once
// Ending the whole program from inside the GUI (quitting the login, quitting the main
// window) or once main's event loop has returned. Tests install a handler instead of
// quit(), so that they survive the quit and can check it.
#include <functional>

namespace programexit {

// Ends the program with `status` through end(), or calls the installed handler.
void quit(int status);

// Starts a new copy of the program (the program file, no arguments) and ends this one
// like quit(0). The caller has stopped the transfers first. The new copy reads what this
// one leaves, so the settings and the transfer lists handed over are written first; then
// this copy lets go of its single-instance lock, so that the new copy becomes the running
// one instead of handing over to this one. A copy that could not be started is reported
// to the user, and this one ends all the same (its transfers are already stopped).
void restart();

// What lets go of the single-instance lock (set by main; nothing when unset).
void setInstanceRelease(std::function<void()> release);

// Replaces what quit() does (an empty function restores the real exit).
void setHandler(std::function<void(int)> handler);

// The end of the process. Every window is hidden and the single-instance lock is let go
// first, so that nothing frozen stays on screen and a copy started now becomes the running
// one instead of handing its command line to this one. The service calls on their way are
// cancelled; the settings are written and the transfer lists that closed tabs handed over
// are waited for (the closing wait of BackgroundSaver at most); then the cancelled calls
// are waited for, about a second at most. libcurl and the TLS locking are cleaned up only
// when no call is left inside them, and otherwise the process ends without running any
// clean-up that such a call could trip over.
[[noreturn]] void end(int status);

// How long end() waits for the cancelled calls.
constexpr int kCallsWaitMs = 1000;

} // namespace programexit
