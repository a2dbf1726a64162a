#include "core/linkparser.h"

#include "platform/hostconfig.h"

#include <QRegExp>
#include <QSet>
#include <QStringList>

namespace {

QString webHost() {
    return QString::fromStdString(hosts::webHost());
}

} // namespace

QString shareLinkPattern() {
    return QStringLiteral("(?:https?://)?(?:\\w+\\.)?") + QRegExp::escape(webHost()) +
           QStringLiteral("/+(file|folder)/+(\\w+)"
                          "(?:/+[^ ;|?#]*)?"
                          "(?:\\?(?:[^ ;|]+&)*(?:p=([^ ;|&]*))?(?:&[^ ;|]+)*)?"
                          "(?:#[^ ;|]*)?");
}

QString shareSite() {
    return QStringLiteral("https://www.") + webHost();
}

QString parseShareLinks(const QString& text) {
    const QRegExp separators(QStringLiteral("[\\s\\[\\]|;\"'{}]"));
    QRegExp link(shareLinkPattern(), Qt::CaseSensitive, QRegExp::RegExp);
    const QString prefix = shareSite() + '/';
    QSet<QString> found;
    const QStringList pieces = text.split(separators, Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        if (link.exactMatch(piece))
            found.insert(prefix + link.cap(1) + '/' + link.cap(2));
    }
    return QStringList(found.values()).join(';');
}
