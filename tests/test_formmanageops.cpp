// The file manager tab's operations against the stand-in, offscreen: the context menu,
// rename with the service's refusals explained, delete, the secure and direct-link
// switches, and the password, move and create-folder dialogs opened from the tab.
#include "tests/formmanagefixture.h"
#include "tests/guiturns.h"
#include "tests/modalanswerer.h"
#include "tests/support/contextmenuprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using devservice::Fault;
using filetable::ColName;

namespace {

std::string refusal(int code, const char* message) {
    return "{\"code\":" + std::to_string(code) + ",\"msg\":\"" + message + "\"}";
}

} // namespace

class TestFormManageOps : public FormManageFixture {
    Q_OBJECT
private slots:
    void init() { startTab(); }
    void cleanup() { stopTab(); }
    void contextMenuFollowsSelection_data();
    void contextMenuFollowsSelection();
    void renameSendsTheNameAndReloads();
    void renameExplainsRefusals_data();
    void renameExplainsRefusals();
    void deleteAsksFirstAndSendsViewOrder();
    void secureAndDirectLinkMarkFileRowsOnly();
    void ordinaryMemberRefusal();
    void passwordFromTheTabRoundTrips();
    void moveFromTheTab();
    void createFolderInTheKeptFolder();
    void errorPaths_data();
    void errorPaths();
    void noLinkSaysWhy_data();
    void noLinkSaysWhy();
    void contextMenuAtThePointer();
    void guiTurnsWhileCallsRun_data();
    void guiTurnsWhileCallsRun();
    void closingWhileBusy_data();
    void closingWhileBusy();

private:
    std::vector<devservice::Request> requests(const char* path) {
        return session->service().requests().forPath(path);
    }
    QString icon(const QString& name, int column) {
        return table()
            ->model()
            ->index(rowOf(name), column)
            .data(filetable::IconNameRole)
            .toString();
    }
};

void TestFormManageOps::contextMenuFollowsSelection_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("entries");
    const QStringList links{"Tải xuống", "Sao chép links", "Gửi link cho bạn bè"};
    const QStringList switches{"Giữ bảo đảm file", "Không bảo đảm file", "Bật Directlink",
                               "Tắt Directlink"};
    QTest::newRow("nothing") << QStringList() << QStringList{"Tải Lên"};
    QTest::newRow("folders only") << QStringList{"Music", "Photos"}
                                  << QStringList{"Sửa tên"} + links;
    QTest::newRow("one file") << QStringList{"ghi chú.txt"}
                              << QStringList{"Sửa tên", "Tạo mật khẩu"} + links + switches;
    QTest::newRow("one file with a password")
        << QStringList{"trống.bin"} << QStringList{"Sửa tên", "Đổi mật khẩu"} + links + switches;
    QTest::newRow("file and folder")
        << QStringList{"Music", "ghi chú.txt"} << QStringList{"Sửa tên"} + links + switches;
    QTest::newRow("two files") << QStringList{"ghi chú.txt", "trống.bin"}
                               << QStringList{"Sửa tên", "Tạo mật khẩu"} + links + switches;
}

void TestFormManageOps::contextMenuFollowsSelection() {
    QFETCH(QStringList, rows);
    const std::string locked = codeOf("/trống.bin").toStdString();
    session->service().files().fill(
        accountId(), [&](devservice::FileTree& t) { t.find(locked)->password = "bí mật"; });
    FormManageProbe::refresh(*form);
    waitIdle();
    table()->sortByColumn(ColName, Qt::DescendingOrder); // the view's rows are not the listing's
    selectRows(rows);
    QTEST(FormManageProbe::menu(*form), "entries");
}

void TestFormManageOps::renameSendsTheNameAndReloads() {
    const QString code = codeOf("/ghi chú.txt");
    QAbstractItemModel* rows = table()->model();
    QVERIFY(rows->setData(rows->index(rowOf("ghi chú.txt"), ColName), " ghi chú mới "));
    waitIdle();
    const auto sent = requests("/api/fileops/rename");
    QCOMPARE(sent.size(), size_t(1));
    const Json::Value body = bodyOf(sent[0]);
    QCOMPARE(QString::fromStdString(body["file"].asString()), code);
    QCOMPARE(QString::fromStdString(body["new_name"].asString()), QStringLiteral(" ghi chú mới "));
    QVERIFY(!body["token"].asString().empty());
    QVERIFY(shownNames().contains(" ghi chú mới "));
    // Other columns start nothing.
    QVERIFY(!rows->setData(rows->index(0, filetable::ColSize), "x"));
    QCOMPARE(requests("/api/fileops/rename").size(), size_t(1));
}

void TestFormManageOps::renameExplainsRefusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expiries"); // answers of 201 before the refusal or success
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("renames");
    QTest::newRow("too long") << QString(101, 'a') << 0 << "Lỗi"
                              << "Độ dài tối đa là 100 kí tự" << 1;
    QTest::newRow("exactly 100: the service's words") << QString(100, 'a') << 0 << "Lỗi (400)"
                                                      << "Tên không hợp lệ" << 1;
    QTest::newRow("empty") << "" << 0 << "Lỗi"
                           << "Tên tập tin không được phép rỗng." << 1;
    QTest::newRow("# before @") << "a@b#c" << 0 << "Lỗi"
                                << "Tên tập tin không được chứa kí tự đặt biệt: #" << 1;
    QTest::newRow("expired once, then fine") << "mới.txt" << 1 << ""
                                             << "" << 2;
    QTest::newRow("expired always") << "mới.txt" << 2 << "Lỗi (201)"
                                    << "Phiên đã hết hạn" << 2;
}

void TestFormManageOps::renameExplainsRefusals() {
    QFETCH(QString, name);
    QFETCH(int, expiries);
    QFETCH(QString, title);
    auto& faults = session->service().faults();
    for (int i = 0; i < expiries; ++i)
        faults.next("/api/fileops/rename", Fault::status(200, refusal(201, "Phiên đã hết hạn")));
    if (expiries == 0)
        faults.next("/api/fileops/rename", Fault::status(200, refusal(400, "Tên không hợp lệ")));
    if (!title.isEmpty())
        prompt->answer(QMessageBox::Ok);
    const size_t logins = requests("/api/user/login").size();
    QAbstractItemModel* rows = table()->model();
    QVERIFY(rows->setData(rows->index(rowOf("ghi chú.txt"), ColName), name));
    waitIdle();
    QTEST(int(requests("/api/fileops/rename").size()), "renames");
    QCOMPARE(int(requests("/api/user/login").size() - logins), expiries ? 1 : 0);
    if (title.isEmpty()) {
        QVERIFY(prompt->asked().isEmpty());
        QVERIFY(shownNames().contains(name));
        return;
    }
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked()[0].title, title);
    QTEST(prompt->asked()[0].text, "text");
    // The reload shows the name the service kept.
    QVERIFY(shownNames().contains("ghi chú.txt"));
    QVERIFY(table()->isEnabled());
}

void TestFormManageOps::deleteAsksFirstAndSendsViewOrder() {
    table()->sortByColumn(ColName, Qt::DescendingOrder);
    selectRows({"Photos", "trống.bin", "ghi chú.txt"});
    prompt->answer(QMessageBox::No);
    FormManageProbe::remove(*form);
    QVERIFY(requests("/api/fileops/delete").empty());
    QVERIFY(table()->isEnabled());
    QCOMPARE(prompt->asked().last().text, QStringLiteral("Bạn có muốn xóa file ?"));
    QCOMPARE(prompt->asked().last().defaultButton, QMessageBox::No);

    const QStringList expected{codeOf("/trống.bin"), codeOf("/ghi chú.txt"), codeOf("/Photos")};
    prompt->answer(QMessageBox::Yes);
    FormManageProbe::remove(*form);
    waitIdle();
    const auto sent = requests("/api/fileops/delete");
    QCOMPARE(sent.size(), size_t(1));
    QStringList items;
    const Json::Value body = bodyOf(sent[0]);
    for (const Json::Value& item : body["items"])
        items << QString::fromStdString(item.asString());
    QCOMPARE(items, expected); // top to bottom as shown
    QCOMPARE(shownNames(), (QStringList{"Tài liệu", "Phim hay", "Music"}));
}

void TestFormManageOps::secureAndDirectLinkMarkFileRowsOnly() {
    selectRows({"Music", "ghi chú.txt"});
    FormManageProbe::secure(*form, true);
    QTRY_COMPARE(icon("ghi chú.txt", filetable::ColSecure), QStringLiteral(":/images/lock.png"));
    QCOMPARE(icon("Music", filetable::ColSecure), QString());
    QTRY_VERIFY(table()->isEnabled());
    FormManageProbe::direct(*form, true);
    QTRY_COMPARE(icon("ghi chú.txt", filetable::ColDirectLink),
                 QStringLiteral(":/images/direct_link.png"));
    QCOMPARE(icon("Music", filetable::ColDirectLink), QString());
    QTRY_VERIFY(table()->isEnabled());
    const auto entry = session->service().files().findByPath(accountId(), "/ghi chú.txt");
    QVERIFY(entry && entry->secure && entry->directLink);
    const Json::Value body = bodyOf(requests("/api/fileops/changeSecure").at(0));
    QCOMPARE(body["items"].size(), 2u);
}

void TestFormManageOps::ordinaryMemberRefusal() {
    user->setLevel(2);
    auto& faults = session->service().faults();
    faults.next("/api/fileops/changeSecure", Fault::status(200, refusal(403, "Không được phép")));
    faults.next("/api/share/SetDirectLink", Fault::status(200, refusal(403, "Không được phép")));
    selectRows({"ghi chú.txt"});
    prompt->answer(QMessageBox::Ok);
    FormManageProbe::secure(*form, true);
    QTRY_COMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi!"));
    QCOMPARE(prompt->asked()[0].text,
             QStringLiteral("Bạn là thành viên thường nên không thực hiện được chức năng này."));
    prompt->answer(QMessageBox::Ok);
    FormManageProbe::direct(*form, true);
    QTRY_COMPARE(prompt->asked().size(), 2);
    QCOMPARE(prompt->asked()[1].title, QStringLiteral("Lỗi (403)"));
    QCOMPARE(prompt->asked()[1].text, QStringLiteral("Không được phép"));
    QCOMPARE(icon("ghi chú.txt", filetable::ColSecure), QStringLiteral(":/images/unlock.png"));
    QVERIFY(table()->isEnabled());
}

void TestFormManageOps::passwordFromTheTabRoundTrips() {
    ModalAnswerer dialogs;
    const QString password = QStringLiteral("mật khẩu ổn");
    dialogs.next([&](QDialog* dialog) {
        dialog->findChild<QLineEdit*>("txtFilePassword")->setText(password);
        dialog->findChild<QPushButton*>("btn_accept")->click();
    });
    selectRows({"ghi chú.txt"});
    FormManageProbe::password(*form);
    QCOMPARE(dialogs.answered(), QStringList{"formChangeFilePassword"});
    const std::string code = codeOf("/ghi chú.txt").toStdString();
    QCOMPARE(session->service().files().findByPath(accountId(), "/ghi chú.txt")->password,
             password.toStdString());
    QCOMPARE(FormManageProbe::recordPassword(*form, code), password.toStdString());
    QCOMPARE(icon("ghi chú.txt", filetable::ColPassword), QStringLiteral(":/images/password.png"));
    // A file with a password opens the dialog in its change wording; removing it clears
    // the icon of the rows the dialog was opened for, whatever is selected afterwards.
    dialogs.next([&](QDialog* dialog) {
        QVERIFY(dialog->findChild<QLabel*>("lblMessTitle")->text().contains("Thay đổi"));
        dialog->findChild<QCheckBox*>("chkDelPassword")->setChecked(true);
        dialog->findChild<QPushButton*>("btn_accept")->click();
        table()->clearSelection();
    });
    FormManageProbe::password(*form);
    QCOMPARE(session->service().files().findByPath(accountId(), "/ghi chú.txt")->password,
             std::string());
    QCOMPARE(icon("ghi chú.txt", filetable::ColPassword),
             QStringLiteral(":/images/unpassword.png"));
}

void TestFormManageOps::moveFromTheTab() {
    ModalAnswerer dialogs;
    dialogs.next([&](QDialog* dialog) {
        settle(dialog);
        auto* folders = dialog->findChild<QTreeWidget*>("treeFldMove");
        QTreeWidgetItem* target = childNamed(folders->topLevelItem(0), "Tài liệu");
        QVERIFY(target);
        folders->setCurrentItem(target);
        emit folders->itemClicked(target, 0);
        settle(dialog);
        dialog->findChild<QPushButton*>("btn_accept")->click();
    });
    selectRows({"ghi chú.txt", "Photos"});
    FormManageProbe::move(*form);
    waitIdle();
    QCOMPARE(dialogs.answered(), QStringList{"DialogMoveFIle"});
    QVERIFY(session->service().files().findByPath(accountId(), "/Tài liệu/ghi chú.txt"));
    QVERIFY(session->service().files().findByPath(accountId(), "/Tài liệu/Photos"));
    QTRY_VERIFY(!shownNames().contains("ghi chú.txt"));
    QVERIFY(!shownNames().contains("Photos"));
}

void TestFormManageOps::createFolderInTheKeptFolder() {
    ModalAnswerer dialogs;
    auto create = [&](const QString& name) {
        dialogs.next([name](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("txt_FolderName")->setText(name);
            dialog->findChild<QPushButton*>("btn_accept")->click();
        });
        FormManageProbe::createFolder(*form);
        waitIdle();
    };
    create(QStringLiteral("Mới ở gốc"));
    openFolder("Phim hay");
    create(QStringLiteral(" Bản nháp "));
    const auto sent = requests("/api/fileops/createFolder");
    QCOMPARE(sent.size(), size_t(2));
    QCOMPARE(bodyOf(sent[0])["in_dir"].asString(), std::string("0"));
    QCOMPARE(QString::fromStdString(bodyOf(sent[1])["in_dir"].asString()), codeOf("/Phim hay"));
    QCOMPARE(QString::fromStdString(bodyOf(sent[1])["name"].asString()),
             QStringLiteral(" Bản nháp "));
    QVERIFY(shownNames().contains(" Bản nháp "));
}

namespace {

enum class Failure { Refused, Expired, NoReply };

Fault faultOf(Failure failure) {
    switch (failure) {
    case Failure::Refused:
        return Fault::status(200, refusal(500, "Bận"));
    case Failure::Expired:
        return Fault::status(200, refusal(201, "Phiên đã hết hạn"));
    default:
        // Cut after the headers: a connection closed before any byte would be tried
        // again by libcurl on a fresh one.
        return Fault::cutMidReply(0);
    }
}

} // namespace

void TestFormManageOps::errorPaths_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("title"); // "": no box
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("calls"); // requests of `path`
    QTest::addColumn<int>("logins");
    const int refused = int(Failure::Refused);
    const int expired = int(Failure::Expired);
    const int noReply = int(Failure::NoReply);
    QTest::newRow("delete refused") << "delete"
                                    << "/api/fileops/delete" << refused << "Lỗi (500)"
                                    << "Bận" << 1 << 0;
    QTest::newRow("delete, session expired") << "delete"
                                             << "/api/fileops/delete" << expired << ""
                                             << "" << 2 << 1;
    QTest::newRow("create folder, session expired") << "create"
                                                    << "/api/fileops/createFolder" << expired << ""
                                                    << "" << 2 << 1;
    QTest::newRow("secure, no reply") << "secure"
                                      << "/api/fileops/changeSecure" << noReply << "Lỗi!"
                                      << "Lỗi kết nối mạng !" << 1 << 0;
    QTest::newRow("direct link, no reply") << "direct"
                                           << "/api/share/SetDirectLink" << noReply << "Lỗi!"
                                           << "Lỗi kết nối mạng !" << 1 << 0;
}

// What the user sees when a call of the tab or of its dialogs fails: the box, over which
// window, and the tab usable and showing the service's state afterwards.
void TestFormManageOps::errorPaths() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    QFETCH(int, failure);
    QFETCH(QString, title);
    const std::string endpoint = path.toStdString();
    session->service().faults().next(endpoint, faultOf(Failure(failure)));
    const size_t logins = requests("/api/user/login").size();
    const QString file = QStringLiteral("ghi chú.txt");
    const QString folder = QStringLiteral("Thư mục mới");
    const QString secureIcon = icon(file, filetable::ColSecure);
    const QString directIcon = icon(file, filetable::ColDirectLink);
    ModalAnswerer dialogs;
    QPointer<QDialog> dialogShown;
    selectRows({file});
    if (action == "delete")
        prompt->answer(QMessageBox::Yes);
    if (!title.isEmpty())
        prompt->answer(QMessageBox::Ok);
    if (action == "delete") {
        FormManageProbe::remove(*form);
    } else if (action == "secure") {
        FormManageProbe::secure(*form, true);
    } else if (action == "direct") {
        FormManageProbe::direct(*form, true);
    } else {
        dialogs.next([&](QDialog* dialog) {
            dialogShown = dialog;
            dialog->findChild<QLineEdit*>("txt_FolderName")->setText(folder);
            dialog->findChild<QPushButton*>("btn_accept")->click();
        });
        FormManageProbe::createFolder(*form);
    }
    QTRY_VERIFY_WITH_TIMEOUT(prompt->unanswered() == 0 && table()->isEnabled(), 20000);
    waitIdle();
    QTEST(int(requests(endpoint.c_str()).size()), "calls");
    QTEST(int(requests("/api/user/login").size() - logins), "logins");
    const int questions = action == "delete" ? 1 : 0;
    if (title.isEmpty()) {
        QCOMPARE(prompt->asked().size(), questions);
    } else {
        QCOMPARE(prompt->asked().size(), questions + 1);
        QCOMPARE(prompt->asked().last().title, title);
        QTEST(prompt->asked().last().text, "text");
        QCOMPARE(prompt->asked().last().parent.data(), static_cast<QWidget*>(form.get()));
    }
    if (action == "delete") {
        // Refused: still there after the reload; deleted after the re-login.
        QCOMPARE(shownNames().contains(file), !title.isEmpty());
    } else if (action == "create") {
        QCOMPARE(dialogs.answered(), QStringList{"Dialogcreatefol"});
        QTRY_VERIFY(shownNames().contains(folder));
        QVERIFY(session->service().files().findByPath(accountId(), "/Thư mục mới"));
    } else {
        QCOMPARE(icon(file, filetable::ColSecure), secureIcon);
        QCOMPARE(icon(file, filetable::ColDirectLink), directIcon);
    }
}

void TestFormManageOps::noLinkSaysWhy_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("path"); // the request that must not go out
    QTest::newRow("rename") << "rename"
                            << "/api/fileops/rename";
    QTest::newRow("download") << "download" << QString();
    QTest::newRow("delete") << "delete"
                            << "/api/fileops/delete";
    QTest::newRow("secure") << "secure"
                            << "/api/fileops/changeSecure";
}

// An entry the service numbers below 100 has no share link and no code to act on: the
// actions on it say so instead of doing nothing, and send nothing.
void TestFormManageOps::noLinkSaysWhy() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    const QString name = QStringLiteral("hệ thống.dat");
    devservice::FileEntry own;
    own.id = 42;
    own.name = name.toStdString();
    session->service().files().fill(accountId(), [&](devservice::FileTree& t) { t.add(own); });
    FormManageProbe::refresh(*form);
    waitIdle();
    QSignalSpy handed(form.get(), &FormManage::downloadFile);
    prompt->answer(QMessageBox::Ok);
    if (action == "rename") {
        QAbstractItemModel* rows = table()->model();
        QVERIFY(rows->setData(rows->index(rowOf(name), ColName), "khác.dat"));
    } else {
        selectRows({name});
        if (action == "download")
            FormManageProbe::download(*form);
        else if (action == "delete")
            FormManageProbe::remove(*form);
        else
            FormManageProbe::secure(*form, true);
    }
    waitIdle();
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi!"));
    QCOMPARE(
        prompt->asked()[0].text,
        QStringLiteral("Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này."));
    if (!path.isEmpty())
        QVERIFY(requests(path.toUtf8().constData()).empty());
    QCOMPARE(handed.size(), 0);
    QVERIFY(shownNames().contains(name)); // a refused rename shows the old name again
    QVERIFY(table()->isEnabled());
}

void TestFormManageOps::contextMenuAtThePointer() {
    selectRows({"ghi chú.txt"});
    const QPoint at(30, 40); // in the viewport, as the view reports it
    QCOMPARE(contextMenuShownAt(table(), at), table()->viewport()->mapToGlobal(at));
}

namespace {

const std::chrono::milliseconds kLatency(1500);

} // namespace

void TestFormManageOps::guiTurnsWhileCallsRun_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("path");
    QTest::newRow("rename") << "rename"
                            << "/api/fileops/rename";
    QTest::newRow("delete") << "delete"
                            << "/api/fileops/delete";
    QTest::newRow("secure") << "secure"
                            << "/api/fileops/changeSecure";
    QTest::newRow("direct link") << "direct"
                                 << "/api/share/SetDirectLink";
}

// Runs one of the tab's calls on the selected file.
static void startTabCall(FormManage& form, QTableView* table, const QString& action, int row) {
    if (action == "rename") {
        QAbstractItemModel* rows = table->model();
        rows->setData(rows->index(row, ColName), "đổi tên.txt");
    } else if (action == "delete") {
        FormManageProbe::remove(form);
    } else {
        action == "secure" ? FormManageProbe::secure(form, true)
                           : FormManageProbe::direct(form, true);
    }
}

// With every reply of the call slow, the GUI thread keeps turning while it runs.
void TestFormManageOps::guiTurnsWhileCallsRun() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    session->service().faults().next(path.toStdString(), Fault::wait(kLatency));
    selectRows({"ghi chú.txt"});
    if (action == "delete")
        prompt->answer(QMessageBox::Yes);
    GuiTurns turns;
    startTabCall(*form, table(), action, rowOf("ghi chú.txt"));
    QVERIFY(callsRunning(form.get()));
    QVERIFY(!table()->isEnabled()); // busy meanwhile
    waitIdle();
    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QCOMPARE(int(requests(path.toUtf8().constData()).size()), 1);
    QVERIFY(turns.worstPause() < kLatency.count());
    QVERIFY(table()->isEnabled());
}

void TestFormManageOps::closingWhileBusy_data() {
    guiTurnsWhileCallsRun_data();
}

// The tab closed while its call runs: the late result, a refusal, shows nothing and
// touches nothing.
void TestFormManageOps::closingWhileBusy() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    Fault slowRefusal = Fault::status(200, refusal(500, "Bận"));
    slowRefusal.delay = std::chrono::milliseconds(500);
    session->service().faults().next(path.toStdString(), slowRefusal);
    selectRows({"ghi chú.txt"});
    if (action == "delete")
        prompt->answer(QMessageBox::Yes);
    startTabCall(*form, table(), action, rowOf("ghi chú.txt"));
    QVERIFY(callsRunning(form.get()));
    const int asked = prompt->asked().size();
    form.reset();
    drainCalls();
    QTRY_COMPARE(int(requests(path.toUtf8().constData()).size()), 1);
    QCOMPARE(prompt->asked().size(), asked);
}

QTEST_MAIN(TestFormManageOps)
#include "test_formmanageops.moc"
