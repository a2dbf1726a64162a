#pragma once
// Attaches a subtitle file to a video: a local .srt file, or one the online subtitle
// search fetched. The opener connects readyGetPathSubtitle and shows the dialog modally.

#include "core/windowdrag.h"

#include <QDialog>
#include <QString>

namespace Ui {
class Search_subtitles;
}

class Search_subtitles : public QDialog {
    Q_OBJECT
public:
    Search_subtitles(const QString& videoName, const QString& videoPath, QWidget* parent = nullptr);
    ~Search_subtitles() override;

signals:
    // The chosen subtitle's path, with native separators; only for a file that exists.
    void readyGetPathSubtitle(const QString& path);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_searchButton_clicked();
    void on_selectSub_clicked();
    void on_btn_exit_clicked();
    void on_btn_agreed_clicked();
    void getSubtitleOnline(const QString& path);

private:
    // Closes like the other cancel buttons; the form has no button of this name.
    void on_btn_cancle_clicked();

    Ui::Search_subtitles* ui;
    QString videoPath;
    QString lastFolder;
    WindowDrag windowDrag{this};
};
