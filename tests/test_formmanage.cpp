// The file manager tab against the stand-in, offscreen: the root listing in the tree and
// the table, opening folders, loads that overlap, listing failures, and the hand-offs of
// links and folders to the rest of the program.
#include "platform/hostconfig.h"
#include "platform/recordingsystemactions.h"
#include "tests/formmanagefixture.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrlQuery>

using filetable::ColLink;
using filetable::ColName;

class TestFormManage : public FormManageFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rootListingFillsTreeAndTable();
    void sortsFoldersFirstBothWays();
    void doubleClickOpensFolderOrEditor();
    void loadDuringSlowLoadRunsAfter();
    void resetDuringSlowLoadKeepsTabInAgreement();
    void failedListingsShowTheirMessage_data();
    void failedListingsShowTheirMessage();
    void busyStateDoesNotCount();
    void linksToClipboardAndMail();
    void downloadHandOff();
    void uploadHandOffCarriesKeptFolder();

private:
    // A real double click: the view only takes one on the cell the press was on.
    void doubleClick(QPoint at) {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    }
    bool editorOpen() {
        for (QLineEdit* editor : table()->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return true;
        return false;
    }
};

void TestFormManage::init() {
    startTab();
}

void TestFormManage::cleanup() {
    stopTab();
}

void TestFormManage::rootListingFillsTreeAndTable() {
    // One entry the service numbers below 100: it has no share page.
    devservice::FileEntry own;
    own.id = 42;
    own.name = "hệ thống.dat";
    session->service().files().fill(session->accountId().toStdString(),
                                    [&](devservice::FileTree& tree) { tree.add(own); });
    FormManageProbe::refresh(*form);
    waitIdle();

    QTreeWidgetItem* root = tree()->topLevelItem(0);
    QCOMPARE(tree()->topLevelItemCount(), 1);
    QCOMPARE(root->text(0), QStringLiteral("Brisko"));
    QCOMPARE(root->data(0, Qt::UserRole).toString(), QStringLiteral(";"));
    QCOMPARE(childNames(root), (QStringList{"Music", "Photos", "Phim hay", "Tài liệu"}));
    QCOMPARE(childNamed(root, "Tài liệu")->data(0, Qt::UserRole).toString(),
             "/Tài liệu;" + codeOf("/Tài liệu"));
    QVERIFY(root->isExpanded());

    QAbstractItemModel* rows = table()->model();
    QCOMPARE(rows->columnCount(), 9);
    QCOMPARE(shownNames(), (QStringList{"Music", "Photos", "Phim hay", "Tài liệu", "ghi chú.txt",
                                        "trống.bin", "hệ thống.dat"}));
    QCOMPARE(rows->headerData(ColName, Qt::Horizontal).toString(), QStringLiteral("Tên tập tin"));
    const int note = rowOf("ghi chú.txt");
    QCOMPARE(rows->index(note, ColLink).data().toString(), session->linkOf("/ghi chú.txt"));
    QCOMPARE(rows->index(note, filetable::ColSize).data().toString(), QStringLiteral("1000 B  "));
    QCOMPARE(rows->index(rowOf("Music"), ColLink).data().toString(), session->linkOf("/Music"));
    QCOMPARE(rows->index(rowOf("hệ thống.dat"), ColLink).data().toString(), QString());
    QVERIFY(!rows->index(note, filetable::ColCreated).data().toString().trimmed().isEmpty());
    QVERIFY(table()->isEnabled());
    QVERIFY(!form->findChild<QLabel*>("img_loading")->isVisible());
}

void TestFormManage::sortsFoldersFirstBothWays() {
    table()->sortByColumn(ColName, Qt::AscendingOrder);
    QCOMPARE(shownNames(),
             (QStringList{"Music", "Phim hay", "Photos", "Tài liệu", "ghi chú.txt", "trống.bin"}));
    table()->sortByColumn(ColName, Qt::DescendingOrder);
    QCOMPARE(shownNames(),
             (QStringList{"trống.bin", "ghi chú.txt", "Tài liệu", "Photos", "Phim hay", "Music"}));
}

void TestFormManage::doubleClickOpensFolderOrEditor() {
    table()->sortByColumn(ColName, Qt::DescendingOrder); // view rows differ from the listing's
    const QRect musicCell = table()->visualRect(table()->model()->index(rowOf("Music"), ColName));
    doubleClick(musicCell.center());
    waitIdle();
    QCOMPARE(FormManageProbe::path(*form), QStringLiteral("/Music"));
    QCOMPARE(FormManageProbe::code(*form), codeOf("/Music"));
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("Music"));
    QCOMPARE(form->findChild<QLineEdit*>("txt_linkFolder")->text(), session->linkOf("/Music"));
    QCOMPARE(shownNames(), QStringList{"Trịnh Công Sơn - Diễm xưa.mp3"});

    // A file's size cell opens nothing, its name cell the name editor.
    const QModelIndex song = table()->model()->index(0, ColName);
    const QRect sizeCell = table()->visualRect(song.sibling(0, filetable::ColSize));
    doubleClick(sizeCell.center());
    QVERIFY(!editorOpen());
    doubleClick(table()->visualRect(song).center());
    QTRY_VERIFY(editorOpen());
    QVERIFY(!FormManageProbe::busy(*form));
    QCOMPARE(FormManageProbe::path(*form), QStringLiteral("/Music"));
}

void TestFormManage::loadDuringSlowLoadRunsAfter() {
    auto& service = session->service();
    service.faults().next(listPath("/Music"), devservice::Fault::wait(std::chrono::seconds(1)));
    FormManageProbe::click(*form, childNamed(tree()->topLevelItem(0), "Music"));
    QVERIFY(FormManageProbe::busy(*form));
    FormManageProbe::refresh(*form); // kept, not dropped
    waitIdle();
    QCOMPARE(service.requests().forPath(listPath("/Music")).size(), size_t(2));
    QCOMPARE(shownNames(), QStringList{"Trịnh Công Sơn - Diễm xưa.mp3"});
    QVERIFY(tree()->isEnabled());
    QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
}

void TestFormManage::resetDuringSlowLoadKeepsTabInAgreement() {
    auto& service = session->service();
    service.faults().next(listPath("/Phim hay"), devservice::Fault::wait(std::chrono::seconds(1)));
    QTreeWidgetItem* root = tree()->topLevelItem(0);
    FormManageProbe::click(*form, childNamed(root, "Phim hay"));
    form->resetToRootFolder();
    waitIdle();
    // The late listing did not land under the root; the root's own came after it.
    QCOMPARE(service.requests().forPath(listPath("/Phim hay")).size(), size_t(1));
    QCOMPARE(childNames(root), (QStringList{"Music", "Photos", "Phim hay", "Tài liệu"}));
    QCOMPARE(tree()->currentItem(), root);
    QCOMPARE(FormManageProbe::path(*form), QString());
    QCOMPARE(FormManageProbe::code(*form), QString());
    QCOMPARE(form->findChild<QLineEdit*>("txt_linkFolder")->text(), QString());
    QCOMPARE(shownNames().size(), 6);
    QVERIFY(shownNames().contains("ghi chú.txt"));
}

void TestFormManage::failedListingsShowTheirMessage_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no reply") << 0 << "Lỗi!"
                              << "Lỗi kết nối mạng !";
    QTest::newRow("service error") << 1 << "Lỗi (500)"
                                   << "Máy chủ đang bận";
}

void TestFormManage::failedListingsShowTheirMessage() {
    QFETCH(int, kind);
    auto& service = session->service();
    service.faults().next(
        listPath("/Music"),
        kind == 0 ? devservice::Fault::cutBeforeReply()
                  : devservice::Fault::status(200, R"({"code":500,"msg":"Máy chủ đang bận"})"));
    // The 502 retries of the listing must not turn a cut into success.
    service.faults().next(listPath("/Music"), devservice::Fault::cutBeforeReply());
    service.faults().next(listPath("/Music"), devservice::Fault::cutBeforeReply());
    prompt->answer(QMessageBox::Ok);
    FormManageProbe::click(*form, childNamed(tree()->topLevelItem(0), "Music"));
    waitIdle();
    QCOMPARE(prompt->asked().size(), 1);
    QTEST(prompt->asked()[0].title, "title");
    QTEST(prompt->asked()[0].text, "text");
    QCOMPARE(prompt->asked()[0].kind, ScriptedUserPrompt::Kind::Critical);
    // The tab is where it stood before, and usable.
    QCOMPARE(FormManageProbe::path(*form), QString());
    QCOMPARE(tree()->currentItem(), tree()->topLevelItem(0));
    QCOMPARE(form->findChild<QLineEdit*>("txt_linkFolder")->text(), QString());
    QCOMPARE(shownNames().size(), 6);
    for (const char* name : {"tableManage", "treeWidgetFolder", "btnMove", "btnCreate_2",
                             "btnDel_2", "btnUpdate", "btnUpLoad"})
        QVERIFY2(form->findChild<QWidget*>(name)->isEnabled(), name);
    QVERIFY(!form->findChild<QLabel*>("img_loading")->isVisible());
    service.faults().clear();
    FormManageProbe::refresh(*form);
    waitIdle();
    QCOMPARE(shownNames().size(), 6);
}

void TestFormManage::busyStateDoesNotCount() {
    FormManageProbe::disable(*form);
    FormManageProbe::disable(*form);
    QVERIFY(!form->findChild<QPushButton*>("btnMove")->isEnabled());
    QVERIFY(form->findChild<QLabel*>("img_loading")->isVisible());
    FormManageProbe::enable(*form);
    for (const char* name : {"tableManage", "treeWidgetFolder", "btnMove", "btnCreate_2",
                             "btnDel_2", "btnUpdate", "btnUpLoad"})
        QVERIFY2(form->findChild<QWidget*>(name)->isEnabled(), name);
    QVERIFY(!form->findChild<QLabel*>("img_loading")->isVisible());
}

void TestFormManage::linksToClipboardAndMail() {
    platform::RecordingSystemActions actions;
    selectRows({"ghi chú.txt", "trống.bin", "Tài liệu"});
    QCOMPARE(form->collectSelectedLinks(), 3);
    QCOMPARE(form->countSelectedFiles(), 2);
    FormManageProbe::copyLink(*form);
    const QString clip = QApplication::clipboard()->text();
    QVERIFY(QStringList({session->linkOf("/ghi chú.txt"), session->linkOf("/trống.bin"),
                         session->linkOf("/Tài liệu")})
                .contains(clip));

    FormManageProbe::mail(*form);
    QCOMPARE(actions.calls().size(), 1);
    const QString url = actions.calls()[0].arguments.value(0);
    QVERIFY2(!url.contains(' ') && !url.contains('\n'), qPrintable(url));
    QVERIFY(url.startsWith("mailto:?subject="));
    const QUrlQuery query(QUrl::fromEncoded(url.toLatin1()).query(QUrl::FullyEncoded));
    QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded),
             "Duong dan hay tren " + QString::fromStdString(hosts::webHost()));
    const QStringList body = query.queryItemValue("body", QUrl::FullyDecoded).split('\n');
    QCOMPARE(body.size(), 4); // three links, each ended by a line feed
    QCOMPARE(body.last(), QString());
    QVERIFY(body.contains(session->linkOf("/Tài liệu")));
    QCOMPARE(clip, body[2]); // the kept link is the last one gathered
}

void TestFormManage::downloadHandOff() {
    const QString video = session->addFile("Music video.mp4", 2000);
    FormManageProbe::refresh(*form);
    waitIdle();
    QSignalSpy handed(form.get(), &FormManage::downloadFile);

    selectRows({"ghi chú.txt", "Music video.mp4", "Phim hay"});
    FormManageProbe::download(*form);
    QCOMPARE(handed.size(), 1);
    QStringList links = handed.takeFirst()[0].toStringList();
    links.sort();
    QStringList expected{session->linkOf("/ghi chú.txt"), video, session->linkOf("/Phim hay")};
    expected.sort();
    QCOMPARE(links, expected);

    // A default folder of the account spoils the whole selection.
    prompt->answer(QMessageBox::Ok);
    selectRows({"ghi chú.txt", "Photos"});
    FormManageProbe::download(*form);
    QCOMPARE(handed.size(), 0);
    QCOMPARE(prompt->asked().last().title, QStringLiteral("Cảnh báo!"));
    QCOMPARE(prompt->asked().last().text,
             QStringLiteral("Thư mục mặc định Music, Photos không được phép tải về!"));

    // Nothing selected: nothing to hand over, and the user is told why.
    table()->clearSelection();
    prompt->answer(QMessageBox::Ok);
    FormManageProbe::download(*form);
    QCOMPARE(handed.size(), 0);
    QCOMPARE(prompt->asked().last().text, QStringLiteral("Bạn chưa chọn file"));
}

void TestFormManage::uploadHandOffCarriesKeptFolder() {
    QSignalSpy handed(form.get(), &FormManage::uploadIntoFolder);
    FormManageProbe::upload(*form);
    FormManageProbe::click(*form, childNamed(tree()->topLevelItem(0), "Phim hay"));
    waitIdle();
    FormManageProbe::click(*form, childNamed(tree()->currentItem(), "Phụ đề"));
    waitIdle();
    FormManageProbe::upload(*form);
    QCOMPARE(handed.size(), 2);
    QCOMPARE(handed[0][0].toString(), QString());
    QCOMPARE(handed[1][0].toString(), QStringLiteral("/Phim hay/Phụ đề"));
}

QTEST_MAIN(TestFormManage)
#include "test_formmanage.moc"
