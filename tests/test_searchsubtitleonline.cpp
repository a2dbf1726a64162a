#include "media/rssfilestemp.h"
#include "media/searchsubtitleonline.h"
#include "media/setfoldersavesubtitle.h"
#include "tests/mediatesthelpers.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/mediasite.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <thread>

class TestSearchSubtitleOnline : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void videoModeEndToEnd();
    void listRequest_data();
    void listRequest();
    void keywordModeAsksFolderThenUnpacks();
    void keywordModeStartsNothing();
    void warnings();
    void notFound();
    void failedFetchEndsBusyState();
    void closingDropsRunningFetches();
    void archiveWithoutSubtitle();
    void setKeywordAndClearResetTheDialog();

private:
    QString hostUrl(const QString& path) const {
        return QStringLiteral("http://%1%2").arg(QString::fromStdString(site.hostPort()), path);
    }
    // Runs a search in the dialog until its list is shown.
    void waitForList(SearchSubtitleOnline& dialog);
    std::vector<std::string> targets() const;

    devservice::MediaSite site;
    std::unique_ptr<QTemporaryDir> folder;
};

using mediatest::child;
using mediatest::click;
using mediatest::readFile;

namespace {

QLabel* loading(QWidget& dialog) {
    return child<QLabel>(dialog, "img_loading");
}

QStringList column(QWidget& dialog, int col) {
    auto* model = child<QTableView>(dialog, "tableView")->model();
    QStringList values;
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->index(row, col).data().toString();
    return values;
}

void selectRow(QWidget& dialog, int row) {
    child<QTableView>(dialog, "tableView")->selectRow(row);
}

constexpr int kLong = 30000;

} // namespace

void TestSearchSubtitleOnline::initTestCase() {
    std::string error;
    QVERIFY2(site.start("127.0.0.1", 0, &error), error.c_str());
    qputenv("BRISKO_SUBTITLE_HOST", QByteArray::fromStdString(site.hostPort()));
}

void TestSearchSubtitleOnline::init() {
    site.clearPages();
    site.addDemoSubtitles();
    site.requests().clear();
    folder = std::make_unique<QTemporaryDir>();
}

std::vector<std::string> TestSearchSubtitleOnline::targets() const {
    std::vector<std::string> all;
    for (const auto& request : const_cast<devservice::MediaSite&>(site).requests().all())
        all.push_back(request.target);
    return all;
}

void TestSearchSubtitleOnline::waitForList(SearchSubtitleOnline& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(loading(dialog)->isHidden(), kLong);
}

void TestSearchSubtitleOnline::videoModeEndToEnd() {
    const QString video = folder->filePath("My Film.2016.mkv");
    QFile(video).open(QIODevice::WriteOnly);
    SearchSubtitleOnline dialog(false, video);
    QSignalSpy ready(&dialog, &SearchSubtitleOnline::readyGetSubtitleOnline);
    dialog.show();
    QCOMPARE(child<QLineEdit>(dialog, "fileName")->text(), QStringLiteral("My Film.2016"));
    QVERIFY(!loading(dialog)->isHidden());
    waitForList(dialog);
    QCOMPARE(targets(), (std::vector<std::string>{"/subtitles/title?q=My%20Film.2016&l=vn",
                                                  "/subtitles/demo-film"}));
    QCOMPARE(column(dialog, 2), QStringList({"Vietnamese", "English", "Arabic"}));
    QCOMPARE(column(dialog, 0).first(), QStringLiteral("Demo.Film.2016.1080p.WEB"));
    QCOMPARE(column(dialog, 1).first(), QStringLiteral("phudeviet"));

    selectRow(dialog, 0);
    click(dialog, "pushButton");
    QVERIFY(!loading(dialog)->isHidden());
    QVERIFY(ready.wait(kLong));
    const QString subtitle = folder->filePath("My Film.2016.srt");
    QCOMPARE(ready.first().first().toString(), QDir::toNativeSeparators(subtitle));
    QVERIFY(readFile(subtitle).contains("Xin chào"));
    QVERIFY(!QFile::exists(folder->filePath("Demo.Film.2016.1.srt")));
    QVERIFY(!dialog.isVisible());
    QVERIFY(loading(dialog)->isHidden());
    QCOMPARE(targets().back(), std::string("/subtitles/download/1.zip"));
}

void TestSearchSubtitleOnline::listRequest_data() {
    QTest::addColumn<QString>("titlePage");
    QTest::addColumn<QString>("listTarget");
    QTest::newRow("relative title link")
        << "<div class=\"title\"><a href=\"/subtitles/demo-film\">Demo Film (2016)</a></div>"
           "<div class=\"title\"><a href=\"/subtitles/other\">Other</a></div>"
        << "/subtitles/demo-film";
    QTest::newRow("absolute title link")
        << "<div class=\"title\"><a href=\"" + hostUrl("/subtitles/demo-film?from=abs") +
               "\">Demo</a></div>"
        << "/subtitles/demo-film?from=abs";
    QTest::newRow("no title: release search") << "<div class=\"box\">nothing</div>"
                                              << "/subtitles/release?q=Demo%20Film";
}

void TestSearchSubtitleOnline::listRequest() {
    QFETCH(QString, titlePage);
    QFETCH(QString, listTarget);
    site.setPage("/subtitles/title", titlePage.toStdString());
    const bool release = listTarget.startsWith(QLatin1String("/subtitles/release"));
    ScriptedUserPrompt prompt;
    if (release)
        prompt.answer(QMessageBox::Ok); // the demo's release page lists nothing
    SearchSubtitleOnline dialog(true, QStringLiteral("Demo Film"));
    click(dialog, "searchButton");
    waitForList(dialog);
    const auto sent = targets();
    QCOMPARE(sent.size(), std::size_t(2));
    QCOMPARE(sent.front(), std::string("/subtitles/title?q=Demo%20Film&l=vn"));
    QCOMPARE(QString::fromStdString(sent.back()), listTarget);
    if (release) {
        QCOMPARE(prompt.asked().size(), 1);
        QCOMPARE(prompt.asked().first().text,
                 QStringLiteral("Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn"));
    } else {
        QCOMPARE(column(dialog, 2).size(), 3);
    }
}

void TestSearchSubtitleOnline::keywordModeAsksFolderThenUnpacks() {
    SearchSubtitleOnline dialog(true, QString());
    dialog.setKeyword(QStringLiteral("Demo Film"));
    QSignalSpy ready(&dialog, &SearchSubtitleOnline::readyGetSubtitleOnline);
    dialog.show();
    click(dialog, "searchButton");
    waitForList(dialog);
    selectRow(dialog, 1); // English

    click(dialog, "pushButton");
    auto* folderDialog = dialog.findChild<setFolderSaveSubtitle*>();
    QVERIFY(folderDialog && folderDialog->isVisible());
    QCOMPARE(folderDialog->windowTitle(), QStringLiteral("Chọn thư mục chứa tập tin phụ đề"));
    QCOMPARE(site.requests().size(), std::size_t(2)); // nothing fetched before the answer

    ScriptedUserPrompt prompt;
    prompt.answerPath(folder->path());
    click(*folderDialog, "selectFolder");
    click(*folderDialog, "btn_OKClick");
    QVERIFY(!folderDialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), kLong);
    QVERIFY(readFile(folder->filePath("Demo.Film.2016.2.srt")).contains("Hello"));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(prompt.asked().size(), 1); // the folder chooser only
}

void TestSearchSubtitleOnline::keywordModeStartsNothing() {
    ScriptedUserPrompt prompt;
    SearchSubtitleOnline dialog(true, QString());
    QTest::qWait(50);
    QCOMPARE(site.requests().size(), std::size_t(0));
    QVERIFY(child<QLineEdit>(dialog, "fileName")->text().isEmpty());
    // Blanks are a keyword and are searched as typed.
    child<QLineEdit>(dialog, "fileName")->setText(QStringLiteral("  "));
    click(dialog, "searchButton");
    waitForList(dialog);
    QCOMPARE(targets().front(), std::string("/subtitles/title?q=%20%20&l=vn"));
}

void TestSearchSubtitleOnline::warnings() {
    ScriptedUserPrompt prompt;
    SearchSubtitleOnline dialog(true, QString());
    prompt.answer(QMessageBox::Ok);
    click(dialog, "searchButton"); // no keyword
    QCOMPARE(site.requests().size(), std::size_t(0));

    dialog.setKeyword(QStringLiteral("Demo"));
    click(dialog, "searchButton");
    prompt.answer(QMessageBox::Ok);
    click(dialog, "searchButton"); // while the first search runs
    waitForList(dialog);
    QCOMPARE(site.requests().size(), std::size_t(2));

    // The folder's answer goes on with the download, and no row is chosen yet.
    prompt.answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(&dialog, "get_SubDowloadFolder", Q_ARG(QString, folder->path()));

    QStringList texts;
    for (const auto& asked : prompt.asked()) {
        QCOMPARE(asked.kind, ScriptedUserPrompt::Kind::Warning);
        QCOMPARE(asked.title, QStringLiteral("Thông báo"));
        QCOMPARE(asked.parent.data(), static_cast<QWidget*>(&dialog));
        texts << asked.text;
    }
    QCOMPARE(texts, QStringList({"Bạn vui lòng nhập từ khóa để tìm phụ đề.",
                                 "Đang tải dữ liệu, bạn vui lòng đợi",
                                 "Bạn vui lòng chọn một tập tin phụ đề"}));
}

void TestSearchSubtitleOnline::notFound() {
    site.setPage("/subtitles/demo-film", "<table><tr><td>no releases</td></tr></table>");
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    SearchSubtitleOnline dialog(true, QStringLiteral("Demo"));
    click(dialog, "searchButton");
    waitForList(dialog);
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().text,
             QStringLiteral("Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn"));
    QCOMPARE(child<QTableView>(dialog, "tableView")->model()->rowCount(), 0);
}

void TestSearchSubtitleOnline::failedFetchEndsBusyState() {
    const QString video = folder->filePath("a.mkv");
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    {
        devservice::MediaSite closed;
        closed.start();
        const QByteArray refused = QByteArray::fromStdString(closed.hostPort());
        closed.stop();
        qputenv("BRISKO_SUBTITLE_HOST", refused);
    }
    SearchSubtitleOnline dialog(false, video);
    qputenv("BRISKO_SUBTITLE_HOST", QByteArray::fromStdString(site.hostPort()));
    waitForList(dialog);
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Lỗi"));
    // Idle again: a new search runs.
    click(dialog, "searchButton");
    waitForList(dialog);
    QCOMPARE(column(dialog, 2).size(), 3);
}

void TestSearchSubtitleOnline::closingDropsRunningFetches() {
    // The title page trickles out until the client goes away.
    devservice::Response slow;
    slow.streamLength = 100000;
    slow.producer = [](const devservice::BodySink& sink) {
        for (int i = 0; i < 2000 && sink("x", 1); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    };
    site.setPage("/subtitles/title", std::move(slow));
    ScriptedUserPrompt prompt;
    SearchSubtitleOnline dialog(false, folder->filePath("a.mkv"));
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(site.requests().size() == 1, kLong);
    dialog.close();
    // The fetch stops and goes away, its failure unreported; the dialog is idle.
    QTRY_VERIFY_WITH_TIMEOUT(dialog.findChildren<RssFilesTemp*>().isEmpty(), kLong);
    QCoreApplication::processEvents();
    QVERIFY(prompt.asked().isEmpty());
    QVERIFY(loading(dialog)->isHidden());
    QCOMPARE(targets().size(), std::size_t(1));
}

void TestSearchSubtitleOnline::archiveWithoutSubtitle() {
    site.setPage("/subtitles/download/1.zip",
                 devservice::storedZip({{"readme.txt", "no subtitle here"}}), "application/zip");
    const QString video = folder->filePath("Film.mkv");
    SearchSubtitleOnline dialog(false, video);
    QSignalSpy ready(&dialog, &SearchSubtitleOnline::readyGetSubtitleOnline);
    dialog.show();
    waitForList(dialog);
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    selectRow(dialog, 0);
    click(dialog, "pushButton");
    QTRY_VERIFY_WITH_TIMEOUT(prompt.asked().size() == 1, kLong);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Lỗi"));
    QCOMPARE(prompt.asked().first().text,
             QStringLiteral("Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác"));
    QVERIFY(loading(dialog)->isHidden());
    QVERIFY(dialog.isVisible());
    QCOMPARE(ready.count(), 0);
}

void TestSearchSubtitleOnline::setKeywordAndClearResetTheDialog() {
    SearchSubtitleOnline dialog(true, QString());
    dialog.setKeyword(QStringLiteral("Demo"));
    click(dialog, "searchButton");
    waitForList(dialog);
    dialog.setKeyword(QStringLiteral("Next film"));
    dialog.clearResults();
    auto* model = child<QTableView>(dialog, "tableView")->model();
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(model->columnCount(), 0);
    QCOMPARE(child<QLineEdit>(dialog, "fileName")->text(), QStringLiteral("Next film"));
    // The folder of the last film is forgotten: the next download asks again.
    click(dialog, "searchButton");
    waitForList(dialog);
    selectRow(dialog, 0);
    click(dialog, "pushButton");
    QVERIFY(dialog.findChild<setFolderSaveSubtitle*>()->isVisible());
}

QTEST_MAIN(TestSearchSubtitleOnline)
#include "test_searchsubtitleonline.moc"
