#pragma once
// The partner film site's feeds: the films of a search or a category, the category list,
// and the new films an auto-download of a category takes. All are RSS 2.0 documents whose
// items carry a "brisko" element with the films' download links; each reader works in one
// pass over a token stream.
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class QXmlStreamReader;

// One film of a film feed.
struct RssFilm {
    QString image; // poster address
    QString title;
    QString pubDate;       // as published, " +0000" removed
    QString description;   // shortened when it held a caption block
    QString links;         // download links, one per line; or the item's own link
    QString linkTitles;    // the download links' titles, one per line
    QString subtitleLinks; // Vietnamese-subtitle links, one per line
    QString pageLink;      // the film's page on the partner site
};

// One category of the category feed.
struct RssCategory {
    QString title;
    QString guid;
};

namespace rssfeed {

// The character data right after the reader's start element, or empty (an empty
// element, or one whose content starts with anything else). Leaves the reader on the
// token after the start element.
QString readElementText(QXmlStreamReader& reader);

// A link title naming a Vietnamese subtitle: "Phụ đề Việt", and, when `subVietToo`,
// "Sub Việt" (the film table takes both, the auto-download the first only).
bool isVietSubtitleTitle(const QString& title, bool subVietToo);

// A description without its leading caption block (cut to 100 characters and "..."
// when that leaves more); others as they are.
QString shortenDescription(const QString& description);

// The date of a feed item: "ddd, dd MMM yyyy hh:mm:ss", in English whatever the
// system's language, with an optional zone ("+0700"). A time with a zone keeps it (and
// compares in UTC); one without is local time. Invalid when the text does not fit.
QDateTime parsePubDate(const QString& text);
// The same pattern for the stored time of the last auto-download.
QDateTime parseStoredTime(const QString& text);
QString formatStoredTime(const QDateTime& time);

struct FilmFeed {
    QList<RssFilm> films; // the complete items read, also when the feed broke later
    bool ok = false;      // false: not well-formed or cut short
};
// Reads a film feed. `poster(row, address)` is called for each item's enclosure while
// the feed is read, so posters can start loading before the table is filled.
FilmFeed readFilmFeed(QIODevice& device,
                      const std::function<void(int row, const QString& address)>& poster = {});

struct CategoryFeed {
    QList<RssCategory> categories;
    QString error; // the reader's error text; empty when the feed was read whole
};
CategoryFeed readCategoryFeed(QIODevice& device);

struct AutoDownloadFeed {
    // For each item newer than the given time: its first film link, ";", its first
    // Vietnamese-subtitle link, ";".
    QString links;
    QString error;
};
AutoDownloadFeed readAutoDownloadFeed(QIODevice& device, const QDateTime& after);

// The poster file of a film row: a name of its own per table, with the address's suffix
// when it is 1 to 5 letters or digits ("img" otherwise).
QString posterFileName(int generation, int row, const QString& address);

} // namespace rssfeed
