#include "media/rssfeed.h"

#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString kDatePattern = QStringLiteral("ddd, dd MMM yyyy hh:mm:ss");

bool isStart(const QXmlStreamReader& reader, const char* name) {
    return reader.isStartElement() && reader.name() == QLatin1String(name);
}

bool isEnd(const QXmlStreamReader& reader, const char* name) {
    return reader.isEndElement() && reader.name() == QLatin1String(name);
}

bool stopped(const QXmlStreamReader& reader) {
    return reader.atEnd() || reader.hasError();
}

// The 8-bit form of a title, as the feed's subtitle marks are compared: Latin-1 with "?"
// for every other character.
QByteArray eightBit(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(c.unicode() < 256 ? char(c.unicode()) : '?');
    return bytes;
}

// Reads the product element into the film; `currentTitle` carries over between links.
void readProduct(QXmlStreamReader& reader, RssFilm& film, QString& currentTitle) {
    QString addresses, titles, subtitles;
    while (!isEnd(reader, "brisko") && !stopped(reader)) {
        reader.readNext();
        if (!isStart(reader, "link"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString url = attributes.value(QLatin1String("url")).toString();
        bool subtitle = false;
        if (attributes.hasAttribute(QLatin1String("title"))) {
            currentTitle = attributes.value(QLatin1String("title")).toString();
            subtitle = rssfeed::isVietSubtitleTitle(currentTitle, true);
        }
        if (subtitle) {
            subtitles += url + QLatin1Char('\n');
        } else {
            addresses += url + QLatin1Char('\n');
            titles += currentTitle + QLatin1Char('\n');
        }
    }
    if (!subtitles.isEmpty()) {
        subtitles.chop(1);
        film.subtitleLinks = subtitles;
    }
    if (!addresses.isEmpty()) {
        addresses.chop(1);
        titles.chop(1);
        film.links = addresses;
        film.linkTitles = titles;
    }
}

void parseFilmItems(QXmlStreamReader& reader, QList<RssFilm>& films,
                    const std::function<void(int, const QString&)>& poster) {
    RssFilm film;
    const int row = films.size();
    QString currentTitle;
    bool product = false;
    while (!isEnd(reader, "item")) {
        if (stopped(reader))
            return;
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("title")) {
            film.title = rssfeed::readElementText(reader);
        } else if (name == QLatin1String("brisko")) {
            readProduct(reader, film, currentTitle);
            product = true;
        } else if (name == QLatin1String("pubDate")) {
            film.pubDate = rssfeed::readElementText(reader).remove(QStringLiteral(" +0000"));
        } else if (name == QLatin1String("description")) {
            film.description = rssfeed::shortenDescription(rssfeed::readElementText(reader));
        } else if (name == QLatin1String("link") && !product) {
            film.subtitleLinks.clear();
            film.links = rssfeed::readElementText(reader);
        } else if (name == QLatin1String("guid")) {
            film.pageLink = rssfeed::readElementText(reader);
        } else if (name == QLatin1String("enclosure") &&
                   reader.attributes().hasAttribute(QLatin1String("url"))) {
            film.image = reader.attributes().value(QLatin1String("url")).toString();
            if (poster)
                poster(row, film.image);
        }
    }
    films.append(film);
}

void readCategoryItem(QXmlStreamReader& reader, QList<RssCategory>& categories) {
    RssCategory category;
    while (!isEnd(reader, "item")) {
        if (stopped(reader))
            return;
        reader.readNext();
        if (isStart(reader, "title"))
            category.title = rssfeed::readElementText(reader);
        else if (isStart(reader, "guid"))
            category.guid = rssfeed::readElementText(reader);
    }
    categories.append(category);
}

// One item of an auto-download feed: its links text when it is newer than `after`.
void readAutoDownloadItem(QXmlStreamReader& reader, const QDateTime& after, QString& links) {
    QString date, itemLinks;
    while (!isEnd(reader, "item")) {
        if (stopped(reader))
            return;
        reader.readNext();
        if (isStart(reader, "pubDate")) {
            date = rssfeed::readElementText(reader);
        } else if (isStart(reader, "brisko")) {
            QString subtitle, other;
            while (!isEnd(reader, "brisko") && !stopped(reader)) {
                reader.readNext();
                if (!isStart(reader, "link"))
                    continue;
                const auto attributes = reader.attributes();
                const QString url = attributes.value(QLatin1String("url")).toString();
                const bool isSubtitle =
                    attributes.hasAttribute(QLatin1String("title")) &&
                    rssfeed::isVietSubtitleTitle(
                        attributes.value(QLatin1String("title")).toString(), false);
                // Only the first link of each kind is taken.
                QString& list = isSubtitle ? subtitle : other;
                if (list.isNull())
                    list = url;
            }
            itemLinks = other + QLatin1Char(';') + subtitle;
        }
    }
    const QDateTime published = rssfeed::parsePubDate(date);
    if (published.isValid() && after.isValid() && after.secsTo(published) > 0)
        links += itemLinks + QLatin1Char(';');
}

} // namespace

namespace rssfeed {

QString readElementText(QXmlStreamReader& reader) {
    if (!reader.isStartElement())
        return QString();
    reader.readNext();
    return reader.isCharacters() ? reader.text().toString() : QString();
}

bool isVietSubtitleTitle(const QString& title, bool subVietToo) {
    const QByteArray encoded = eightBit(title).toBase64();
    return encoded == "UGg/ID8/IFZpP3Q=" || (subVietToo && encoded == "U3ViIFZpP3Q=");
}

QString shortenDescription(const QString& description) {
    const int start = description.indexOf(QLatin1String("[caption"), 0, Qt::CaseInsensitive);
    if (start < 0)
        return description;
    const int end = description.indexOf(QLatin1String("/caption]"), 0, Qt::CaseInsensitive);
    if (end < start)
        return description; // no closing marker after the opening one: nothing to cut
    QString rest = description;
    rest.remove(start, end + 9 - start);
    int blank = 0;
    while (blank < rest.size() &&
           (rest.at(blank) == QLatin1Char(' ') || rest.at(blank) == QLatin1Char('\n') ||
            rest.at(blank) == QLatin1Char('\t')))
        ++blank;
    rest.remove(0, blank);
    if (rest.size() > 100)
        rest = rest.left(100) + QStringLiteral("...");
    return rest;
}

QDateTime parsePubDate(const QString& text) {
    static const QRegularExpression zone(QStringLiteral("^(.*) ([+-])(\\d\\d)(\\d\\d)$"));
    const QRegularExpressionMatch match = zone.match(text.trimmed());
    if (!match.hasMatch())
        return parseStoredTime(text.trimmed());
    QDateTime time = QLocale::c().toDateTime(match.captured(1), kDatePattern);
    if (!time.isValid())
        return QDateTime();
    const int offset = (match.captured(3).toInt() * 60 + match.captured(4).toInt()) * 60;
    time.setOffsetFromUtc(match.captured(2) == QLatin1String("-") ? -offset : offset);
    return time;
}

QDateTime parseStoredTime(const QString& text) {
    return QLocale::c().toDateTime(text, kDatePattern);
}

QString formatStoredTime(const QDateTime& time) {
    return time.isValid() ? QLocale::c().toString(time, kDatePattern) : QString();
}

FilmFeed readFilmFeed(QIODevice& device,
                      const std::function<void(int row, const QString& address)>& poster) {
    FilmFeed feed;
    QXmlStreamReader reader(&device);
    while (!stopped(reader)) {
        reader.readNext();
        if (isStart(reader, "item"))
            parseFilmItems(reader, feed.films, poster);
    }
    feed.ok = !reader.hasError();
    return feed;
}

CategoryFeed readCategoryFeed(QIODevice& device) {
    CategoryFeed feed;
    QXmlStreamReader reader(&device);
    while (!stopped(reader)) {
        reader.readNext();
        if (isStart(reader, "item"))
            readCategoryItem(reader, feed.categories);
    }
    if (reader.hasError())
        feed.error = reader.errorString();
    return feed;
}

AutoDownloadFeed readAutoDownloadFeed(QIODevice& device, const QDateTime& after) {
    AutoDownloadFeed feed;
    QXmlStreamReader reader(&device);
    while (!stopped(reader)) {
        reader.readNext();
        if (isStart(reader, "item"))
            readAutoDownloadItem(reader, after, feed.links);
    }
    if (reader.hasError()) {
        feed.error = reader.errorString();
        feed.links.clear();
    }
    return feed;
}

QString posterFileName(int generation, int row, const QString& address) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]{1,5}$"));
    const QString path = QUrl(address).path();
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString suffix = dot < 0 ? QString() : name.mid(dot + 1);
    if (!plain.match(suffix).hasMatch())
        suffix = QStringLiteral("img");
    return QStringLiteral("poster%1-%2.%3").arg(generation).arg(row).arg(suffix);
}

} // namespace rssfeed
