#pragma once
// Stand-in for the file manager tab until its own change replaces it: the signals the
// main window connects and the calls it makes.
#include <QString>
#include <QStringList>
#include <QWidget>

class FormManage : public QWidget {
    Q_OBJECT
public:
    explicit FormManage(QWidget* parent = nullptr);

    void openFolder(QString folderName, QString fileName);
    void resetToRootFolder();
    void setFolderIsUse(bool inUse);

    int rootResets() const { return resets; }

signals:
    void downloadFile(QStringList links);
    void uploadIntoFolder(QString folder);
    void needCheckFolderIsUse(QString folder);

private:
    int resets = 0;
};
