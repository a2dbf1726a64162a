#pragma once
// Finds subtitles of a film on the subtitle site, downloads the chosen one and unpacks
// it: beside the video under the video's name (video mode), or into a folder the user
// chooses (keyword mode, the film browser's).
#include "core/windowdrag.h"
#include "media/subtitleextraction.h"
#include "media/subtitlepages.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QStandardItemModel;
class RssFilesTemp;
class setFolderSaveSubtitle;

namespace Ui {
class SearchSubtitleOnline;
}

class SearchSubtitleOnline : public QDialog {
    Q_OBJECT
public:
    // text: the video file's path, or (keywordMode) the keyword to show.
    SearchSubtitleOnline(bool keywordMode, const QString& text, QWidget* parent = nullptr);
    ~SearchSubtitleOnline() override;

    // For reuse by the film browser: a new keyword, no save folder yet.
    void setKeyword(const QString& keyword);
    void clearResults();

signals:
    // The subtitle's path (native separators), named after the video (video mode only).
    void readyGetSubtitleOnline(const QString& path);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

public slots:
    // Closing also drops the fetches still running: every dialog writes the same page
    // files, so a late one must not land in the next search.
    void done(int result) override;

private slots:
    void on_searchButton_clicked();
    void on_pushButton_clicked();
    void on_btn_cancle_clicked();
    void readSearchSub(const QString& path);
    void readListSub(const QString& path);
    void downloadSubtitle(const QString& path);
    void readSubtitle(const QString& path);
    void extractionFinished(SubtitleExtraction::Outcome outcome, const QString& subtitlePath);
    void fetchFailed();
    void on_fileName_returnPressed();
    void get_SubDowloadFolder(const QString& folder);

private:
    // A fetcher of its own for each request; `ready` is the one signal it needs.
    template <typename Signal, typename Slot>
    void fetch(const QString& fileName, const QString& url, Signal ready, Slot slot);
    bool busy() const;
    void setBusy(bool busy);
    void resetTable();
    void warn(const QString& title, const QString& text);

    Ui::SearchSubtitleOnline* ui;
    QStandardItemModel* model;
    QStringList headerLabels;
    SubtitleExtraction* extraction;
    QString videoFolder;
    QString videoPath;
    QString keyword;
    bool keywordMode;
    setFolderSaveSubtitle* folderDialog;
    QList<SubtitleEntry> entries;
    // Bumped by done(): results of fetches started before it are dropped.
    int fetchRound = 0;
    WindowDrag windowDrag{this};
};
