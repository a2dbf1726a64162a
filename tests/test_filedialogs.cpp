// The file manager's dialogs on their own, against the stand-in: the folder tree of the
// move and copy dialogs, what their accept sends, the busy move, the file password
// dialog's rules, and the create-folder dialog's checks.
#include "filemanager/dialogcopyfile.h"
#include "filemanager/dialogcreatefol.h"
#include "filemanager/dialogmovefile.h"
#include "filemanager/formchangefilepassword.h"
#include "tests/formmanagefixture.h"
#include "tests/guiturns.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include <atomic>
#include <memory>

using devservice::Fault;

namespace {

// Clicks a folder and waits for its listing.
void click(QTreeWidget* tree, QTreeWidgetItem* item) {
    QVERIFY(item);
    tree->setCurrentItem(item);
    emit tree->itemClicked(item, 0);
    settle(tree->window());
}

} // namespace

class TestFileDialogs : public FormManageFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { stopTab(); }
    void folderTreeListsNestedNonAsciiFolders();
    void moveTargetsAndBusyState();
    void acceptDuringAListing_data();
    void acceptDuringAListing();
    void copyTargetsAndExpiredSession();
    void passwordRules();
    void passwordSentAsTypedAndRetried();
    void createFolderChecksTheName();
    void refusedListing_data();
    void refusedListing();
    void guiTurnsWhileCallsRun_data();
    void guiTurnsWhileCallsRun();
    void closingWhileBusy_data();
    void closingWhileBusy();
    void closedDialogsResultReachesTheTab_data();
    void closedDialogsResultReachesTheTab();

private:
    std::vector<devservice::Request> requests(const std::string& path) {
        return session->service().requests().forPath(path);
    }
    std::vector<std::string> codes(const QStringList& paths) {
        std::vector<std::string> out;
        for (const QString& path : paths)
            out.push_back(codeOf(path.toStdString()).toStdString());
        return out;
    }
};

void TestFileDialogs::init() {
    startTab();
    // A folder two levels down with non-ASCII names, and one holding a ";".
    auto& files = session->service().files();
    QVERIFY(files.addFolder(accountId(), "/Phim hay/Phụ đề", "Tiếng Việt"));
    QVERIFY(files.addFolder(accountId(), "/", "a;b"));
}

void TestFileDialogs::folderTreeListsNestedNonAsciiFolders() {
    DialogMoveFIle dialog(codes({"/ghi chú.txt"}), nullptr);
    settle(&dialog);
    auto* tree = dialog.findChild<QTreeWidget*>("treeFldMove");
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Brisko"));
    QCOMPARE(childNames(root), (QStringList{"Music", "Photos", "Phim hay", "Tài liệu", "a;b"}));
    QCOMPARE(requests(listPath(QString())).back().target.find("dirOnly=1") != std::string::npos,
             true);
    click(tree, childNamed(root, "Phim hay"));
    click(tree, childNamed(childNamed(root, "Phim hay"), "Phụ đề"));
    // The paths went as percent-encoded UTF-8, "/" included.
    QCOMPARE(requests("/api/fileops/list%2FPhim%20hay").size(), size_t(1));
    QCOMPARE(requests("/api/fileops/list%2FPhim%20hay%2FPh%E1%BB%A5%20%C4%91%E1%BB%81").size(),
             size_t(1));
    QTreeWidgetItem* subtitles = childNamed(childNamed(root, "Phim hay"), "Phụ đề");
    QCOMPARE(childNames(subtitles), QStringList{"Tiếng Việt"});
    // Clicking again lists afresh, never twice over.
    click(tree, subtitles);
    QCOMPARE(childNames(subtitles), QStringList{"Tiếng Việt"});
    click(tree, childNamed(root, "a;b"));
    QCOMPARE(requests("/api/fileops/list%2Fa%3Bb").size(), size_t(1));
    QVERIFY(tree->isEnabled());
}

void TestFileDialogs::moveTargetsAndBusyState() {
    {
        // No folder clicked: the top level, "0".
        DialogMoveFIle dialog(codes({"/Music/Trịnh Công Sơn - Diễm xưa.mp3"}), nullptr);
        settle(&dialog);
        QSignalSpy done(&dialog, &DialogMoveFIle::getlistToReresh);
        session->service().faults().next("/api/fileops/move",
                                         Fault::wait(std::chrono::milliseconds(800)));
        dialog.findChild<QPushButton*>("btn_accept")->click();
        QVERIFY(!dialog.findChild<QPushButton*>("btn_accept")->isEnabled());
        QVERIFY(!dialog.findChild<QTreeWidget*>("treeFldMove")->isEnabled());
        QVERIFY(!dialog.findChild<QLabel*>("img_loading")->isHidden());
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done[0][0].toString(), QStringLiteral("0"));
        QVERIFY(dialog.findChild<QLabel*>("img_loading")->isHidden());
        QCOMPARE(bodyOf(requests("/api/fileops/move").back())["to"].asString(), std::string("0"));
    }
    {
        // A folder, then the root again: the root.
        DialogMoveFIle dialog(codes({"/ghi chú.txt"}), nullptr);
        settle(&dialog);
        auto* tree = dialog.findChild<QTreeWidget*>("treeFldMove");
        click(tree, childNamed(tree->topLevelItem(0), "Tài liệu"));
        click(tree, tree->topLevelItem(0));
        QSignalSpy done(&dialog, &DialogMoveFIle::getlistToReresh);
        // A refusal leaves the dialog open and usable, the choice kept.
        session->service().faults().next("/api/fileops/move",
                                         Fault::status(200, R"({"code":500,"msg":"Bận"})"));
        prompt->answer(QMessageBox::Ok);
        dialog.findChild<QPushButton*>("btn_accept")->click();
        QTRY_COMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi (500)"));
        QVERIFY(dialog.findChild<QPushButton*>("btn_accept")->isEnabled());
        click(tree, childNamed(tree->topLevelItem(0), "Tài liệu"));
        dialog.findChild<QPushButton*>("btn_accept")->click();
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done[0][0].toString(), codeOf("/Tài liệu"));
        QVERIFY(session->service().files().findByPath(accountId(), "/Tài liệu/ghi chú.txt"));
    }
}

void TestFileDialogs::acceptDuringAListing_data() {
    QTest::addColumn<QString>("listing"); // how the held listing ends
    QTest::newRow("listed") << "listed";
    QTest::newRow("refused") << "refused";
    QTest::newRow("dialog closed meanwhile") << "closed";
}

// "Đồng ý" pressed while the clicked folder's subfolders load is kept: once they are in,
// the entry moves into that folder. A refused listing is told instead, and a dialog closed
// meanwhile moves nothing.
void TestFileDialogs::acceptDuringAListing() {
    QFETCH(QString, listing);
    DialogMoveFIle dialog(codes({"/ghi chú.txt"}), nullptr);
    dialog.show();
    settle(&dialog);
    auto* tree = dialog.findChild<QTreeWidget*>("treeFldMove");
    auto* accept = dialog.findChild<QPushButton*>("btn_accept");
    QSignalSpy done(&dialog, &DialogMoveFIle::getlistToReresh);
    // Shared with the stand-in, which may poll it after a failed check has left this scope.
    const auto released = std::make_shared<std::atomic<bool>>(false);
    const auto release = qScopeGuard([released] { *released = true; });
    Fault held = listing == "refused" ? Fault::status(200, R"({"code":500,"msg":"Bận"})") : Fault();
    held.until = [released] { return released->load(); };
    const std::string documents = listPath(QStringLiteral("/Tài liệu"));
    session->service().faults().next(documents, held);
    if (listing == "refused")
        prompt->answer(QMessageBox::Ok);

    QTreeWidgetItem* folder = childNamed(tree->topLevelItem(0), "Tài liệu");
    tree->setCurrentItem(folder);
    emit tree->itemClicked(folder, 0);
    QTRY_COMPARE(requests(documents).size(), size_t(1));
    accept->click();
    QVERIFY(!accept->isEnabled()); // taken once
    if (listing == "closed")
        dialog.close();
    *released = true;
    settle(&dialog);

    const bool moves = listing == "listed";
    QCOMPARE(requests("/api/fileops/move").size(), size_t(moves ? 1 : 0));
    QCOMPARE(done.size(), moves ? 1 : 0);
    QCOMPARE(prompt->asked().size(), listing == "refused" ? 1 : 0);
    QCOMPARE(bool(session->service().files().findByPath(accountId(), "/Tài liệu/ghi chú.txt")),
             moves);
    if (moves) {
        QCOMPARE(done[0][0].toString(), codeOf("/Tài liệu"));
        QVERIFY(!dialog.isVisible());
    } else if (listing == "refused") {
        // The press went with the refusal: the dialog waits for another.
        QVERIFY(dialog.isVisible());
        QVERIFY(accept->isEnabled() && tree->isEnabled());
    }
}

void TestFileDialogs::copyTargetsAndExpiredSession() {
    DialogCopyFile dialog(codes({"/ghi chú.txt", "/Photos"}), nullptr);
    settle(&dialog);
    QSignalSpy done(&dialog, &DialogCopyFile::getlistToReresh);
    auto* tree = dialog.findChild<QTreeWidget*>("treeCopy");
    click(tree, childNamed(tree->topLevelItem(0), "Phim hay"));
    session->service().faults().next("/api/fileops/copy",
                                     Fault::status(200, R"({"code":201,"msg":"Hết phiên"})"));
    const size_t logins = requests("/api/user/login").size();
    dialog.findChild<QPushButton*>("btn_accept")->click();
    settle(&dialog);
    QCOMPARE(done.size(), 1);
    QCOMPARE(done[0][0].toString(), codeOf("/Phim hay"));
    QCOMPARE(requests("/api/fileops/copy").size(), size_t(2));
    QCOMPARE(requests("/api/user/login").size(), logins + 1);
    const Json::Value body = bodyOf(requests("/api/fileops/copy").back());
    QCOMPARE(QString::fromStdString(body["to"].asString()), codeOf("/Phim hay"));
    QCOMPARE(body["items"].size(), 2u);
    QVERIFY(session->service().files().findByPath(accountId(), "/Phim hay/Photos"));

    // The root is "0"; a service that keeps saying "expired" is told once, not forever.
    DialogCopyFile again(codes({"/trống.bin"}), nullptr);
    settle(&again);
    for (int i = 0; i < 3; ++i)
        session->service().faults().next("/api/fileops/copy",
                                         Fault::status(200, R"({"code":201,"msg":"Hết phiên"})"));
    prompt->answer(QMessageBox::Ok);
    again.findChild<QPushButton*>("btn_accept")->click();
    settle(&again);
    QCOMPARE(prompt->asked().last().title, QStringLiteral("Lỗi (201)"));
    QCOMPARE(requests("/api/fileops/copy").size(), size_t(4));
    QCOMPARE(bodyOf(requests("/api/fileops/copy").back())["to"].asString(), std::string("0"));
    session->service().faults().clear();
}

void TestFileDialogs::passwordRules() {
    formChangeFilePassword dialog(codes({"/ghi chú.txt"}), nullptr);
    auto* field = dialog.findChild<QLineEdit*>("txtFilePassword");
    auto* status = dialog.findChild<QLabel*>("lblStatus");
    auto* remove = dialog.findChild<QCheckBox*>("chkDelPassword");
    field->setText("12345");
    QVERIFY(status->text().contains("yếu"));
    dialog.findChild<QPushButton*>("btn_accept")->click();
    QCOMPARE(status->text(),
             QStringLiteral("<font color=\"red\">Độ dài mật khẩu ít nhất 6 ký tự.</font>"));
    QVERIFY(requests("/api/fileops/createFilePass").empty());
    // Five Vietnamese letters are five characters: refused too.
    field->setText(QStringLiteral("ệệệệệ"));
    dialog.findChild<QPushButton*>("btn_accept")->click();
    QVERIFY(requests("/api/fileops/createFilePass").empty());
    // Removal sends an empty password whatever the field holds.
    QSignalSpy done(&dialog, &formChangeFilePassword::createPasswordSuccess);
    remove->setChecked(true);
    QVERIFY(!field->isEnabled());
    dialog.findChild<QPushButton*>("btn_accept")->click();
    QVERIFY(!dialog.findChild<QPushButton*>("btn_accept")->isEnabled());
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(done[0][0].toString(), QString());
    QCOMPARE(bodyOf(requests("/api/fileops/createFilePass").back())["pass"].asString(),
             std::string());
}

void TestFileDialogs::passwordSentAsTypedAndRetried() {
    formChangeFilePassword dialog(codes({"/ghi chú.txt", "/trống.bin"}), nullptr);
    const QString typed = QStringLiteral("khóa bí mật ✓");
    dialog.findChild<QLineEdit*>("txtFilePassword")->setText(typed);
    session->service().faults().next("/api/fileops/createFilePass",
                                     Fault::status(200, R"({"code":500,"msg":"Bận"})"));
    prompt->answer(QMessageBox::Ok);
    QSignalSpy done(&dialog, &formChangeFilePassword::createPasswordSuccess);
    dialog.findChild<QPushButton*>("btn_accept")->click();
    QTRY_COMPARE(prompt->asked().size(), 1);
    QTRY_VERIFY(dialog.findChild<QPushButton*>("btn_accept")->isEnabled());
    QCOMPARE(dialog.findChild<QLineEdit*>("txtFilePassword")->text(), typed);
    dialog.findChild<QPushButton*>("btn_accept")->click();
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(done[0][0].toString(), typed);
    const auto sent = requests("/api/fileops/createFilePass");
    QCOMPARE(sent.size(), size_t(2));
    for (const auto& request : sent)
        QCOMPARE(bodyOf(request)["pass"].asString(), typed.toStdString());
    QCOMPARE(session->service().files().findByPath(accountId(), "/trống.bin")->password,
             typed.toStdString());
}

void TestFileDialogs::createFolderChecksTheName() {
    Dialogcreatefol dialog(QStringLiteral("0"), nullptr);
    QSignalSpy done(&dialog, &Dialogcreatefol::signCreateFolderComplete);
    auto* name = dialog.findChild<QLineEdit*>("txt_FolderName");
    auto* accept = dialog.findChild<QPushButton*>("btn_accept");
    prompt->answer(QMessageBox::Ok);
    prompt->answer(QMessageBox::Ok);
    name->setText("   ");
    accept->click();
    name->clear();
    accept->click();
    QCOMPARE(prompt->asked()[0].text,
             QStringLiteral("Tên thư mục không được đặt là khoảng trắng."));
    QCOMPARE(prompt->asked()[1].text, QStringLiteral("Bạn chưa nhập tên thư mục"));
    QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi!"));
    QVERIFY(requests("/api/fileops/createFolder").empty());
    // A name the service refuses: its code and words, the dialog open, the name kept.
    prompt->answer(QMessageBox::Ok);
    name->setText("Music");
    accept->click();
    settle(&dialog);
    QVERIFY(prompt->asked()[2].title.startsWith("Lỗi ("));
    QCOMPARE(name->text(), QStringLiteral("Music"));
    QCOMPARE(done.size(), 0);
    name->setText(QStringLiteral(" Ảnh cũ "));
    accept->click();
    settle(&dialog);
    QCOMPARE(done.size(), 1);
    QVERIFY(session->service().files().findByPath(accountId(), "/ Ảnh cũ "));
    // Cancel empties the name and reports nothing.
    Dialogcreatefol other(QStringLiteral("0"), nullptr);
    other.findChild<QLineEdit*>("txt_FolderName")->setText("x");
    other.findChild<QPushButton*>("btn_cancel")->click();
    QCOMPARE(other.findChild<QLineEdit*>("txt_FolderName")->text(), QString());
}

void TestFileDialogs::refusedListing_data() {
    QTest::addColumn<bool>("move");
    QTest::newRow("move") << true;
    QTest::newRow("copy") << false;
}

// A refused listing of the folder tree: the service's code and words over the dialog, the
// tree usable, and a click lists it again.
void TestFileDialogs::refusedListing() {
    QFETCH(bool, move);
    session->service().faults().next(listPath(QString()),
                                     Fault::status(200, R"({"code":500,"msg":"Bận"})"));
    prompt->answer(QMessageBox::Ok);
    std::unique_ptr<QDialog> dialog;
    if (move)
        dialog = std::make_unique<DialogMoveFIle>(codes({"/ghi chú.txt"}), nullptr);
    else
        dialog = std::make_unique<DialogCopyFile>(codes({"/ghi chú.txt"}), nullptr);
    dialog->show();
    auto* tree = dialog->findChild<QTreeWidget*>(move ? "treeFldMove" : "treeCopy");
    QTRY_COMPARE_WITH_TIMEOUT(prompt->asked().size(), 1, 20000);
    QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi (500)"));
    QCOMPARE(prompt->asked()[0].text, QStringLiteral("Bận"));
    QCOMPARE(prompt->asked()[0].parent.data(), static_cast<QWidget*>(dialog.get()));
    QTRY_VERIFY(tree->isEnabled());
    QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
    click(tree, tree->topLevelItem(0));
    QTRY_COMPARE_WITH_TIMEOUT(childNames(tree->topLevelItem(0)),
                              (QStringList{"Music", "Photos", "Phim hay", "Tài liệu", "a;b"}),
                              20000);
}

namespace {

const std::chrono::milliseconds kLatency(1500);
// An entry that the moves and copies to the top level can take.
const char kToTheTop[] = "/Music/Trịnh Công Sơn - Diễm xưa.mp3";

enum class Window { MoveTree, Move, CopyTree, Copy, Password, CreateFolder };

} // namespace

void TestFileDialogs::guiTurnsWhileCallsRun_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("path"); // the slow call
    QTest::newRow("move dialog's tree") << int(Window::MoveTree) << QString();
    QTest::newRow("move") << int(Window::Move) << "/api/fileops/move";
    QTest::newRow("copy dialog's tree") << int(Window::CopyTree) << QString();
    QTest::newRow("copy") << int(Window::Copy) << "/api/fileops/copy";
    QTest::newRow("file password") << int(Window::Password) << "/api/fileops/createFilePass";
    QTest::newRow("create folder") << int(Window::CreateFolder) << "/api/fileops/createFolder";
}

// Makes the dialog and starts its call (the tree's listing starts with the dialog).
static std::unique_ptr<QDialog> startDialogCall(Window window,
                                                const std::vector<std::string>& items) {
    std::unique_ptr<QDialog> dialog;
    switch (window) {
    case Window::MoveTree:
    case Window::Move:
        dialog = std::make_unique<DialogMoveFIle>(items, nullptr);
        break;
    case Window::CopyTree:
    case Window::Copy:
        dialog = std::make_unique<DialogCopyFile>(items, nullptr);
        break;
    case Window::Password:
        dialog = std::make_unique<formChangeFilePassword>(items, nullptr);
        dialog->findChild<QLineEdit*>("txtFilePassword")->setText("mật khẩu dài");
        break;
    case Window::CreateFolder:
        dialog = std::make_unique<Dialogcreatefol>(QStringLiteral("0"), nullptr);
        dialog->findChild<QLineEdit*>("txt_FolderName")->setText("Chậm");
        break;
    }
    if (window == Window::Move || window == Window::Copy)
        settle(dialog.get());
    if (window != Window::MoveTree && window != Window::CopyTree)
        dialog->findChild<QPushButton*>("btn_accept")->click();
    return dialog;
}

// With every reply of the call slow, the GUI thread keeps turning while it runs, and the
// dialog shows that it is busy.
void TestFileDialogs::guiTurnsWhileCallsRun() {
    QFETCH(int, window);
    QFETCH(QString, path);
    const std::string slow = path.isEmpty() ? listPath(QString()) : path.toStdString();
    const size_t before = requests(slow).size();
    GuiTurns turns;
    session->service().faults().next(slow, Fault::wait(kLatency));
    std::unique_ptr<QDialog> dialog = startDialogCall(Window(window), codes({kToTheTop}));
    QVERIFY(callsRunning(dialog.get()));
    if (auto* loading = dialog->findChild<QLabel*>("img_loading"))
        QVERIFY(!loading->isHidden());
    else
        QCOMPARE(dialog->cursor().shape(), Qt::WaitCursor);
    // No second press while the call runs.
    auto* accept = dialog->findChild<QPushButton*>("btn_accept");
    const bool accepting = !path.isEmpty();
    if (accepting)
        QVERIFY(!accept->isEnabled());
    settle(dialog.get());
    if (accepting)
        QVERIFY(accept->isEnabled() || !dialog->isVisible());
    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QCOMPARE(requests(slow).size(), before + 1);
    QVERIFY(turns.worstPause() < kLatency.count());
    QCOMPARE(prompt->asked().size(), 0);
    if (auto* tree = dialog->findChild<QTreeWidget*>()) {
        QVERIFY(tree->isEnabled());
        QVERIFY(tree->topLevelItem(0)->childCount() > 0);
    }
}

void TestFileDialogs::closingWhileBusy_data() {
    guiTurnsWhileCallsRun_data();
}

// The dialog closed and gone while its call runs: the late result, a refusal, shows
// nothing and touches nothing.
void TestFileDialogs::closingWhileBusy() {
    QFETCH(int, window);
    QFETCH(QString, path);
    const std::string slow = path.isEmpty() ? listPath(QString()) : path.toStdString();
    Fault slowRefusal = Fault::status(200, R"({"code":500,"msg":"Bận"})");
    slowRefusal.delay = std::chrono::milliseconds(500);
    const size_t before = requests(slow).size();
    session->service().faults().next(slow, slowRefusal);
    std::unique_ptr<QDialog> dialog = startDialogCall(Window(window), codes({kToTheTop}));
    QVERIFY(callsRunning(dialog.get()));
    dialog->close();
    dialog.reset();
    drainCalls();
    QCOMPARE(requests(slow).size(), before + 1);
    QCOMPARE(prompt->asked().size(), 0);
}

void TestFileDialogs::closedDialogsResultReachesTheTab_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("path"); // the call held until the dialog has closed
    QTest::addColumn<bool>("refused");
    QTest::newRow("create folder, created")
        << int(Window::CreateFolder) << "/api/fileops/createFolder" << false;
    QTest::newRow("create folder, refused")
        << int(Window::CreateFolder) << "/api/fileops/createFolder" << true;
    QTest::newRow("move, moved") << int(Window::Move) << "/api/fileops/move" << false;
    QTest::newRow("move, refused") << int(Window::Move) << "/api/fileops/move" << true;
    QTest::newRow("copy, refused") << int(Window::Copy) << "/api/fileops/copy" << true;
    QTest::newRow("file password, refused")
        << int(Window::Password) << "/api/fileops/createFilePass" << true;
    // A listing has nothing to tell once its dialog has closed.
    QTest::newRow("move's folder tree, refused")
        << int(Window::MoveTree) << QString::fromStdString(listPath(QString())) << true;
}

// The user closes a dialog of the tab while its call runs: the call's result still reaches
// the tab (a reload after success, a refusal told over the tab), and the dialog is freed.
void TestFileDialogs::closedDialogsResultReachesTheTab() {
    QFETCH(int, window);
    QFETCH(QString, path);
    QFETCH(bool, refused);
    const Window kind = Window(window);
    const bool tree = kind == Window::MoveTree;
    openFolder("Music");
    const QString file = QStringLiteral("Trịnh Công Sơn - Diễm xưa.mp3");
    selectRows({file});
    std::atomic<bool> closed{false};
    Fault held = refused ? Fault::status(200, R"({"code":500,"msg":"Bận"})") : Fault();
    held.until = [&closed] { return closed.load(); };
    session->service().faults().next(path.toStdString(), held);
    if (refused && !tree)
        prompt->answer(QMessageBox::Ok);

    // In the dialog's own run: ask, and close it while the call runs.
    bool asked = false;
    QTimer act;
    connect(&act, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* accept = dialog->findChild<QPushButton*>("btn_accept");
        if (!asked && !tree && !callsRunning(dialog)) {
            if (auto* name = dialog->findChild<QLineEdit*>("txt_FolderName"))
                name->setText(QStringLiteral("Mới"));
            if (auto* password = dialog->findChild<QLineEdit*>("txtFilePassword"))
                password->setText(QStringLiteral("mật khẩu dài"));
            accept->click();
            asked = true;
            return;
        }
        if ((asked || tree) && callsRunning(dialog))
            dialog->findChild<QPushButton*>("btnClose")->click();
    });
    act.start(5);
    switch (kind) {
    case Window::CreateFolder:
        FormManageProbe::createFolder(*form);
        break;
    case Window::Move:
    case Window::MoveTree:
        FormManageProbe::move(*form);
        break;
    case Window::Copy:
        FormManageProbe::copy(*form);
        break;
    default:
        FormManageProbe::password(*form);
        break;
    }
    act.stop();
    closed = true;

    // Handled, then freed.
    QTRY_VERIFY_WITH_TIMEOUT(form->findChildren<QDialog*>().isEmpty(), 20000);
    waitIdle();
    if (refused && !tree) {
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked()[0].title, QStringLiteral("Lỗi (500)"));
        QCOMPARE(prompt->asked()[0].parent.data(), static_cast<QWidget*>(form.get()));
    } else {
        QCOMPARE(prompt->asked().size(), 0);
    }
    if (kind == Window::CreateFolder && !refused)
        QVERIFY(shownNames().contains(QStringLiteral("Mới")));
    if (kind == Window::Move && !refused)
        QVERIFY(!shownNames().contains(file));
}

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
