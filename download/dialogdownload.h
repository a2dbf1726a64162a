#pragma once
// The add-links dialog: the service links to download (reduced to canonical file and
// folder links) and the target folder. On confirmation it expands the links into file
// records on a background job and hands them, with the folder, to whoever listens to
// send_dir; then it closes.
#include "api/file.h"
#include "core/windowdrag.h"

#include <QDialog>
#include <QList>
#include <QString>

namespace Ui {
class DialogDownload;
}

class DialogDownload : public QDialog {
    Q_OBJECT
public:
    // Empty links: the clipboard's text is used.
    DialogDownload(QString links, QWidget* parent = nullptr);
    ~DialogDownload() override;

    // Puts links into the links field, after the ones there unless replace is set.
    void setLinks(QString links, bool replace);

signals:
    // The records are valid during the emission only (the dialog frees them after it):
    // receivers on this thread take what they need at once.
    void send_dir(QList<brisko::file*> listFile, QString downloadZip, QString dir,
                  QString password = QString());
    void viewVideoOnline();

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_download_clicked();
    void on_btn_chon_clicked();
    void getAllFile_success(QList<brisko::file*> listFile);
    void getAllFile_error(QString title, QString listLinkErr);
    void setProgressBar(int value, int max, QString displayString);
    void disableForm();
    void enableForm();
    void on_txt_duongdan_editingFinished();

private:
    void sendFileList(QList<brisko::file*> listFile);
    // Creates the missing target folder when the user agrees; false to stop here.
    bool ensureFolder(const QString& folder);
    void setEnabledFields(bool enabled);

    Ui::DialogDownload* ui;
    WindowDrag windowDrag{this};
};
