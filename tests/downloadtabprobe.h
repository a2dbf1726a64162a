#pragma once
// The tests' way into the download tab's private parts.
#include "download/formdownload.h"

#include <QMenu>

#include <memory>

struct DownloadTabProbe {
    static TableDownloadModel* model(FormDownload& tab) { return tab.downloadModel; }
    static QList<DownloadFile*>& finished(FormDownload& tab) { return tab.downloadedFiles; }
    static int playingRow(const FormDownload& tab) { return tab.playingRow; }
    static std::unique_ptr<QMenu> downloadingMenu(FormDownload& tab) {
        return std::unique_ptr<QMenu>(tab.downloadingMenu());
    }
    static std::unique_ptr<QMenu> downloadedMenu(FormDownload& tab) {
        return std::unique_ptr<QMenu>(tab.downloadedMenu());
    }
    static void addLoaded(FormDownload& tab, const QList<DownloadFile*>& jobs) {
        tab.addLoadedDownloads(jobs);
    }
    static void getDir(FormDownload& tab, const QList<brisko::file*>& records,
                       const QString& downloadZip, const QString& dir) {
        tab.get_dir(records, downloadZip, dir);
    }
    static void restartQuestion(FormDownload& tab) { tab.showRestartOnError(); }
};
