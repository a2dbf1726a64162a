#include "media/subtitlepages.h"

#include "platform/hostconfig.h"

#include <QFile>
#include <QTextCodec>
#include <QUrl>

namespace {

const QLatin1String kTitleMarker("<div class=\"title\"><a href=\"");
const QLatin1String kRowMarker("<td class=\"a1\"><a href=\"");
const QLatin1String kDownloadMarker("<div class=\"download\"><a href=\"");
const QLatin1String kLinkEnd("\">");
const QLatin1String kAnchorEnd("</a>");
const QLatin1String kSpanEnd("</span>");

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// The text between `from` and the first `end` after it; null when `end` is missing.
QString cutBefore(const QString& text, int from, const QString& end) {
    const int stop = text.indexOf(end, from);
    return stop < 0 ? QString() : text.mid(from, stop - from);
}

// One release row: `row` runs from just after the row's "<a href=\"" to the next row.
bool readRow(const QString& row, SubtitleEntry& entry) {
    const int head = row.indexOf(kSpanEnd);
    const int linkEnd = row.indexOf(QLatin1String("\"><span"));
    if (head < 0 || linkEnd < 0 || linkEnd > head)
        return false;
    const QString rowHead = row.left(head);
    entry.link = row.left(linkEnd);
    const QLatin1String icon("-icon\">");
    const int iconAt = rowHead.indexOf(icon);
    entry.language = iconAt < 0 ? QString() : rowHead.mid(iconAt + icon.size());

    const QLatin1String nameStart("</span><span>");
    const int nameAt = row.indexOf(nameStart);
    if (nameAt < 0)
        return false;
    const int nameFrom = nameAt + nameStart.size();
    entry.name = cutBefore(row, nameFrom, kSpanEnd);
    if (entry.name.isNull())
        return false;

    const QLatin1String anchor("<a href=\"");
    const int uploaderLink = row.indexOf(anchor, nameFrom);
    const int uploaderText =
        uploaderLink < 0 ? -1 : row.indexOf(kLinkEnd, uploaderLink + anchor.size());
    if (uploaderText < 0)
        return false;
    entry.uploader = cutBefore(row, uploaderText + kLinkEnd.size(), kAnchorEnd);
    return !entry.uploader.isNull() && !entry.link.isEmpty();
}

} // namespace

namespace subtitlepages {

QString siteBase() {
    return QStringLiteral("http://") + QString::fromStdString(hosts::subtitleHost());
}

QString titleSearchUrl(const QString& keyword) {
    return siteBase() + QStringLiteral("/subtitles/title?q=") + encoded(keyword) +
           QStringLiteral("&l=vn");
}

QString releaseSearchUrl(const QString& keyword) {
    return siteBase() + QStringLiteral("/subtitles/release?q=") + encoded(keyword);
}

QString absoluteLink(const QString& link) {
    if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://")))
        return link;
    return siteBase() + (link.startsWith(QLatin1Char('/')) ? link : QLatin1Char('/') + link);
}

QString readFileContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray bytes = file.readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    QTextCodec::ConverterState state;
    QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        text = QString::fromLatin1(bytes);
    text.remove(QLatin1Char('\t'));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

QString titleLink(const QString& page) {
    const int at = page.indexOf(kTitleMarker);
    if (at < 0)
        return QString();
    const int from = at + kTitleMarker.size();
    const QString anchor = cutBefore(page, from, kAnchorEnd);
    if (anchor.isNull())
        return QString();
    const int end = anchor.indexOf(kLinkEnd);
    return end < 0 ? anchor : anchor.left(end);
}

QList<SubtitleEntry> listEntries(const QString& page) {
    QList<SubtitleEntry> entries;
    int at = page.indexOf(kRowMarker);
    while (at >= 0) {
        const int from = at + kRowMarker.size();
        const int next = page.indexOf(kRowMarker, from);
        SubtitleEntry entry;
        if (readRow(page.mid(from, next < 0 ? -1 : next - from), entry))
            entries.append(entry);
        at = next;
    }
    return entries;
}

QList<SubtitleEntry> byLanguage(const QList<SubtitleEntry>& entries) {
    QList<SubtitleEntry> ordered;
    for (const auto& entry : entries) {
        if (entry.language == QLatin1String("Vietnamese"))
            ordered.append(entry);
    }
    for (const auto& entry : entries) {
        if (entry.language == QLatin1String("English"))
            ordered.append(entry);
    }
    for (const auto& entry : entries) {
        if (entry.language != QLatin1String("Vietnamese") &&
            entry.language != QLatin1String("English"))
            ordered.append(entry);
    }
    return ordered;
}

QString downloadLink(const QString& page) {
    const int at = page.indexOf(kDownloadMarker);
    if (at < 0)
        return QString();
    const int from = at + kDownloadMarker.size();
    if (page.indexOf(kAnchorEnd, from) < 0)
        return QString();
    const int quote = page.indexOf(QLatin1Char('"'), from);
    return quote < 0 ? page.mid(from) : page.mid(from, quote - from);
}

} // namespace subtitlepages
