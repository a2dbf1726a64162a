#pragma once
// Reaches the film browser tab's menus and feed slots in tests: menus are checked as
// built, without their modal run.
#include "media/rssmanager.h"

#include <QMenu>
#include <QTimer>

class RssManagerProbe {
public:
    static QMenu* filmMenu(RssManager& tab) { return tab.buildFilmMenu(); }
    static QMenu* categoryMenu(RssManager& tab) { return tab.buildCategoryMenu(); }
    static void loadFilms(RssManager& tab, const QString& path) { tab.parseRssListFilmsXml(path); }
    static void loadCategories(RssManager& tab, const QString& path) {
        tab.parseRssCategoryXml(path);
    }
    static void tick(RssManager& tab) { tab.processAutoDownload(); }
    static QTimer* timer(RssManager& tab) { return tab.autoDownloadTimer; }
    static QDateTime lastTime(RssManager& tab) { return tab.lastTimeAutoDownload; }
    static bool timeKnown(RssManager& tab) { return tab.autoDownloadTimeKnown; }
    static QList<AutoDownloadCategory> chosen(RssManager& tab) {
        return tab.autoDownloadCategories;
    }
};
