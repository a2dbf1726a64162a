#pragma once
// Stand-in for the online subtitle search until its own change lands: it takes the video
// (or the search text) and offers no subtitle yet.
#include <QDialog>
#include <QString>

class SearchSubtitleOnline : public QDialog {
    Q_OBJECT
public:
    SearchSubtitleOnline(bool flag, QString text, QWidget* parent = nullptr);

signals:
    // The local path of the subtitle the user chose.
    void readyGetSubtitleOnline(QString subtitlePath);
};
