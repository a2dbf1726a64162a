#include "core/userprompt.h"
#include "tests/support/scripteduserprompt.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <cstdlib>

Q_DECLARE_METATYPE(ScriptedUserPrompt::Kind)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class TestUserPrompt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void qtDialogsUnlessAnotherIsInstalled();
    void boxesAreRecordedAndAnswered_data();
    void boxesAreRecordedAndAnswered();
    void choosersAreRecordedAndAnswered();
    void boxesOpenOverTheWindowThatAsks_data();
    void boxesOpenOverTheWindowThatAsks();
    void unscriptedPromptEndsTheProgram_data();
    void unscriptedPromptEndsTheProgram();
};

namespace {

const char* const kScenarioVariable = "BRISKO_TEST_PROMPT_SCENARIO";

// Run in a child copy of this program: each must end it from inside the prompt.
void runScenario(const QByteArray& scenario) {
    ScriptedUserPrompt prompt;
    if (scenario == "nothing queued") {
        UserPrompt::current()->warning(nullptr, "Cảnh báo", "Không có đáp án");
    } else if (scenario == "button for a chooser") {
        prompt.answer(QMessageBox::Ok);
        UserPrompt::current()->openFile(nullptr, "Chọn tập tin");
    } else if (scenario == "path for a box") {
        prompt.answerPath("/tmp/x");
        UserPrompt::current()->question(nullptr, "Hỏi", "Tiếp tục?");
    } else if (scenario == "button not offered") {
        prompt.answer(QMessageBox::Retry);
        UserPrompt::current()->question(nullptr, "Hỏi", "Xóa?");
    } else if (scenario == "queue used up") {
        prompt.answer(QMessageBox::Ok);
        UserPrompt::current()->information(nullptr, "Một", "lần");
        UserPrompt::current()->information(nullptr, "Hai", "lần nữa");
    }
}

} // namespace

void TestUserPrompt::initTestCase() {
    const QByteArray scenario = qgetenv(kScenarioVariable);
    if (scenario.isEmpty())
        return;
    runScenario(scenario);
    std::_Exit(3); // the prompt let the program go on
}

void TestUserPrompt::qtDialogsUnlessAnotherIsInstalled() {
    QVERIFY(dynamic_cast<QtUserPrompt*>(UserPrompt::current()));
    {
        ScriptedUserPrompt outer;
        QCOMPARE(UserPrompt::current(), static_cast<UserPrompt*>(&outer));
        {
            ScriptedUserPrompt inner;
            QCOMPARE(UserPrompt::current(), static_cast<UserPrompt*>(&inner));
        }
        QCOMPARE(UserPrompt::current(), static_cast<UserPrompt*>(&outer));
    }
    QVERIFY(dynamic_cast<QtUserPrompt*>(UserPrompt::current()));
}

void TestUserPrompt::boxesAreRecordedAndAnswered_data() {
    using Kind = ScriptedUserPrompt::Kind;
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("information") << Kind::Information
                                 << QMessageBox::StandardButtons(QMessageBox::Ok)
                                 << QMessageBox::Ok;
    QTest::newRow("warning") << Kind::Warning << (QMessageBox::Ok | QMessageBox::Cancel)
                             << QMessageBox::Cancel;
    QTest::newRow("critical") << Kind::Critical << QMessageBox::StandardButtons(QMessageBox::Ok)
                              << QMessageBox::Ok;
    QTest::newRow("question") << Kind::Question << (QMessageBox::Yes | QMessageBox::No)
                              << QMessageBox::No;
}

void TestUserPrompt::boxesAreRecordedAndAnswered() {
    using Kind = ScriptedUserPrompt::Kind;
    QFETCH(Kind, kind);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, answer);
    ScriptedUserPrompt prompt;
    prompt.answer(answer);
    QWidget parent;
    UserPrompt* ask = UserPrompt::current();
    const QString title = QStringLiteral("Tiêu đề"), text = QStringLiteral("Nội dung");
    QMessageBox::StandardButton result = QMessageBox::NoButton;
    switch (kind) {
    case Kind::Information:
        result = ask->information(&parent, title, text, buttons, QMessageBox::Ok);
        break;
    case Kind::Warning:
        result = ask->warning(&parent, title, text, buttons, QMessageBox::Ok);
        break;
    case Kind::Critical:
        result = ask->critical(&parent, title, text, buttons, QMessageBox::Ok);
        break;
    default:
        result = ask->question(&parent, title, text, buttons, QMessageBox::Yes);
        break;
    }
    QCOMPARE(result, answer);
    QCOMPARE(prompt.unanswered(), 0);
    QCOMPARE(prompt.asked().size(), 1);
    const ScriptedUserPrompt::Asked& asked = prompt.asked().first();
    QCOMPARE(asked.kind, kind);
    QCOMPARE(asked.parent.data(), &parent);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.text, text);
    QCOMPARE(asked.buttons, buttons);
    QCOMPARE(asked.defaultButton, kind == Kind::Question ? QMessageBox::Yes : QMessageBox::Ok);
}

void TestUserPrompt::choosersAreRecordedAndAnswered() {
    using Kind = ScriptedUserPrompt::Kind;
    ScriptedUserPrompt prompt;
    prompt.answerPath(QStringLiteral("/home/u/a.txt"));
    prompt.answerPaths({QStringLiteral("/home/u/1.mp4"), QStringLiteral("/home/u/2.mp4")});
    prompt.answerPath(QString()); // the save dialog is cancelled
    prompt.answerPath(QStringLiteral("/home/u/Tải về"));
    UserPrompt* ask = UserPrompt::current();

    QCOMPARE(ask->openFile(nullptr, "Mở", "/home/u", "Text (*.txt)"),
             QStringLiteral("/home/u/a.txt"));
    QCOMPARE(ask->openFiles(nullptr, "Chọn", "/home/u", "*"),
             QStringList({"/home/u/1.mp4", "/home/u/2.mp4"}));
    QCOMPARE(ask->saveFile(nullptr, "Lưu", "/home/u/links.txt"), QString());
    QCOMPARE(ask->chooseFolder(nullptr, "Thư mục", "/home/u"), QStringLiteral("/home/u/Tải về"));

    const QVector<ScriptedUserPrompt::Asked>& asked = prompt.asked();
    QCOMPARE(asked.size(), 4);
    const Kind kinds[] = {Kind::OpenFile, Kind::OpenFiles, Kind::SaveFile, Kind::ChooseFolder};
    const char* const captions[] = {"Mở", "Chọn", "Lưu", "Thư mục"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(asked[i].kind, kinds[i]);
        QCOMPARE(asked[i].title, QString::fromUtf8(captions[i]));
    }
    QCOMPARE(asked[0].filter, QStringLiteral("Text (*.txt)"));
    QCOMPARE(asked[2].dir, QStringLiteral("/home/u/links.txt"));
}

void TestUserPrompt::boxesOpenOverTheWindowThatAsks_data() {
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<bool>("dialogOwnedByMain");
    QTest::addColumn<QString>("owner"); // "asker", "main" or "none"
    QTest::newRow("the asking dialog shows") << true << true << true << "asker";
    QTest::newRow("closed dialog: over its main window") << true << false << true << "main";
    QTest::newRow("closed dialog of no window: the main window")
        << true << false << false << "main";
    QTest::newRow("nothing shows") << false << false << false << "none";
}

// A box asked for by a widget opens over that widget's window, or over the main window
// when the asker's window is gone (closed before it asks); the real Qt box is checked.
void TestUserPrompt::boxesOpenOverTheWindowThatAsks() {
    QFETCH(bool, mainShown);
    QFETCH(bool, dialogShown);
    QFETCH(bool, dialogOwnedByMain);
    QFETCH(QString, owner);
    QMainWindow main;
    QWidget other; // a shown window that is no main window is never taken
    other.show();
    if (mainShown)
        main.show();
    QDialog dialog(dialogOwnedByMain ? &main : nullptr);
    auto* asker = new QPushButton(&dialog);
    if (dialogShown)
        dialog.show();
    QWidget* const expected = owner == "asker"  ? static_cast<QWidget*>(asker)
                              : owner == "main" ? &main
                                                : nullptr;
    QCOMPARE(UserPrompt::ownerFor(asker), expected);

    main.setGeometry(40, 60, 500, 400);
    dialog.setGeometry(300, 200, 420, 300); // moved by hand, as a frameless dialog is

    QWidget* boxParent = &other;
    QPoint boxCentre;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxParent = box->parentWidget();
            boxCentre = box->frameGeometry().center();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(10);
    QtUserPrompt().information(asker, "Thông tin", "Xong", QMessageBox::Ok, QMessageBox::NoButton);
    QCOMPARE(boxParent, expected);
    const QPoint centre = expected ? expected->window()->frameGeometry().center()
                                   : QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((boxCentre - centre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("box centred at %1,%2, its window at %3,%4")
                            .arg(boxCentre.x())
                            .arg(boxCentre.y())
                            .arg(centre.x())
                            .arg(centre.y())));
}

void TestUserPrompt::unscriptedPromptEndsTheProgram_data() {
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("named");
    QTest::newRow("nothing queued") << "nothing queued"
                                    << "warning \"Cảnh báo\"";
    QTest::newRow("button for a chooser") << "button for a chooser"
                                          << "openFile \"Chọn tập tin\"";
    QTest::newRow("path for a box") << "path for a box"
                                    << "question \"Hỏi\"";
    QTest::newRow("button not offered") << "button not offered"
                                        << "question \"Hỏi\"";
    QTest::newRow("queue used up") << "queue used up"
                                   << "information \"Hai\"";
}

void TestUserPrompt::unscriptedPromptEndsTheProgram() {
    QFETCH(QString, scenario);
    QFETCH(QString, named);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kScenarioVariable), scenario);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    const QString output = QString::fromUtf8(child.readAll());
    const bool wentOn = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 3;
    QVERIFY2(!wentOn, qPrintable(output));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    QVERIFY2(output.contains(QStringLiteral("ScriptedUserPrompt")), qPrintable(output));
    QVERIFY2(output.contains(named), qPrintable(output));
}

QTEST_MAIN(TestUserPrompt)
#include "test_userprompt.moc"
