#include "core/proxysettings.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemproxy.h"

#include <QStringList>

namespace {

enum ProxyMode { NoProxy = 0, SystemProxy = 1, ManualProxy = 2 };

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

QString getSystemProxy() {
    return platform::systemHttpProxy();
}

bool applyProxySettings(std::string& host, unsigned short& port) {
    SettingsStore settings;
    const int mode = settings.integer(SettingsKeys::UseProxy, NoProxy);
    if (mode == SystemProxy) {
        const QString proxy = getSystemProxy();
        if (proxy.trimmed().isEmpty())
            return false;
        const QStringList parts = proxy.split(':');
        host = toUtf8(parts.at(0));
        port = parts.value(1).toUShort(); // 0 when not a number
        return true;
    }
    if (mode == ManualProxy) {
        host = toUtf8(settings.text(SettingsKeys::HttpProxy));
        port =
            static_cast<unsigned short>(settings.text(SettingsKeys::HttpPort).trimmed().toUInt());
        return true;
    }
    return false;
}
