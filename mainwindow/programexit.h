#pragma once
// Ending the whole program from inside the GUI (quitting the login, quitting the main
// window): the settings are written, then the process ends at once with the status.
// Tests install a handler instead, so that they survive the quit and can check it.
#include <functional>

namespace programexit {

void quit(int status);

// Replaces what quit() does (an empty function restores the real exit).
void setHandler(std::function<void(int)> handler);

} // namespace programexit
