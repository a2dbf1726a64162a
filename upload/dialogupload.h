#pragma once
// Stand-in for the upload dialog until its own change replaces it: the local files
// chosen (a folder adds the plain files in it) and the server folder; OK hands both to
// whoever listens to getUploadInfor.
#include "core/megafile.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;

class DialogUpload : public QDialog {
    Q_OBJECT
public:
    DialogUpload(const QStringList& files, QWidget* parent = nullptr);

    void setUploadFolder(const QString& folder);
    QString uploadFolder() const;
    void clearSelectedFiles();
    // Adds a file, or the plain files of a folder, after those chosen unless replace.
    void addLocalPath(const QString& path, bool replace);
    void resetToRootFolder();
    QStringList selectedFiles() const;

signals:
    void getUploadInfor(MegaFile folder, QStringList files, QString password, QString description,
                        bool secure, bool directLink);

public slots:
    void accept() override;

private:
    QListWidget* files;
    QLineEdit* folder;
};
