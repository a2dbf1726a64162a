#pragma once
// Stand-in for the film feed tab until its own change replaces it: the signals the main
// window connects, and nothing that emits them yet.
#include <QString>
#include <QStringList>
#include <QWidget>

class RssManager : public QWidget {
    Q_OBJECT
public:
    explicit RssManager(QWidget* parent = nullptr);

signals:
    void downloadOrViewOnline(QStringList links);
    void addDownloadLinks(const QString& links, const QString& downloadFolder,
                          const QString& password);
};
