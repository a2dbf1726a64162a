#include "bench/guistallwindows.h"

#include "api/userapi.h"
#include "bench/stallmeter.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "download/downloadfile.h"
#include "filemanager/filetablemodel.h"
#include "filemanager/formmanage.h"
#include "mainwindow/loginform.h"
#include "mainwindow/mainform.h"
#include "mainwindow/programexit.h"
#include "media/dialogplayvideo.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"
#include "upload/dialogupload.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <deque>
#include <memory>

namespace {

constexpr int kCaseTimeoutMs = 60000;

// Steps that wait for their moment: each runs once its condition holds, in order, from a
// 5 ms timer that also fires inside the nested event loops of modal dialogs.
class Steps {
public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    Steps() {
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start(5);
    }
    void then(Condition condition, Action action) {
        steps.emplace_back(std::move(condition), std::move(action));
    }
    bool finished() const { return steps.empty(); }

private:
    void poll() {
        while (!steps.empty() && steps.front().first()) {
            const Action action = steps.front().second;
            steps.pop_front();
            action();
        }
    }

    QTimer timer;
    std::deque<std::pair<Condition, Action>> steps;
};

template <typename T> T* modal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

bool noModal() {
    return QApplication::activeModalWidget() == nullptr;
}

template <typename T> T* child(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

class WindowCases {
public:
    WindowCases(DevServiceFixture& fixture, int latencyMs)
        : fixture(fixture), latencyMs(latencyMs) {}

    using Case = void (WindowCases::*)();
    struct Named {
        const char* name;
        Case run;
    };
    static const std::vector<Named>& cases();

    void run(const QString& only);

private:
    bool logIn();
    void measure(const char* name, const std::function<void()>& start,
                 const std::function<bool()>& done);
    size_t calls(const char* path) { return fixture.service().requests().forPath(path).size(); }
    void setLatency(int ms) { fixture.setLatency(std::chrono::milliseconds(ms)); }

    // The file manager tab on the account's top level, idle.
    void openManager();
    bool managerIdle();
    int rowOf(const QString& name);
    void select(const QString& name);
    void invoke(QObject* object, const char* slot);

    void rename();
    void remove();
    void createFolder();
    void password();
    void secure();
    void move();
    void uploadTree();
    void playLink();
    void loginRead();
    void logout();

    DevServiceFixture& fixture;
    int latencyMs;
    std::unique_ptr<RuriDudi> user;
    std::unique_ptr<FormManage> manager;
};

const std::vector<WindowCases::Named>& WindowCases::cases() {
    static const std::vector<Named> all = {
        {"rename", &WindowCases::rename},
        {"delete", &WindowCases::remove},
        {"create-folder", &WindowCases::createFolder},
        {"password", &WindowCases::password},
        {"secure", &WindowCases::secure},
        {"move", &WindowCases::move},
        {"upload-tree", &WindowCases::uploadTree},
        {"play-link", &WindowCases::playLink},
        {"login-read", &WindowCases::loginRead},
        {"logout", &WindowCases::logout},
    };
    return all;
}

void WindowCases::run(const QString& only) {
    RuriDudi* const before = currentUser;
    if (!logIn())
        return;
    std::printf("Window actions, every API reply held back %d ms:\n", latencyMs);
    for (const Named& named : cases()) {
        if (only.isEmpty() || only == QLatin1String(named.name))
            (this->*named.run)();
    }
    manager.reset();
    setLatency(0);
    currentUser = before;
}

bool WindowCases::logIn() {
    setLatency(0);
    brisko::user_api api(&apiClient);
    std::unique_ptr<brisko::user> account;
    if (api.login(devservice::demo::kEmail, devservice::demo::kPassword))
        account = api.get();
    if (!account) {
        std::fprintf(stderr, "window cases: the demo login failed: %d %s\n", api.get_error_code(),
                     api.get_error_msg().c_str());
        return false;
    }
    currentUserId = QString::fromStdString(account->get_id());
    currentUserLevel = QString::fromStdString(account->get_level());
    user = std::make_unique<RuriDudi>(
        currentUserId, QString::fromLatin1(devservice::demo::kEmail),
        QString::fromStdString(apiClient.get_session()->get_session_id()),
        QString::fromLatin1(devservice::demo::kPassword), currentUserLevel.toInt(), 1800.0);
    currentUser = user.get();
    return true;
}

void WindowCases::measure(const char* name, const std::function<void()>& start,
                          const std::function<bool()>& done) {
    setLatency(latencyMs);
    StallMeter meter;
    meter.start();
    QTimer::singleShot(50, start);
    const bool ended = runUntil(done, kCaseTimeoutMs);
    meter.stop();
    setLatency(0);
    std::printf("  %-14s worst %6.1f ms (GUI thread CPU in it %.1f ms), p99 %.1f ms, "
                "%.0f ms in all%s\n",
                name, meter.worst(), meter.worstCpuMs, meter.percentile(0.99), meter.wallMs,
                ended ? "" : ", TIMED OUT");
    std::fflush(stdout);
}

void WindowCases::invoke(QObject* object, const char* slot) {
    if (!QMetaObject::invokeMethod(object, slot))
        std::fprintf(stderr, "window cases: no slot %s\n", slot);
}

// ---- the file manager

void WindowCases::openManager() {
    if (manager)
        return;
    manager = std::make_unique<FormManage>();
    manager->resize(1100, 500);
    manager->show();
    manager->resetToRootFolder();
    runUntil([this] { return managerIdle(); }, kCaseTimeoutMs);
}

bool WindowCases::managerIdle() {
    return child<QTableView>(manager.get(), "tableManage")->isEnabled() &&
           !child<QLabel>(manager.get(), "img_loading")->isVisible();
}

int WindowCases::rowOf(const QString& name) {
    const QAbstractItemModel* rows = child<QTableView>(manager.get(), "tableManage")->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        if (rows->index(row, filetable::ColName).data().toString() == name)
            return row;
    return -1;
}

void WindowCases::select(const QString& name) {
    auto* table = child<QTableView>(manager.get(), "tableManage");
    const QModelIndex cell = table->model()->index(rowOf(name), filetable::ColName);
    table->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
}

void WindowCases::rename() {
    openManager();
    const size_t before = calls("/api/fileops/rename");
    measure(
        "rename",
        [this] {
            QAbstractItemModel* rows = child<QTableView>(manager.get(), "tableManage")->model();
            rows->setData(rows->index(rowOf(QStringLiteral("ghi chú.txt")), filetable::ColName),
                          QStringLiteral("ghi chú (2).txt"));
        },
        [&] { return calls("/api/fileops/rename") > before && managerIdle(); });
}

void WindowCases::remove() {
    openManager();
    select(QStringLiteral("ghi chú (2).txt"));
    const size_t before = calls("/api/fileops/delete");
    measure(
        "delete", [this] { invoke(manager.get(), "on_btnDel_2_clicked"); },
        [&] { return calls("/api/fileops/delete") > before && managerIdle(); });
}

void WindowCases::createFolder() {
    openManager();
    Steps steps;
    steps.then([] { return modal<QDialog>() != nullptr; },
               [] {
                   QDialog* dialog = modal<QDialog>();
                   child<QLineEdit>(dialog, "txt_FolderName")->setText(QStringLiteral("Mới"));
                   child<QAbstractButton>(dialog, "btn_accept")->click();
               });
    const size_t before = calls("/api/fileops/createFolder");
    measure(
        "create-folder", [this] { invoke(manager.get(), "on_btnCreate_2_clicked"); },
        [&] { return calls("/api/fileops/createFolder") > before && noModal() && managerIdle(); });
}

void WindowCases::password() {
    openManager();
    select(QStringLiteral("trống.bin"));
    Steps steps;
    steps.then([] { return modal<QDialog>() != nullptr; },
               [] {
                   QDialog* dialog = modal<QDialog>();
                   child<QLineEdit>(dialog, "txtFilePassword")->setText(QStringLiteral("mật khẩu"));
                   child<QAbstractButton>(dialog, "btn_accept")->click();
               });
    const size_t before = calls("/api/fileops/createFilePass");
    measure(
        "password", [this] { invoke(manager.get(), "changeFilePassword"); },
        [&] {
            return calls("/api/fileops/createFilePass") > before && noModal() && managerIdle();
        });
}

void WindowCases::secure() {
    openManager();
    select(QStringLiteral("trống.bin"));
    const size_t before = calls("/api/fileops/changeSecure");
    measure(
        "secure", [this] { invoke(manager.get(), "secureFiles"); },
        [&] { return calls("/api/fileops/changeSecure") > before && managerIdle(); });
}

void WindowCases::move() {
    openManager();
    select(QStringLiteral("trống.bin"));
    // The dialog lists the top level as it opens; a folder is picked (its subfolders listed)
    // and the move confirmed.
    const auto tree = [] { return child<QTreeWidget>(modal<QDialog>(), "treeFldMove"); };
    const auto treeReady = [tree] {
        return modal<QDialog>() && tree()->isEnabled() && tree()->topLevelItemCount() > 0 &&
               tree()->topLevelItem(0)->childCount() > 0;
    };
    Steps steps;
    steps.then(treeReady, [tree] {
        QTreeWidgetItem* folder = tree()->topLevelItem(0)->child(0);
        tree()->setCurrentItem(folder);
        emit tree()->itemClicked(folder, 0);
    });
    steps.then([tree] { return modal<QDialog>() && tree()->isEnabled(); },
               [] { child<QAbstractButton>(modal<QDialog>(), "btn_accept")->click(); });
    const size_t before = calls("/api/fileops/move");
    measure(
        "move", [this] { invoke(manager.get(), "on_btnMove_clicked"); },
        [&] { return calls("/api/fileops/move") > before && noModal() && managerIdle(); });
}

// ---- the upload dialog, the play dialog, the login and the logout

void WindowCases::uploadTree() {
    std::unique_ptr<DialogUpload> dialog;
    measure(
        "upload-tree",
        [&dialog] {
            dialog = std::make_unique<DialogUpload>(QList<QUrl>(), nullptr);
            dialog->show();
            dialog->resetToRootFolder();
        },
        [&dialog] {
            QTreeWidget* tree =
                dialog ? child<QTreeWidget>(dialog.get(), "treeMegaFolderWidget") : nullptr;
            return tree && tree->isEnabled() && tree->topLevelItemCount() > 0 &&
                   tree->topLevelItem(0)->childCount() > 0;
        });
}

void WindowCases::playLink() {
    // A player that ends at once, where the dialog looks for players.
    QTemporaryDir players;
    QFile vlc(players.filePath(QStringLiteral("vlc")));
    if (!vlc.open(QIODevice::WriteOnly) || vlc.write("#!/bin/sh\nexit 0\n") < 0)
        return;
    vlc.close();
    vlc.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("BRISKO_PLAYER_PATH", QFile::encodeName(players.path()));
    const QString link = QStringLiteral("https://www.localhost:%1/file/%2")
                             .arg(fixture.port())
                             .arg(QString::fromLatin1(devservice::demo::kBigFileCode));
    DownloadFile job(QStringLiteral("trailer.mp4"), players.filePath(QStringLiteral("trailer.mp4")),
                     QString(), QString(), QStringLiteral("1"), QStringLiteral("false"), link,
                     QString(), 5 << 20);
    DialogPlayVideo dialog(&job, 0, nullptr);
    bool viewed = false;
    QObject::connect(&dialog, &DialogPlayVideo::viewOline, [&viewed] { viewed = true; });
    dialog.show();
    measure(
        "play-link", [&dialog] { child<QAbstractButton>(&dialog, "pushPlayVideo")->click(); },
        [&] { return viewed && !dialog.isVisible(); });
    qunsetenv("BRISKO_PLAYER_PATH");
}

void WindowCases::loginRead() {
    LoginForm form;
    child<QLineEdit>(&form, "txt_email")->setText(QString::fromLatin1(devservice::demo::kEmail));
    child<QLineEdit>(&form, "txt_password")
        ->setText(QString::fromLatin1(devservice::demo::kPassword));
    bool finished = false;
    QObject::connect(&form, &LoginForm::loginFinish, [&finished](RuriDudi&) { finished = true; });
    measure(
        "login-read", [&form, this] { invoke(&form, "on_btn_login_clicked"); },
        [&finished] { return finished; });
}

void WindowCases::logout() {
    manager.reset();
    MainForm window;
    currentUser = nullptr; // the window makes its own copy of the account, and deletes it
    window.loginDone(*user);
    // Settled first: the account panel's own read, the tabs' first listings.
    const size_t reads = calls("/api/user/get");
    runUntil([&] { return calls("/api/user/get") > reads; }, kCaseTimeoutMs);
    runUntil([] { return false; }, 1000);
    // The login dialog that follows the logout is quit at once; the quit only ends its run.
    bool quit = false;
    programexit::setHandler([&quit](int) {
        quit = true;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<LoginForm*>(top))
                top->hide();
    });
    Steps steps;
    steps.then([] { return modal<LoginForm>() != nullptr; }, [] { modal<LoginForm>()->reject(); });
    measure(
        "logout", [&window] { window.on_actionLogout_triggered(); },
        [&] { return quit && currentUser == nullptr; });
    programexit::setHandler({});
}

} // namespace

QStringList windowCaseNames() {
    QStringList names;
    for (const auto& named : WindowCases::cases())
        names << QString::fromLatin1(named.name);
    return names;
}

void runWindowCases(DevServiceFixture& fixture, int latencyMs, const QString& only) {
    WindowCases(fixture, latencyMs).run(only);
}
