#pragma once
// The film browser tab: searches the partner film feed, lists the films with their
// posters, hands chosen films' links to the add-links dialog, and downloads the new films
// of categories chosen for auto-download. The partner-site chooser and the category list
// are built but stay hidden.
#include "media/categoryhistory.h"
#include "media/rssfeed.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>

class QListWidgetItem;
class QMenu;
class QStandardItemModel;
class QTimer;
class RssFilesTemp;
class SearchSubtitleOnline;

namespace Ui {
class RssManager;
}

class RssManager : public QDialog {
    Q_OBJECT
    friend class RssManagerProbe;

public:
    explicit RssManager(QWidget* parent = nullptr);
    ~RssManager() override;

    // Row height and the seven column widths of the film table.
    void setTableColumns();

signals:
    void downloadOrViewOnline(QStringList links);
    void addDownloadLinks(const QString& links, const QString& downloadFolder,
                          const QString& password);

public slots:
    // Embedded in the main window's tab page, the tab ignores Escape and close requests
    // (both end here); as a window of its own it closes as a dialog does.
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_ChooseSourceFilm_currentIndexChanged(const QString& text);
    void parseRssCategoryXml(const QString& path);
    void parseRssListFilmsXml(const QString& path);
    void processAutoDownload();
    // The new films of one chosen category's feed; `since` is the time the tick that
    // fetched it judged against.
    void autoDownload_parseRssListFilmsXml(const QString& path, const QString& id,
                                           const QDateTime& since);
    void on_pushButton_clicked();
    void searchSubOnline();
    void downloadOrViewOnline();
    void downloadSubViet();
    void download_720pType();
    void download_1080pType();
    void download_otherType();
    void download_otherType_2();
    void copyDownloadLinks();
    void goToPageFilm();
    void sendLinksViaMail();
    void getDownloadFolder(const QString& downLoadFolder);
    void on_rssListWidget_itemClicked(QListWidgetItem* item);
    void rssAutoDownload_selectCategory();
    void rssAutoDownload_unSelectCategory();
    void on_rssListWidget_customContextMenuRequested(const QPoint& pos);
    void on_ListDetail_customContextMenuRequested(const QPoint& pos);
    void on_lineEdit_returnPressed();
    void feedFetchFailed();

private:
    struct PosterRequest {
        int generation;
        int row;
        QString address;
    };

    // Busy state: the loading indicator shows while a feed request of the tab runs.
    bool busy() const;
    void setBusy(bool busy);
    void warn(const QString& text);
    void critical(const QString& title, const QString& text);
    // False, after the ordinary-member warning, below the paying levels.
    bool passesLevelGate();
    void fillChooser();
    QString currentSite() const;
    // Empties the film table (its titles stay) and forgets posters still on their way.
    void emptyFilmTable(bool applyVisibility);
    void applyColumnVisibility();
    void showFilmList();
    void requestPoster(int row, const QString& address);
    void startPosterFetches();
    // Drops the posters of the table shown so far: queued ones, and running ones, which
    // are cancelled (their files go with them).
    void dropPosters();
    void loadPresentImage(int row, const QString& imageFile);
    // The film of a table row; rows with no film (a poster's only) give an empty one.
    RssFilm filmAt(int row) const;

    QMenu* buildFilmMenu();
    QMenu* buildCategoryMenu();
    void emitLinks(const QString& text);

    void showCategoryList();
    void readCategoryHistory();
    void writeCategoryHistory(QList<AutoDownloadCategory> list);
    QString categoryHistoryPath() const;
    int currentCategoryRow() const;
    void sendAutoDownloadLinks(const QString& links, const QString& id);

    Ui::RssManager* ui;
    QStandardItemModel* filmModel;
    QStringList filmHeaderLabels;
    QString selectedTitles, selectedLinks, selectedSubLinks, selectedPageLinks, mailLinks,
        links720p, links1080p, linksOther, copyLinks;
    RssFilesTemp* feedFetcher;
    QTimer* autoDownloadTimer;
    QString autoDownloadLinks;
    SearchSubtitleOnline* subtitleSearch;
    QList<RssCategory> categories;
    QList<RssFilm> films;
    QDateTime lastTimeAutoDownload;
    bool autoDownloadTimeKnown = false;
    QList<AutoDownloadCategory> autoDownloadCategories;
    QString pendingAutoDownloadCategory;

    int posterGeneration = 0;
    QQueue<PosterRequest> posterQueue;
    // The poster fetches running, with the file each writes: a poster file lives only
    // until its image is read, and none outlives the tab.
    QHash<RssFilesTemp*, QString> posterFetches;
};
