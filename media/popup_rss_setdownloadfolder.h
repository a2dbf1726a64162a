#pragma once
// Asks the download folder of a category chosen for auto-download.
#include "core/windowdrag.h"

#include <QDialog>
#include <QString>

namespace Ui {
class Popup_rss_SetDownloadFolder;
}

class Popup_rss_SetDownloadFolder : public QDialog {
    Q_OBJECT
public:
    Popup_rss_SetDownloadFolder(const QString& categoryName, QWidget* parent = nullptr);
    ~Popup_rss_SetDownloadFolder() override;

signals:
    void send_downloadFolder(const QString& folder);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private slots:
    void on_selectFolder_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    Ui::Popup_rss_SetDownloadFolder* ui;
    QString downloadFolder;
    WindowDrag windowDrag{this};
};
