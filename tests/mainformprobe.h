#pragma once
// The tests' way into the main window's private parts, and a main window whose desktop
// always has a system tray.
#include "core/servicecallrunner.h"
#include "download/dialogdownload.h"
#include "download/formdownload.h"
#include "filemanager/formmanage.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/loginform.h"
#include "mainwindow/mainform.h"
#include "media/rssmanager.h"
#include "upload/dialogupload.h"
#include "upload/formupload.h"

#include <QTimer>

struct MainFormProbe {
    static LoginForm* loginForm(MainForm& w) { return w.loginForm; }
    static QSystemTrayIcon* tray(MainForm& w) { return w.trayIcon; }
    static QTimer* logTimer(MainForm& w) { return w.logTimer; }
    static FormDownload* formDownload(MainForm& w) { return w.formDownload; }
    static FormUpload* formUpload(MainForm& w) { return w.formUpload; }
    static FormInfo* formInfo(MainForm& w) { return w.formInfo; }
    static FormManage* formManage(MainForm& w) { return w.formManage; }
    static RssManager* rssManager(MainForm& w) { return w.rssManager; }
    static DialogUpload* dialogUpload(MainForm& w) { return w.dialogUpload; }
    static DialogDownload* dialogDownload(MainForm& w) { return w.dialogDownload; }
    static int lastDownloadSpeed(MainForm& w) { return w.lastDownloadSpeed; }
    static QString bannerAddress(MainForm& w) { return w.bannerAddress(); }
    static QString feedFolder(MainForm& w) { return w.addDownloadLinks_downloadFolder_param; }
    static QString feedPassword(MainForm& w) { return w.addDownloadLinks_password_param; }
    static bool loggingOut(MainForm& w) { return w.logoutCalls->isBusy(); }
    static void updateStatusLabels(MainForm& w, double down, double up) {
        w.updateStatusLabels(down, up);
    }
};

class TrayMainForm : public MainForm {
public:
    bool trayAvailable = true;

protected:
    bool systemTrayAvailable() const override { return trayAvailable; }
};
