#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "media/popup_rss_setdownloadfolder.h"
#include "media/rssfilestemp.h"
#include "media/searchsubtitleonline.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/mediatesthelpers.h"
#include "tests/rssmanagerprobe.h"
#include "tests/shortwaits.h"
#include "tests/support/contextmenuprobe.h"
#include "tests/support/scripteduserprompt.h"
#include "tests/support/stalledserver.h"
#include "tests/support/tricklingbody.h"
#include "tools/devservice/mediasite.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <chrono>

class TestRssManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void columnVisibility_data();
    void columnVisibility();
    void searchShowsFilmsAndPosters();
    void embeddedTabIgnoresEscapeAndClose();
    void stalledPostersGoWithTheirTableAndTab();
    void searchRefusals();
    void failedFeedEndsBusyState_data();
    void failedFeedEndsBusyState();
    void storedTimeAndSiteOnDestruction();
    void filmMenuEntries_data();
    void filmMenuEntries();
    void menuActions();
    void ordinaryMemberGate();
    void folderDialog();
    void chooseAndUnchooseCategory();
    void autoDownloadHandsOverNewFilms();
    void contextMenusOpenAtThePointer_data();
    void contextMenusOpenAtThePointer();

private:
    void setLevel(int level);
    std::vector<std::string> targets();
    // A tab showing the films of `items`.
    void loadFilms(RssManager& tab, const QString& items);
    QString writeFile(const QString& name, const QByteArray& content);

    devservice::MediaSite site;
    std::unique_ptr<RuriDudi> account;
    std::unique_ptr<QTemporaryDir> folder;
};

using mediatest::child;

namespace {

const QString kVi = QStringLiteral("Phụ đề Việt");

QByteArray rss(const QString& items) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\"><channel>" + items +
            "</channel></rss>")
        .toUtf8();
}

QString item(const QString& title, const QString& links, const QString& extra = QString()) {
    return "<item><title>" + title + "</title><guid>http://p.invalid/" + title + "</guid>" + extra +
           "<brisko>" + links + "</brisko></item>";
}

QString link(const QString& url, const QString& title) {
    return "<link url=\"" + url + "\" title=\"" + title + "\"/>";
}

QTableView* table(RssManager& tab) {
    return child<QTableView>(tab, "ListDetail");
}

bool busy(RssManager& tab) {
    return !child<QLabel>(tab, "img_loading")->isHidden();
}

// The poster files in the temporary folder.
QStringList posterFiles() {
    return QDir(tempFolder()).entryList({QStringLiteral("poster*")}, QDir::Files);
}

QList<int> hiddenColumns(RssManager& tab) {
    QList<int> hidden;
    for (int column = 0; column < 7; ++column) {
        if (table(tab)->isColumnHidden(column))
            hidden << column;
    }
    return hidden;
}

// The entries of a menu, a submenu's as "title>entry".
QStringList entries(QMenu* menu, const QString& prefix = QString()) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            texts << prefix + QStringLiteral("--");
        else if (action->menu())
            texts << entries(action->menu(), prefix + action->text() + QLatin1Char('>'));
        else
            texts << prefix + action->text();
    }
    return texts;
}

QAction* findEntry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        QAction* found = action->menu()           ? findEntry(action->menu(), text)
                         : action->text() == text ? action
                                                  : nullptr;
        if (found)
            return found;
    }
    return nullptr;
}

QAction* entry(QMenu* menu, const QString& text) {
    QAction* found = findEntry(menu, text);
    if (!found)
        qFatal("no menu entry %s in %s", qPrintable(text), qPrintable(entries(menu).join(", ")));
    return found;
}

void selectRows(RssManager& tab, const QList<int>& rows) {
    table(tab)->clearSelection();
    for (int row : rows)
        table(tab)->selectionModel()->select(table(tab)->model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
}

const QString kGate = QStringLiteral(
    "Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn cần "
    "mua tài khoản VIP của brisko.test.invalid");

} // namespace

void TestRssManager::initTestCase() {
    std::string error;
    QVERIFY2(site.start("127.0.0.1", 0, &error), error.c_str());
    qputenv("BRISKO_FEED_HOST", QByteArray::fromStdString(site.hostPort()));
    qputenv("BRISKO_WEB_HOST", "brisko.test.invalid");
}

void TestRssManager::init() {
    site.clearPages();
    site.requests().clear();
    folder = std::make_unique<QTemporaryDir>();
    setLevel(3);
}

void TestRssManager::cleanup() {
    currentUser = nullptr;
    account.reset();
    SettingsStore settings;
    settings.remove(SettingsKeys::LastTimeAutoDownload);
    QFile::remove(tempFolder() + QStringLiteral("/phimmot_rssCategoryHistory.tmp"));
}

void TestRssManager::setLevel(int level) {
    account = std::make_unique<RuriDudi>("1", "a@b.invalid", "s", "p", level, 0);
    currentUser = account.get();
}

std::vector<std::string> TestRssManager::targets() {
    std::vector<std::string> all;
    for (const auto& request : site.requests().all())
        all.push_back(request.target);
    return all;
}

QString TestRssManager::writeFile(const QString& name, const QByteArray& content) {
    QFile file(folder->filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return file.fileName();
}

void TestRssManager::loadFilms(RssManager& tab, const QString& items) {
    RssManagerProbe::loadFilms(tab, writeFile(QStringLiteral("films.xml"), rss(items)));
}

void TestRssManager::columnVisibility_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("hidden");
    QTest::newRow("level 2") << 2 << QList<int>{2, 4, 6};
    QTest::newRow("level 3") << 3 << QList<int>{2, 6};
    QTest::newRow("level 4") << 4 << QList<int>{2, 4, 6};
}

void TestRssManager::columnVisibility() {
    QFETCH(int, level);
    QFETCH(QList<int>, hidden);
    setLevel(level);
    RssManager tab;
    QCOMPARE(hiddenColumns(tab), hidden);
    QCOMPARE(table(tab)->model()->columnCount(), 7);
    QCOMPARE(table(tab)->verticalHeader()->defaultSectionSize(), 64);
    QVERIFY(child<QListWidget>(tab, "rssListWidget")->isHidden());
    QVERIFY(child<QWidget>(tab, "ChooseSourceFilm")->isHidden());
    QVERIFY(!busy(tab));
    loadFilms(tab, item("A", link("u", "t")));
    QCOMPARE(hiddenColumns(tab), hidden);
}

void TestRssManager::searchShowsFilmsAndPosters() {
    site.setPage("/?feed=brisko&search=Phim%20hay%20%26%20m%E1%BB%9Bi",
                 rss(item("Phim hay", link("http://dl.invalid/a", "a.720p.mkv"),
                          "<pubDate>Mon, 06 Feb 2017 10:00:00 +0000</pubDate><enclosure url=\"" +
                              QString::fromStdString("http://" + site.hostPort()) +
                              "/posters/wide.png\"/>") +
                     item("Phim khác", link("http://dl.invalid/b", "b.mkv")))
                     .toStdString(),
                 "application/rss+xml");
    site.setPage("/posters/wide.png", devservice::solidPng(128, 64, 0xff0000), "image/png");
    RssManager tab;
    tab.show();
    child<QLineEdit>(tab, "lineEdit")->setText(QStringLiteral("  Phim hay & mới "));
    QTest::keyClick(child<QLineEdit>(tab, "lineEdit"), Qt::Key_Return);
    QVERIFY(busy(tab));
    QCOMPARE(tab.cursor().shape(), Qt::WaitCursor);
    QTRY_VERIFY_WITH_TIMEOUT(!busy(tab), 30000);
    QCOMPARE(tab.cursor().shape(), Qt::ArrowCursor);
    auto* model = table(tab)->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Phim hay"));
    QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("a.720p.mkv"));
    QCOMPARE(model->index(0, 5).data().toString(), QStringLiteral("06/02/2017 10:00"));
    QTRY_VERIFY_WITH_TIMEOUT(!model->index(0, 0).data(Qt::DecorationRole).isNull(), 30000);
    const QPixmap poster = model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(poster.size(), QSize(64, 32));
    QVERIFY(model->index(1, 0).data(Qt::DecorationRole).isNull());
    QCOMPARE(targets().front(), std::string("/?feed=brisko&search=Phim%20hay%20%26%20m%E1%BB%9Bi"));
    QCOMPARE(posterFiles(), QStringList()); // a poster's file goes once its image is read
}

void TestRssManager::embeddedTabIgnoresEscapeAndClose() {
    // As the main window holds it: made with a parent, then put into a tab page's layout.
    QWidget window;
    auto* page = new QWidget(&window);
    auto* layout = new QVBoxLayout(page);
    auto* tab = new RssManager(&window);
    layout->addWidget(tab);
    window.show();
    QVERIFY(tab->isVisible());
    QTest::keyClick(child<QLineEdit>(*tab, "lineEdit"), Qt::Key_Escape);
    QVERIFY(tab->isVisible());
    QTest::keyClick(table(*tab), Qt::Key_Escape);
    QVERIFY(tab->isVisible());
    QVERIFY(!tab->close());
    QVERIFY(tab->isVisible());

    // A tab shown as a window of its own closes as a dialog does.
    RssManager own;
    own.show();
    QTest::keyClick(child<QLineEdit>(own, "lineEdit"), Qt::Key_Escape);
    QVERIFY(!own.isVisible());
}

void TestRssManager::stalledPostersGoWithTheirTableAndTab() {
    StalledServer stalled;
    QVERIFY(stalled.port());
    QString items;
    for (int i = 0; i < 5; ++i)
        items +=
            item(QStringLiteral("F%1").arg(i), link("u", "t"),
                 QString::fromStdString("<enclosure url=\"" +
                                        stalled.url("/" + std::to_string(i) + ".jpg") + "\"/>"));
    site.setPage("/?feed=brisko&search=stalled", rss(items).toStdString(), "application/rss+xml");
    site.setPage("/?feed=brisko&search=next", rss(item("N", link("n", "n"))).toStdString(),
                 "application/rss+xml");
    auto search = [](RssManager& tab, const QString& keyword) {
        child<QLineEdit>(tab, "lineEdit")->setText(keyword);
        child<QPushButton>(tab, "pushButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!busy(tab), 30000);
    };
    auto fetches = [](RssManager& tab) {
        return tab.findChildren<RssFilesTemp*>().size() - 1; // the feed's own fetcher stays
    };

    auto tab = std::make_unique<RssManager>();
    search(*tab, QStringLiteral("stalled"));
    QTRY_COMPARE_WITH_TIMEOUT(stalled.accepted(), 4, 30000); // four at a time, one waits
    // A new search drops the old table's posters, running or waiting, at once (a fetch
    // left to its time-out would take a minute).
    QElapsedTimer dropping;
    dropping.start();
    search(*tab, QStringLiteral("next"));
    QCOMPARE(table(*tab)->model()->rowCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(fetches(*tab), 0, 30000);
    QVERIFY2(dropping.elapsed() < 2000, qPrintable(QString::number(dropping.elapsed())));
    QCOMPARE(stalled.accepted(), 4);

    search(*tab, QStringLiteral("stalled"));
    QTRY_COMPARE_WITH_TIMEOUT(stalled.accepted(), 8, 30000);
    dropping.restart();
    tab.reset(); // stops them all together, and leaves no poster behind
    QVERIFY2(dropping.elapsed() < 2000, qPrintable(QString::number(dropping.elapsed())));
    QCOMPARE(posterFiles(), QStringList());
    QCOMPARE(stalled.accepted(), 8);
}

void TestRssManager::searchRefusals() {
    RssManager tab;
    loadFilms(tab, item("A", link("u", "t")));
    ScriptedUserPrompt prompt;
    child<QLineEdit>(tab, "lineEdit")->setText(QStringLiteral("   "));
    prompt.answer(QMessageBox::Ok);
    child<QPushButton>(tab, "pushButton")->click();
    QCOMPARE(table(tab)->model()->rowCount(), 0); // emptied before the keyword is checked
    QCOMPARE(table(tab)->model()->columnCount(), 7);
    QVERIFY(!busy(tab));

    // While a search runs, another is refused and the table keeps its rows.
    site.setPage("/", devservice::Response{}); // an empty answer
    loadFilms(tab, item("A", link("u", "t")));
    child<QLineEdit>(tab, "lineEdit")->setText(QStringLiteral("x"));
    child<QLabel>(tab, "img_loading")->show();
    prompt.answer(QMessageBox::Ok);
    child<QPushButton>(tab, "pushButton")->click();
    QCOMPARE(table(tab)->model()->rowCount(), 1);
    QCOMPARE(site.requests().size(), std::size_t(0));

    QStringList texts;
    for (const auto& asked : prompt.asked()) {
        QCOMPARE(asked.title, QStringLiteral("Thông báo"));
        texts << asked.text;
    }
    QCOMPARE(texts, QStringList({"Bạn vui lòng nhập từ khóa để tìm phim",
                                 "Đang tải dữ liệu, bạn vui lòng đợi"}));
}

void TestRssManager::failedFeedEndsBusyState_data() {
    QTest::addColumn<bool>("trickles");
    QTest::newRow("site refuses") << false;
    QTest::newRow("site trickles past the deadline") << true;
}

void TestRssManager::failedFeedEndsBusyState() {
    QFETCH(bool, trickles);
    ShortWaits waits; // fetches of the partner sites end after a moment, not a minute
    waits.fetchDeadline = std::chrono::milliseconds(300);
    if (trickles)
        site.setPage("/?feed=brisko&search=x", tricklingBody(2000));
    else
        qputenv("BRISKO_FEED_HOST", "127.0.0.1:1");
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    RssManager tab;
    child<QLineEdit>(tab, "lineEdit")->setText(QStringLiteral("x"));
    child<QPushButton>(tab, "pushButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!busy(tab), 20000);
    qputenv("BRISKO_FEED_HOST", QByteArray::fromStdString(site.hostPort()));
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Lỗi"));
}

void TestRssManager::storedTimeAndSiteOnDestruction() {
    {
        RssManager tab;
        QVERIFY(!RssManagerProbe::timeKnown(tab));
    }
    QCOMPARE(SettingsStore().text(SettingsKeys::LastTimeAutoDownload), QString());
    QCOMPARE(SettingsStore().integer(SettingsKeys::SourceFilm, -1), 0);
    SettingsStore().setValue(SettingsKeys::LastTimeAutoDownload,
                             QStringLiteral("Tue, 07 Feb 2017 08:09:10"));
    RssManager tab;
    QVERIFY(RssManagerProbe::timeKnown(tab));
    QCOMPARE(RssManagerProbe::lastTime(tab), QDateTime(QDate(2017, 2, 7), QTime(8, 9, 10)));
}

void TestRssManager::filmMenuEntries_data() {
    QTest::addColumn<QString>("items");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("menu");
    const QString formats =
        item("F", link("L720", "Phim.720p.mkv") + link("L1080", "Phim.1080p.mkv") +
                      link("Lother", "Phim.mkv"));
    const QString copy = QStringLiteral("Sao chép đường dẫn tải xuống");
    const QString mail = QStringLiteral("Gửi đường dẫn tải xuống cho bạn bè");
    QTest::newRow("nothing selected") << formats << QList<int>{} << QStringList{};
    QTest::newRow("one film, three formats") << formats << QList<int>{0}
                                             << QStringList{copy,
                                                            "Tải xuống>Định dạng 720p",
                                                            "Tải xuống>Định dạng 1080p",
                                                            "Tải xuống>Định dạng khác",
                                                            "--",
                                                            "Tìm phụ đề trực tuyến",
                                                            "--",
                                                            mail};
    QTest::newRow("one film, 1080p only")
        << item("G", link("a", "x.1080p")) << QList<int>{0}
        << QStringList{copy, "Tải xuống>Định dạng 1080p", "--", "Tìm phụ đề trực tuyến", "--",
                       mail};
    QTest::newRow("one film, no format, subtitle")
        << item("H", link("a", "720P.mkv") + link("s", kVi)) << QList<int>{0}
        << QStringList{copy, "--", "Tải xuống", "--", "Tải phụ đề tiếng việt", "--", mail};
    QTest::newRow("two films") << formats + item("K", link("k", "k")) << QList<int>{0, 1}
                               << QStringList{copy, "--", "Tải xuống", "--", mail};
}

void TestRssManager::filmMenuEntries() {
    QFETCH(QString, items);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, menu);
    RssManager tab;
    loadFilms(tab, items);
    selectRows(tab, rows);
    std::unique_ptr<QMenu> built(RssManagerProbe::filmMenu(tab));
    QCOMPARE(entries(built.get()), menu);
}

void TestRssManager::menuActions() {
    platform::RecordingSystemActions actions;
    RssManager tab;
    QSignalSpy links(&tab, qOverload<QStringList>(&RssManager::downloadOrViewOnline));
    loadFilms(tab, item("F", link("L720", "Phim.720p.mkv") + link("L1080", "Phim.1080p.mkv") +
                                 link("Lother", "Phim.mkv")) +
                       item("Sub film", link("m", "x") + link("s1", kVi)) +
                       item("No links", QString()));
    auto run = [&](const QList<int>& rows, const QString& text) {
        selectRows(tab, rows);
        std::unique_ptr<QMenu> menu(RssManagerProbe::filmMenu(tab));
        entry(menu.get(), text)->trigger();
    };
    run({0}, QStringLiteral("Định dạng 720p"));
    run({0}, QStringLiteral("Định dạng 1080p"));
    run({0}, QStringLiteral("Định dạng khác"));
    run({1}, QStringLiteral("Tải phụ đề tiếng việt"));
    run({0, 1, 2}, QStringLiteral("Tải xuống"));
    QCOMPARE(links.size(), 5);
    QCOMPARE(links.at(0).first().toStringList(), QStringList{"L720"});
    QCOMPARE(links.at(1).first().toStringList(), QStringList{"L1080"});
    QCOMPARE(links.at(2).first().toStringList(), QStringList{"Lother"});
    QCOMPARE(links.at(3).first().toStringList(), QStringList{"s1"});
    QCOMPARE(links.at(4).first().toStringList(),
             QStringList({"L720", "L1080", "Lother", "m", "", "s1"}));

    run({0, 1}, QStringLiteral("Sao chép đường dẫn tải xuống"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("L720\nL1080\nLother\nm\ns1\n"));

    run({1, 2}, QStringLiteral("Gửi đường dẫn tải xuống cho bạn bè"));
    const auto calls = actions.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().arguments,
             QStringList{"mailto:?subject=Phim%20hay%20tren%20brisko&body=m%0A%0As1%0A"});

    // The subtitle search opens with the film's title.
    run({0}, QStringLiteral("Tìm phụ đề trực tuyến"));
    auto* search = tab.findChild<SearchSubtitleOnline*>();
    QVERIFY(search->isVisible());
    QCOMPARE(child<QLineEdit>(*search, "fileName")->text(), QStringLiteral("F"));
}

void TestRssManager::ordinaryMemberGate() {
    setLevel(2);
    platform::RecordingSystemActions actions;
    ScriptedUserPrompt prompt;
    RssManager tab;
    QSignalSpy links(&tab, qOverload<QStringList>(&RssManager::downloadOrViewOnline));
    loadFilms(tab, item("F", link("a", "x.720p")));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QStringList texts{"Sao chép đường dẫn tải xuống", "Định dạng 720p",
                            "Tìm phụ đề trực tuyến", "Gửi đường dẫn tải xuống cho bạn bè"};
    for (const QString& text : texts) {
        selectRows(tab, {0});
        std::unique_ptr<QMenu> menu(RssManagerProbe::filmMenu(tab));
        prompt.answer(QMessageBox::Ok);
        entry(menu.get(), text)->trigger();
    }
    QCOMPARE(prompt.asked().size(), texts.size());
    for (const auto& asked : prompt.asked()) {
        QCOMPARE(asked.title, QStringLiteral("Thông báo"));
        QCOMPARE(asked.text, kGate);
    }
    QCOMPARE(links.size(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(actions.calls().isEmpty());
    QVERIFY(!tab.findChild<SearchSubtitleOnline*>()->isVisible());
}

void TestRssManager::folderDialog() {
    ScriptedUserPrompt prompt;
    Popup_rss_SetDownloadFolder dialog(QStringLiteral("Phim lẻ"));
    QSignalSpy sent(&dialog, &Popup_rss_SetDownloadFolder::send_downloadFolder);
    QCOMPARE(child<QLabel>(dialog, "rssCategory")->text(), QStringLiteral("Phim lẻ"));
    QVERIFY(!child<QLineEdit>(dialog, "txtPath")->isEnabled());
    dialog.show();
    prompt.answer(QMessageBox::Ok);
    child<QPushButton>(dialog, "pushButton")->click(); // nothing chosen yet
    prompt.answerPath(QStringLiteral("/phim"));
    child<QPushButton>(dialog, "selectFolder")->click();
    prompt.answerPath(QString()); // chooser cancelled: the field keeps its text
    child<QPushButton>(dialog, "selectFolder")->click();
    QCOMPARE(prompt.asked().last().dir, QStringLiteral("/phim"));
    QCOMPARE(child<QLineEdit>(dialog, "txtPath")->text(), QStringLiteral("/phim"));
    prompt.answer(QMessageBox::Ok);
    child<QPushButton>(dialog, "pushButton")->click();
    QCOMPARE(sent.count(), 0);
    prompt.answerPath(QStringLiteral("/phim/lẻ"));
    child<QPushButton>(dialog, "selectFolder")->click();
    child<QPushButton>(dialog, "pushButton")->click();
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("/phim/lẻ"));
    QVERIFY(!dialog.isVisible());
    for (int i : {0, 3})
        QCOMPARE(prompt.asked().at(i).text,
                 QStringLiteral("Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống"));
}

void TestRssManager::chooseAndUnchooseCategory() {
    RssManager tab;
    RssManagerProbe::loadCategories(
        tab, writeFile("categories.xml",
                       rss("<item><title>Phim lẻ</title><guid>le</guid></item>"
                           "<item><title>Phim bộ</title><guid>bo &amp; co</guid></item>")));
    auto* list = child<QListWidget>(tab, "rssListWidget");
    QCOMPARE(list->count(), 2);
    QVERIFY(!RssManagerProbe::timer(tab)->isActive());

    list->setCurrentRow(1);
    ScriptedUserPrompt prompt;
    std::unique_ptr<QMenu> menu(RssManagerProbe::categoryMenu(tab));
    QCOMPARE(entries(menu.get()), QStringList({"--", "Tải xuống tự động khi có phim mới"}));
    entry(menu.get(), QStringLiteral("Tải xuống tự động khi có phim mới"))->trigger();
    auto* dialog = tab.findChild<Popup_rss_SetDownloadFolder*>();
    QVERIFY(dialog && dialog->isVisible());
    prompt.answerPath(QStringLiteral("/phim/bộ"));
    child<QPushButton>(*dialog, "selectFolder")->click();
    child<QPushButton>(*dialog, "pushButton")->click();
    QVERIFY(!dialog->isVisible());

    QCOMPARE(RssManagerProbe::chosen(tab).size(), 1);
    QCOMPARE(RssManagerProbe::chosen(tab).first().id, QStringLiteral("bo & co"));
    QCOMPARE(list->item(1)->background().color(), QColor(Qt::green));
    QVERIFY(RssManagerProbe::timer(tab)->isActive());
    const QString history = tempFolder() + QStringLiteral("/phimmot_rssCategoryHistory.tmp");
    QVERIFY(QFile::exists(history));

    menu.reset(RssManagerProbe::categoryMenu(tab));
    entry(menu.get(), QStringLiteral("Dừng tải xuống tự động khi có phim mới"))->trigger();
    QCOMPARE(list->item(1)->background().color(), QColor(Qt::white));
    QVERIFY(RssManagerProbe::chosen(tab).isEmpty());
    QVERIFY(!QFile::exists(history));
    QVERIFY(RssManagerProbe::timer(tab)->isActive());
}

void TestRssManager::autoDownloadHandsOverNewFilms() {
    // A choice stored by an earlier run: loading the list marks it and starts the timer.
    QVERIFY(categoryhistory::write(tempFolder() + QStringLiteral("/phimmot_rssCategoryHistory.tmp"),
                                   {{"le", "/phim/lẻ"}}, nullptr));
    SettingsStore().setValue(SettingsKeys::LastTimeAutoDownload,
                             QStringLiteral("Mon, 06 Feb 2017 10:00:00"));
    RssManager tab;
    RssManagerProbe::loadCategories(
        tab,
        writeFile("categories.xml", rss("<item><title>Phim lẻ</title><guid>le</guid></item>")));
    QCOMPARE(child<QListWidget>(tab, "rssListWidget")->item(0)->background().color(),
             QColor(Qt::green));
    QVERIFY(RssManagerProbe::timer(tab)->isActive());

    const QDateTime last = RssManagerProbe::lastTime(tab);
    auto dated = [](const QDateTime& time, const QString& url) {
        return "<item><pubDate>" + QLocale::c().toString(time, "ddd, dd MMM yyyy hh:mm:ss") +
               "</pubDate><brisko><link url=\"" + url + "\"/><link url=\"" + url +
               ".srt\" title=\"Phụ đề Việt\"/></brisko></item>";
    };
    site.setPage("/?feed=brisko&category=le",
                 rss(dated(last, "same") + dated(last.addSecs(1), "later")).toStdString());
    QSignalSpy handed(&tab, &RssManager::addDownloadLinks);
    RssManagerProbe::tick(tab);
    QVERIFY(RssManagerProbe::lastTime(tab) > last);
    QVERIFY(handed.wait(30000));
    QCOMPARE(handed.first().at(0).toString(), QStringLiteral("later;later.srt"));
    QCOMPARE(handed.first().at(1).toString(), QStringLiteral("/phim/lẻ"));
    QCOMPARE(handed.first().at(2).toString(), QString());
}

void TestRssManager::contextMenusOpenAtThePointer_data() {
    QTest::addColumn<QString>("list");
    QTest::newRow("films") << "ListDetail";
    QTest::newRow("categories") << "rssListWidget";
}

// A right click reports its position in the list's viewport (below the film table's column
// titles, inside the category list's frame): the menu opens there.
void TestRssManager::contextMenusOpenAtThePointer() {
    QFETCH(QString, list);
    RssManager tab;
    loadFilms(tab, item("F", link("l", "Phim.mkv")));
    RssManagerProbe::loadCategories(
        tab, writeFile("categories.xml", rss("<item><title>Phim lẻ</title><guid>le</guid></item>")));
    selectRows(tab, {0});
    auto* view = child<QAbstractItemView>(tab, qPrintable(list));
    view->setVisible(true); // the category list is hidden in the tab as built
    view->setCurrentIndex(view->model()->index(0, 0));
    tab.resize(900, 500);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QVERIFY(view->viewport()->pos() != QPoint(0, 0));
    const QPoint at(40, 12);
    QCOMPARE(contextMenuShownAt(view, at), view->viewport()->mapToGlobal(at));
}

QTEST_MAIN(TestRssManager)
#include "test_rssmanager.moc"
