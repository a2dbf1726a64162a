#include "media/search_subtitles.h"
#include "media/searchsubtitleonline.h"
#include "media/setfoldersavesubtitle.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/mediatesthelpers.h"
#include "tests/support/scripteduserprompt.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSubtitleDialogs : public QObject {
    Q_OBJECT

private slots:
    void folderDialogConfirmsChosenFolder();
    void folderDialogWarnsWithoutFolder();
    void folderDialogCancelSendsNothing();

    void attachChoosesLocalFiles();
    void attachConfirm_data();
    void attachConfirm();
    void attachTakesOnlineResult();
    void attachDragsWithLeftButtonOnly();
    void attachTitleStandsOnTheBand();
};

using mediatest::child;
using mediatest::click;

namespace {

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               const QPoint& global) {
    QMouseEvent event(type, target.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

const QString kNoFolder =
    QStringLiteral("Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống");

} // namespace

void TestSubtitleDialogs::folderDialogConfirmsChosenFolder() {
    ScriptedUserPrompt prompt;
    setFolderSaveSubtitle dialog;
    QSignalSpy sent(&dialog, &setFolderSaveSubtitle::send_SubDowloadFolder);
    QVERIFY(!child<QLineEdit>(dialog, "txtPath")->isEnabled());
    dialog.show();
    prompt.answerPath(QStringLiteral("/films/subs"));
    click(dialog, "selectFolder");
    QCOMPARE(child<QLineEdit>(dialog, "txtPath")->text(), QStringLiteral("/films/subs"));
    click(dialog, "btn_OKClick");
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("/films/subs"));
    QVERIFY(!dialog.isVisible());

    // The next run shows the same folder, sends it again and opens the chooser there.
    dialog.show();
    click(dialog, "btn_OKClick");
    QCOMPARE(sent.count(), 2);
    QCOMPARE(sent.last().first().toString(), QStringLiteral("/films/subs"));
    prompt.answerPath(QStringLiteral("/films/other"));
    click(dialog, "selectFolder");
    QCOMPARE(prompt.asked().last().dir, QStringLiteral("/films/subs"));
    QCOMPARE(prompt.asked().last().kind, ScriptedUserPrompt::Kind::ChooseFolder);
    QCOMPARE(prompt.asked().last().title,
             QStringLiteral("Chọn đường dẫn để lưu tập tin phụ đề tải xuống"));
}

void TestSubtitleDialogs::folderDialogWarnsWithoutFolder() {
    ScriptedUserPrompt prompt;
    setFolderSaveSubtitle dialog;
    QSignalSpy sent(&dialog, &setFolderSaveSubtitle::send_SubDowloadFolder);
    dialog.show();
    prompt.answer(QMessageBox::Ok);
    click(dialog, "btn_OKClick"); // never chosen
    // Chosen, then the chooser cancelled: the choice is gone.
    prompt.answerPath(QStringLiteral("/films"));
    click(dialog, "selectFolder");
    prompt.answerPath(QString());
    click(dialog, "selectFolder");
    QVERIFY(child<QLineEdit>(dialog, "txtPath")->text().isEmpty());
    prompt.answer(QMessageBox::Ok);
    click(dialog, "btn_OKClick");

    QCOMPARE(sent.count(), 0);
    QVERIFY(dialog.isVisible());
    for (int i : {0, 3}) {
        QCOMPARE(prompt.asked().at(i).kind, ScriptedUserPrompt::Kind::Warning);
        QCOMPARE(prompt.asked().at(i).title, QStringLiteral("Thông báo"));
        QCOMPARE(prompt.asked().at(i).text, kNoFolder);
    }
}

void TestSubtitleDialogs::folderDialogCancelSendsNothing() {
    ScriptedUserPrompt prompt;
    setFolderSaveSubtitle dialog;
    QSignalSpy sent(&dialog, &setFolderSaveSubtitle::send_SubDowloadFolder);
    dialog.show();
    prompt.answerPath(QStringLiteral("/films"));
    click(dialog, "selectFolder");
    click(dialog, "btn_cancelClink");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(sent.count(), 0);
    QCOMPARE(child<QLineEdit>(dialog, "txtPath")->text(), QStringLiteral("/films"));
}

void TestSubtitleDialogs::attachChoosesLocalFiles() {
    SettingsStore().setValue(SettingsKeys::UploadDir, QStringLiteral("/uploads"));
    ScriptedUserPrompt prompt;
    Search_subtitles dialog(QStringLiteral("Film.mkv"), QStringLiteral("/films/Film.mkv"));
    QCOMPARE(child<QLabel>(dialog, "lbVideoName")->text(), QStringLiteral("Film.mkv"));
    QVERIFY(!child<QLineEdit>(dialog, "pathSub")->isEnabled());

    prompt.answerPaths({QStringLiteral("/subs/a.srt"), QStringLiteral("/subs/b.srt")});
    click(dialog, "selectSub");
    QCOMPARE(prompt.asked().last().dir, QStringLiteral("/uploads"));
    QCOMPARE(prompt.asked().last().title, QStringLiteral("Chọn tập tin phụ đề"));
    QCOMPARE(prompt.asked().last().filter, QStringLiteral("srt files(*.srt)"));
    QCOMPARE(child<QLineEdit>(dialog, "pathSub")->text(),
             QStringLiteral("/subs/a.srt;/subs/b.srt"));

    // The next chooser opens in the folder of the last choice; cancelling it empties the field.
    prompt.answerPaths({});
    click(dialog, "selectSub");
    QCOMPARE(prompt.asked().last().dir, QStringLiteral("/subs"));
    QVERIFY(child<QLineEdit>(dialog, "pathSub")->text().isEmpty());
    SettingsStore().remove(SettingsKeys::UploadDir);
}

void TestSubtitleDialogs::attachConfirm_data() {
    QTest::addColumn<QString>("path"); // "@" stands for an existing folder
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty") << ""
                           << "Bạn vui lòng chọn đường dẫn tới tập tin phụ đề";
    QTest::newRow("two files") << "@/a.srt;@/a.srt"
                               << "Tập tin phụ đề không tồn tại";
    QTest::newRow("missing") << "@/missing.srt"
                             << "Tập tin phụ đề không tồn tại";
    QTest::newRow("existing") << "@/a.srt"
                              << "";
}

void TestSubtitleDialogs::attachConfirm() {
    QFETCH(QString, path);
    QFETCH(QString, warning);
    QTemporaryDir folder;
    QFile(folder.filePath("a.srt")).open(QIODevice::WriteOnly);
    path.replace(QLatin1Char('@'), folder.path());

    ScriptedUserPrompt prompt;
    Search_subtitles dialog(QStringLiteral("a.mkv"), folder.filePath("a.mkv"));
    QSignalSpy chosen(&dialog, &Search_subtitles::readyGetPathSubtitle);
    dialog.show();
    QMetaObject::invokeMethod(&dialog, "getSubtitleOnline", Q_ARG(QString, path));
    if (!warning.isEmpty())
        prompt.answer(QMessageBox::Ok);
    click(dialog, "btn_agreed");
    if (warning.isEmpty()) {
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toString(), QDir::toNativeSeparators(path));
        QVERIFY(!dialog.isVisible());
    } else {
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(prompt.asked().size(), 1);
        QCOMPARE(prompt.asked().first().title, QStringLiteral("Lỗi"));
        QCOMPARE(prompt.asked().first().text, warning);
        QVERIFY(dialog.isVisible());
    }
}

void TestSubtitleDialogs::attachTakesOnlineResult() {
    // No subtitle site is reachable: the search fails at once and reports it.
    qputenv("BRISKO_SUBTITLE_HOST", "127.0.0.1:1");
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    Search_subtitles dialog(QStringLiteral("a.mkv"), QStringLiteral("/films/a.mkv"));
    dialog.show();
    click(dialog, "searchButton");
    auto* search = dialog.findChild<SearchSubtitleOnline*>();
    QVERIFY(search && search->isVisible() && search->isModal());
    QCOMPARE(child<QLineEdit>(*search, "fileName")->text(), QStringLiteral("a"));
    emit search->readyGetSubtitleOnline(QStringLiteral("/films/a.srt"));
    QCOMPARE(child<QLineEdit>(dialog, "pathSub")->text(), QStringLiteral("/films/a.srt"));
    QTRY_COMPARE_WITH_TIMEOUT(prompt.asked().size(), 1, 30000);
    qunsetenv("BRISKO_SUBTITLE_HOST");
}

void TestSubtitleDialogs::attachDragsWithLeftButtonOnly() {
    Search_subtitles dialog(QStringLiteral("a.mkv"), QStringLiteral("/films/a.mkv"));
    dialog.move(100, 100);
    dialog.show();
    const QPoint start = dialog.frameGeometry().topLeft() + QPoint(30, 30);
    sendMouse(dialog, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, start);
    sendMouse(dialog, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
              start + QPoint(50, 0));
    QCOMPARE(dialog.frameGeometry().topLeft(), start - QPoint(30, 30));
    sendMouse(dialog, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, start + QPoint(40, 20));
    QCOMPARE(dialog.frameGeometry().topLeft(), start - QPoint(30, 30) + QPoint(40, 20));
}

void TestSubtitleDialogs::attachTitleStandsOnTheBand() {
    Search_subtitles dialog(QStringLiteral("a.mkv"), QStringLiteral("/films/a.mkv"));
    auto* title = child<QLabel>(dialog, "titleDlg");
    QCOMPARE(title->geometry(), QRect(10, 20, 141, 20));
    dialog.show();
    const QImage shown = dialog.grab().toImage();
    // White text needs the dark band behind it: just left and right of the title, on its
    // middle line, the dialog is dark.
    const int middle = title->geometry().center().y();
    for (const int x : {title->x() - 4, title->geometry().right() + 4})
        QVERIFY2(qGray(shown.pixel(x, middle)) < 160, qPrintable(QString::number(x)));
}

QTEST_MAIN(TestSubtitleDialogs)
#include "test_subtitledialogs.moc"
