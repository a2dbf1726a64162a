#include "platform/systemproxy.h"

#include <QStringList>
#include <QtGlobal>

namespace platform {

QString proxyHostPort(const QString& proxyUrl) {
    QString rest = proxyUrl.trimmed();
    const int schemeEnd = rest.indexOf(QStringLiteral("://"));
    if (schemeEnd >= 0) {
        if (rest.left(schemeEnd).compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0)
            return {};
        rest = rest.mid(schemeEnd + 3);
    }
    // Anything after the authority (a trailing "/" or a path) is not part of it.
    const int slash = rest.indexOf('/');
    if (slash >= 0)
        rest.truncate(slash);
    const int at = rest.lastIndexOf('@');
    if (at >= 0)
        rest = rest.mid(at + 1);
    // The program's contract: a host, a ":" and a port, or nothing.
    const QStringList parts = rest.split(':');
    if (parts.size() < 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
        return {};
    return rest;
}

QString systemHttpProxy() {
    QString value = qEnvironmentVariable("http_proxy").trimmed();
    if (value.isEmpty())
        value = qEnvironmentVariable("HTTP_PROXY").trimmed();
    return proxyHostPort(value);
}

} // namespace platform
