#pragma once
// Reading the subtitle site's pages: the title search, the list of releases and a
// subtitle's own page. Each reader works on the page text with tabs and line ends
// removed, and cuts its fields at fixed markers of the site's markup.
#include <QList>
#include <QString>

// One release of the subtitle list.
struct SubtitleEntry {
    QString name;     // release or film name
    QString language; // "Vietnamese", "English", ... or empty
    QString uploader;
    QString link; // the subtitle's page on the site, as found (often relative)
};

namespace subtitlepages {

// "http://" + the subtitle site's host, without a trailing "/".
QString siteBase();
// The title search for a keyword, then the release search used when no title matches.
QString titleSearchUrl(const QString& keyword);
QString releaseSearchUrl(const QString& keyword);
// An address from a page: kept when it starts with http:// or https://, otherwise taken
// as a path on the subtitle site.
QString absoluteLink(const QString& link);

// A page file as one line of text: UTF-8 when it is valid UTF-8, else Latin-1, up to the
// first zero byte, with every tab, carriage return and line feed removed. A file that
// can't be read gives a null text.
QString readFileContent(const QString& path);

// The first title result's address, or empty when the page has none.
QString titleLink(const QString& page);
// Every release row of a list page, in page order; rows missing a marker are dropped.
QList<SubtitleEntry> listEntries(const QString& page);
// Vietnamese releases first, then English ones, then the rest, each group in page order.
QList<SubtitleEntry> byLanguage(const QList<SubtitleEntry>& entries);
// The archive address of a subtitle's page (the first download link), or empty.
QString downloadLink(const QString& page);

} // namespace subtitlepages
