#include "mainwindow/programexit.h"

#include "platform/settingsstore.h"

#include <cstdlib>

namespace programexit {

namespace {

std::function<void(int)>& handler() {
    static std::function<void(int)> installed;
    return installed;
}

} // namespace

void quit(int status) {
    if (handler()) {
        handler()(status);
        return;
    }
    SettingsStore().sync();
    std::exit(status);
}

void setHandler(std::function<void(int)> replacement) {
    handler() = std::move(replacement);
}

} // namespace programexit
