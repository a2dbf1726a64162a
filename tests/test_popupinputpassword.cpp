// The file password prompt: its form, what it shows, and what it hands back.
#include "media/popup_inputpassword.h"
#include "tests/mediatesthelpers.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using mediatest::child;

class TestPopupInputPassword : public QObject {
    Q_OBJECT
private slots:
    void form();
    void sizeText_data();
    void sizeText();
    void okAcceptsThenSends_data();
    void okAcceptsThenSends();
    void cancelSendsNothing();
};

void TestPopupInputPassword::form() {
    popup_inputPassword dialog(" 100% phim.mkv", "1025");
    QCOMPARE(dialog.objectName(), QString("popup_inputPassword"));
    QCOMPARE(dialog.size(), QSize(397, 119));
    QCOMPARE(dialog.windowTitle(), QString("Nhập mật khẩu file  100% phim.mkv"));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(child<QLabel>(dialog, "lblFileName")->text(), QString(" 100% phim.mkv"));
    QCOMPARE(child<QLabel>(dialog, "lblFileSize")->text(), QString("1.01 KB"));
    QCOMPARE(child<QLabel>(dialog, "label")->text(), QString("Mật khẩu"));
    QVERIFY(child<QLabel>(dialog, "label")->font().bold());
    QCOMPARE(child<QLabel>(dialog, "lblFileName_3")->text(), QString("Tên File"));
    auto* password = child<QLineEdit>(dialog, "txtPassword");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QVERIFY(password->text().isEmpty());
    QCOMPARE(password->focusPolicy(), Qt::StrongFocus);
    auto* box = child<QDialogButtonBox>(dialog, "buttonBox");
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(dialog.focusWidget(), password);
}

void TestPopupInputPassword::sizeText_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1025") << "1025" << "1.01 KB";
    QTest::newRow("1024") << "1024" << "1024 B  ";
    QTest::newRow("a fraction is cut off") << "1500.9" << "1.47 KB";
    QTest::newRow("not a number") << "abc" << "0 B  ";
    QTest::newRow("empty") << "" << "0 B  ";
    QTest::newRow("infinite") << "inf" << "0 B  ";
    QTest::newRow("not a number, spelled") << "nan" << "0 B  ";
    QTest::newRow("past 64 bits") << "1e30" << "0 B  ";
    QTest::newRow("gigabytes") << "5368709120" << "5 GB";
}

void TestPopupInputPassword::sizeText() {
    QFETCH(QString, size);
    QTEST(popup_inputPassword::sizeText(size), "shown");
}

void TestPopupInputPassword::okAcceptsThenSends_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("with blanks, unchanged") << " mật khẩu ";
}

void TestPopupInputPassword::okAcceptsThenSends() {
    QFETCH(QString, typed);
    popup_inputPassword dialog("a.bin", "10");
    QStringList events;
    connect(&dialog, &QDialog::accepted, [&] { events << "accepted"; });
    connect(&dialog, &popup_inputPassword::send_pass,
            [&](const QString& password) { events << "send:" + password; });
    child<QLineEdit>(dialog, "txtPassword")->setText(typed);
    dialog.show();
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(events, QStringList({"accepted", "send:" + typed}));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestPopupInputPassword::cancelSendsNothing() {
    popup_inputPassword dialog("a.bin", "10");
    QSignalSpy sent(&dialog, &popup_inputPassword::send_pass);
    child<QLineEdit>(dialog, "txtPassword")->setText("x");
    dialog.show();
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(sent.count(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestPopupInputPassword)
#include "test_popupinputpassword.moc"
