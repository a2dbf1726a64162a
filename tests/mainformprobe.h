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

#include "tests/mainwindowsession.h"

#include <QTimer>
#include <QtTest>

#include <memory>

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
    static bool loggingOut(MainForm& w) { return w.loggingOut(); }
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

// A main window logged in as the demo account, once its account panel has asked for the
// account: a logout before that read reached the service would see it log in again.
inline std::unique_ptr<TrayMainForm> loggedInWindow(MainWindowSession& session) {
    auto window = std::make_unique<TrayMainForm>();
    const auto user = session.logIn();
    if (!user)
        return nullptr;
    const auto reads = [&session] {
        return session.service().requests().forPath("/api/user/get").size();
    };
    const size_t before = reads();
    window->loginDone(*user);
    if (!QTest::qWaitFor([&] { return reads() > before; }, 20000))
        return nullptr;
    return window;
}

// Quits the window's login dialog whenever it comes up (after a logout), for as long as
// it lives.
class LoginQuitter {
public:
    explicit LoginQuitter(MainForm& window) {
        QObject::connect(&timer, &QTimer::timeout, [&window] {
            LoginForm* login = MainFormProbe::loginForm(window);
            if (login->isVisible())
                login->reject();
        });
        timer.start(10);
    }

private:
    QTimer timer;
};
