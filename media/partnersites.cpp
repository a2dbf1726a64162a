#include "media/partnersites.h"

#include "platform/hostconfig.h"

#include <QUrl>

namespace {

struct Site {
    const char* home;
    const char* word; // names the site's category history file
    bool feed;
};

constexpr Site kSites[] = {
    {"http://phimmot.invalid", "phimmot", true},  {"http://phimhai.invalid", "phimhai", false},
    {"http://phimba.invalid", "phimba", false},   {"http://phimbon.invalid", "phimbon", true},
    {"http://phimnam.invalid", "phimnam", false}, {"http://phimsau.invalid", "phimsau", true},
    {"http://phimbay.invalid", "phimbay", false}, {"http://phimtam.invalid", "phimtam", false},
};

const Site* find(const QString& homeAddress) {
    for (const Site& site : kSites) {
        if (homeAddress == QLatin1String(site.home))
            return &site;
    }
    return nullptr;
}

QString feedUrl(const char* key, const QString& value) {
    return QStringLiteral("http://") + QString::fromStdString(hosts::feedHost()) +
           QStringLiteral("/?feed=brisko&") + QLatin1String(key) + QLatin1Char('=') +
           QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

namespace partnersites {

QStringList homeAddresses() {
    QStringList addresses;
    for (const Site& site : kSites)
        addresses << QLatin1String(site.home);
    return addresses;
}

bool hasFeed(const QString& homeAddress) {
    const Site* site = find(homeAddress);
    return site && site->feed;
}

QString categoryHistoryFileName(const QString& homeAddress) {
    const Site* site = find(homeAddress);
    return site ? QLatin1String(site->word) + QStringLiteral("_rssCategoryHistory.tmp") : QString();
}

QString searchUrl(const QString& keyword) {
    return feedUrl("search", keyword);
}

QString categoryUrl(const QString& guid) {
    return feedUrl("category", guid);
}

} // namespace partnersites
