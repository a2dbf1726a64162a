#include "core/dialogloading.h"
#include "core/dialogmsg.h"
#include "tests/support/scripteduserprompt.h"
#include "core/showerrordetail.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void errorTextByCode_data();
    void errorTextByCode();
    void errorMessageShowsCriticalBox_data();
    void errorMessageShowsCriticalBox();

    void noticeTogglesDetails();
    void noticeKeepsMessageOnLanguageChange();
    void noticeWindowFlags_data();
    void noticeWindowFlags();
    void noticeDragsWithLeftButtonOnly_data();
    void noticeDragsWithLeftButtonOnly();
    void noticeButtonsClose_data();
    void noticeButtonsClose();

    void loadingBoxIsApplicationModal();
};

namespace {

const QString kOther = QStringLiteral("Thực hiện không thành công");

template <typename T> T* child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               const QPoint& global) {
    QMouseEvent event(type, target.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

} // namespace

void TestDialogs::cleanup() {
    SettingsStore().remove(SettingsKeys::StayOnTop);
}

void TestDialogs::errorTextByCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("1, first") << 1 << "Dữ liệu ngày tháng không hợp lệ"
                              << "Lỗi (1)";
    QTest::newRow("5, login") << 5 << "Đăng nhập sai Username hoặc Pass"
                              << "Lỗi (5)";
    QTest::newRow("7, after the gap at 6") << 7 << "Không thể giải quyết yêu cầu"
                                           << "Lỗi (7)";
    QTest::newRow("15, before the gap") << 15 << "Dữ liệu URL không chính xác"
                                        << "Lỗi (15)";
    QTest::newRow("20, after the gap") << 20 << "Dữ liệu đầu vào không hợp lệ"
                                       << "Lỗi (20)";
    QTest::newRow("22") << 22 << "Thư mục mặc định, không cho phép thực hiện chức năng này"
                        << "Lỗi (22)";
    QTest::newRow("28") << 28 << "Gửi mail không thành công"
                        << "Lỗi (28)";
    QTest::newRow("104") << 104 << "Thao tác đổi tên thành công, nhưng bị thay đổi nội dung"
                         << "Lỗi (104)";
    QTest::newRow("110") << 110 << "Không thực hiện thao tác di chuyển vào thư mục con của nó"
                         << "Lỗi (110)";
    QTest::newRow("117") << 117 << "Không thực hiện thao tác di chuyển thư mục đó vào chính nó"
                         << "Lỗi (117)";
    QTest::newRow("120") << 120 << "File clone không đúng định dạng"
                         << "Lỗi (120)";
    QTest::newRow("401") << 401 << "Dữ liệu đầu vào không chính xác"
                         << "Lỗi (401)";
    QTest::newRow("404") << 404 << "Không tồn tại!"
                         << "Lỗi (404)";
    QTest::newRow("500") << 500 << "Lỗi server"
                         << "Lỗi (500)";
    // Codes without a text of their own share one text and the code -1.
    for (int code : {0, 6, 16, 19, 29, 99, 103, 118, 200, 201, -3, 501})
        QTest::newRow(qPrintable(QStringLiteral("other %1").arg(code)))
            << code << kOther << "Lỗi (-1)";
}

void TestDialogs::errorTextByCode() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QCOMPARE(ShowErrorDetail::errorText(code), text);
    QCOMPARE(ShowErrorDetail::errorTitle(code), title);
    QCOMPARE(ShowErrorDetail::hasText(code), text != kOther);
}

void TestDialogs::errorMessageShowsCriticalBox_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keptCode");
    QTest::newRow("known") << 5 << "Lỗi (5)"
                           << "Đăng nhập sai Username hoặc Pass" << 5;
    QTest::newRow("session expired is not in the table") << 201 << "Lỗi (-1)" << kOther << -1;
}

void TestDialogs::errorMessageShowsCriticalBox() {
    QFETCH(int, code);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, keptCode);
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    auto* box = new ShowErrorDetail(code, nullptr);
    box->errorMessage();

    QCOMPARE(prompt.asked().size(), 1);
    const ScriptedUserPrompt::Asked& asked = prompt.asked().first();
    QCOMPARE(asked.kind, ScriptedUserPrompt::Kind::Critical);
    QCOMPARE(asked.parent.data(), static_cast<QWidget*>(box));
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.text, text);
    QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(asked.defaultButton, QMessageBox::NoButton);
    QCOMPARE(box->errorCode(), keptCode);
    delete box;
}

void TestDialogs::noticeTogglesDetails() {
    // The failed-links report is marked up by the program, its texts escaped.
    DialogMsg dialog(QStringLiteral("Có 2 link lỗi"),
                     QStringLiteral("<b>(ERROR:)</b> link &lt;one&gt;<br><b>(ERROR:)</b> two<br>"));
    auto* toggle = child<QPushButton>(dialog, "showHideMsg");
    QCOMPARE(child<QLabel>(dialog, "title")->text(), QStringLiteral("Có 2 link lỗi"));
    QCOMPARE(child<QTextEdit>(dialog, "listMsg")->toPlainText(),
             QStringLiteral("(ERROR:) link <one>\n(ERROR:) two\n"));
    DialogMsg plain(QStringLiteral("x"), QStringLiteral("line one\nline two"));
    QCOMPARE(child<QTextEdit>(plain, "listMsg")->toPlainText(), QStringLiteral("line one\nline two"));

    const struct {
        int height;
        const char* text;
    } states[] = {{110, "Xem chi tiết"}, {220, "Thu nhỏ"}, {110, "Xem chi tiết"}};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            toggle->click();
        QCOMPARE(dialog.height(), states[i].height);
        QCOMPARE(dialog.minimumHeight(), states[i].height);
        QCOMPARE(dialog.maximumHeight(), states[i].height);
        QCOMPARE(toggle->text(), QString::fromUtf8(states[i].text));
    }
}

void TestDialogs::noticeKeepsMessageOnLanguageChange() {
    DialogMsg dialog(QStringLiteral("Thông điệp"), QStringLiteral("chi tiết"));
    child<QPushButton>(dialog, "showHideMsg")->click();
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&dialog, &change);
    QCOMPARE(child<QLabel>(dialog, "title")->text(), QStringLiteral("Thông điệp"));
    QCOMPARE(child<QPushButton>(dialog, "showHideMsg")->text(), QStringLiteral("Thu nhỏ"));
    QCOMPARE(child<QTextEdit>(dialog, "listMsg")->toPlainText(), QStringLiteral("chi tiết"));
    QCOMPARE(dialog.height(), 220);
}

void TestDialogs::noticeWindowFlags_data() {
    QTest::addColumn<QString>("setting"); // empty: not set
    QTest::addColumn<bool>("onTop");
    QTest::newRow("missing") << QString() << false;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("false") << "false" << false;
}

void TestDialogs::noticeWindowFlags() {
    QFETCH(QString, setting);
    QFETCH(bool, onTop);
    if (!setting.isEmpty()) {
        SettingsStore store;
        store.setValue(SettingsKeys::StayOnTop, setting);
        QVERIFY(store.sync());
    }
    DialogMsg dialog(QStringLiteral("m"), QString());
    QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    // Shaped by its background: rounded corners are cut away.
    QVERIFY(!dialog.mask().isEmpty());
    QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
    QVERIFY(dialog.mask().contains(QPoint(200, 60)));
}

void TestDialogs::noticeDragsWithLeftButtonOnly_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << int(Qt::LeftButton) << true;
    QTest::newRow("right") << int(Qt::RightButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void TestDialogs::noticeDragsWithLeftButtonOnly() {
    QFETCH(int, button);
    QFETCH(bool, moves);
    const auto mouseButton = Qt::MouseButton(button);
    DialogMsg dialog(QStringLiteral("m"), QString());
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    const QPoint grab = dialog.mapToGlobal(QPoint(40, 30));

    sendMouse(dialog, QEvent::MouseButtonPress, mouseButton, mouseButton, grab);
    sendMouse(dialog, QEvent::MouseMove, Qt::NoButton, mouseButton, grab + QPoint(25, 15));
    sendMouse(dialog, QEvent::MouseButtonRelease, mouseButton, Qt::NoButton, grab + QPoint(25, 15));

    QCOMPARE(dialog.pos(), moves ? start + QPoint(25, 15) : start);
}

void TestDialogs::noticeButtonsClose_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Đóng lại") << "pushButton";
    QTest::newRow("title bar cross") << "btnClose";
}

void TestDialogs::noticeButtonsClose() {
    QFETCH(QString, button);
    DialogMsg dialog(QStringLiteral("m"), QString());
    dialog.show();
    QVERIFY(dialog.isVisible());
    child<QPushButton>(dialog, qPrintable(button))->click();
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::loadingBoxIsApplicationModal() {
    QWidget mainWindow;
    mainWindow.show();
    DialogLoading loading(&mainWindow);
    QCOMPARE(child<QLabel>(loading, "img_loading")->text(), QStringLiteral("Loading...."));
    QCOMPARE(loading.windowModality(), Qt::ApplicationModal);
    QCOMPARE(loading.size(), QSize(91, 61));

    loading.show();
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&loading));
    loading.hide();
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(nullptr));
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
