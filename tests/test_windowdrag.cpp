// The frameless popups drag with the left button wherever their face shows, their white
// titles included: the mouse goes through the window as the window system delivers it (the
// widget under the cursor at the press gets the moves, and passes on what it does not
// take). The demo account is logged in so that the dialogs that list its folders as they
// open get their answer.
#include "core/dialogmsg.h"
#include "core/globals.h"
#include "core/simpledownloaddialog.h"
#include "download/dialogdownload.h"
#include "download/dialogfileinfo.h"
#include "download/downloadfile.h"
#include "filemanager/dialogcopyfile.h"
#include "filemanager/dialogcreatefol.h"
#include "filemanager/dialogmovefile.h"
#include "filemanager/formchangefilepassword.h"
#include "media/dialogplayvideo.h"
#include "media/popup_inputpassword.h"
#include "media/popup_rss_setdownloadfolder.h"
#include "media/search_subtitles.h"
#include "media/searchsubtitleonline.h"
#include "tests/mainwindowsession.h"
#include "tests/support/scripteduserprompt.h"
#include "tests/support/stalledserver.h"
#include "upload/dialogupload.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

class TestWindowDrag : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void popupsDragByTitleAndFace_data();
    void popupsDragByTitleAndFace();

private:
    std::unique_ptr<QDialog> make(const QString& kind);

    MainWindowSession session;
    std::unique_ptr<RuriDudi> user;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    QTemporaryDir folder;
    StalledServer stalled; // the simple download dialog's transfer waits there
    std::unique_ptr<DownloadFile> job;
};

namespace {

// A spot of `window`'s face with no widget on it, nearest its top.
QPoint bareSpot(const QWidget* window) {
    for (int y = 4; y < window->height(); y += 4)
        for (int x = 4; x < window->width(); x += 4)
            if (!window->childAt(x, y))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

} // namespace

void TestWindowDrag::initTestCase() {
    QVERIFY(session.start());
    user = MainWindowSession::logIn();
    QVERIFY(user);
    currentUser = user.get();
    prompt = std::make_unique<ScriptedUserPrompt>();
    QVERIFY(folder.isValid());
    QVERIFY(stalled.port() != 0);
    job = std::make_unique<DownloadFile>(
        QStringLiteral("phim hay.mkv"), folder.filePath(QStringLiteral("phim hay.mkv")),
        QStringLiteral("code"), QString(), QStringLiteral("1"), QStringLiteral("false"),
        session.link("code"), QString(), 1536);
}

void TestWindowDrag::cleanupTestCase() {
    job.reset();
    QCOMPARE(prompt->asked().size(), 0);
    prompt.reset();
    currentUser = nullptr;
    user.reset();
}

std::unique_ptr<QDialog> TestWindowDrag::make(const QString& kind) {
    const std::vector<std::string> codes{"code"};
    if (kind == "create folder")
        return std::make_unique<Dialogcreatefol>(QStringLiteral("0"));
    if (kind == "add links")
        return std::make_unique<DialogDownload>(QString());
    if (kind == "move")
        return std::make_unique<DialogMoveFIle>(codes);
    if (kind == "copy")
        return std::make_unique<DialogCopyFile>(codes);
    if (kind == "file password")
        return std::make_unique<formChangeFilePassword>(codes);
    if (kind == "properties")
        return std::make_unique<DialogFileInfo>(QList<DownloadFile*>{job.get()});
    if (kind == "notice")
        return std::make_unique<DialogMsg>(QStringLiteral("Thông báo"), QString());
    if (kind == "play")
        return std::make_unique<DialogPlayVideo>(job.get(), 0);
    if (kind == "upload")
        return std::make_unique<DialogUpload>(QList<QUrl>());
    if (kind == "attach subtitles")
        return std::make_unique<Search_subtitles>(QStringLiteral("a.mkv"),
                                                  folder.filePath(QStringLiteral("a.mkv")));
    if (kind == "subtitle search")
        return std::make_unique<SearchSubtitleOnline>(true, QStringLiteral("phim"));
    if (kind == "file password prompt")
        return std::make_unique<popup_inputPassword>(QStringLiteral("a.mkv"),
                                                     QStringLiteral("1536"));
    if (kind == "feed download folder")
        return std::make_unique<Popup_rss_SetDownloadFolder>(QStringLiteral("Phim lẻ"));
    if (kind == "simple download")
        return std::make_unique<SimpleDownloadDialog>(
            QString::fromStdString(stalled.url("/setup.bin")),
            folder.filePath(QStringLiteral("setup.bin")), QString(), QStringLiteral("Tải về"),
            QStringLiteral("Đang tải"));
    return nullptr;
}

void TestWindowDrag::popupsDragByTitleAndFace_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("grip"); // the title label's name; "" for a bare spot
    QTest::newRow("create folder, title") << "create folder"
                                          << "label_2";
    QTest::newRow("create folder, band") << "create folder"
                                         << "";
    QTest::newRow("add links, title") << "add links"
                                      << "label";
    QTest::newRow("move, title") << "move"
                                 << "label_3";
    QTest::newRow("copy, title") << "copy"
                                 << "label_3";
    QTest::newRow("file password, title") << "file password"
                                          << "lblMessTitle";
    QTest::newRow("properties, title") << "properties"
                                       << "label_2";
    QTest::newRow("notice, title") << "notice"
                                   << "titleDlg";
    QTest::newRow("play, title") << "play"
                                 << "titleDlg";
    QTest::newRow("upload, title") << "upload"
                                   << "label_5";
    QTest::newRow("attach subtitles, title") << "attach subtitles"
                                             << "titleDlg";
    QTest::newRow("subtitle search, title") << "subtitle search"
                                            << "titleDlg";
    QTest::newRow("file password prompt") << "file password prompt"
                                          << "";
    QTest::newRow("feed download folder") << "feed download folder"
                                          << "";
    QTest::newRow("simple download") << "simple download"
                                     << "";
}

void TestWindowDrag::popupsDragByTitleAndFace() {
    QFETCH(QString, kind);
    QFETCH(QString, grip);
    std::unique_ptr<QDialog> dialog = make(kind);
    QVERIFY(dialog);
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    dialog->move(150, 120);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    QPoint at = bareSpot(dialog.get());
    if (!grip.isEmpty()) {
        auto* title = dialog->findChild<QLabel*>(grip);
        QVERIFY(title);
        at = title->mapTo(dialog.get(), title->rect().center());
        QCOMPARE(dialog->childAt(at), title);
    }
    QVERIFY(dialog->rect().contains(at));
    const QPoint start = dialog->pos();
    const QPoint by(40, 25);
    QWindow* window = dialog->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(window, at + by);
    QCOMPARE(dialog->pos(), start + by);
    // The window came along: the pointer is over the same spot of it.
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(dialog->pos(), start + by);
    dialog->hide();
}

QTEST_MAIN(TestWindowDrag)
#include "test_windowdrag.moc"
