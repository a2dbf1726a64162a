// Where the program puts its windows: a notice keeps its centre as it resizes, frameless
// windows are placed by the program and keep where the window system put them, and popups
// open beside what they belong to although the toolkit heard a stale position of their
// window. Offscreen, with the window system stood in for (WindowSystemStub).
#include "core/dialogmsg.h"
#include "core/windowposition.h"
#include "tests/support/listplacement.h"
#include "tests/support/windowsystemstub.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <QtTest>

class TestWindowPosition : public QObject {
    Q_OBJECT

private slots:
    void boxesStayCentredAsTheyResize();
    void framelessWindowsArePlacedByTheProgram();
    void boxesKeepWhereTheWindowSystemPutThem_data();
    void boxesKeepWhereTheWindowSystemPutThem();
    void popupsOpenWhereTheirWindowIs_data();
    void popupsOpenWhereTheirWindowIs();
};

namespace {

bool near(const QPoint& a, const QPoint& b) {
    return (a - b).manhattanLength() <= 2;
}

} // namespace

// The notice grows and shrinks with its details around the same centre: over the window
// that asked, or where the user dragged it; never out of the screen.
void TestWindowPosition::boxesStayCentredAsTheyResize() {
    QWidget owner;
    owner.setGeometry(60, 50, 600, 450);
    owner.show();
    DialogMsg box(QStringLiteral("Thông báo"), QStringLiteral("chi tiết"), &owner);
    box.show();
    const QPoint centre = owner.frameGeometry().center();
    QVERIFY(near(box.frameGeometry().center(), centre));
    const int collapsed = box.height();
    box.on_showHideMsg_clicked(); // "Xem chi tiết"
    QVERIFY(box.height() > collapsed);
    QVERIFY(near(box.frameGeometry().center(), centre));

    box.move(box.pos() + QPoint(90, -40)); // a drag
    const QPoint dragged = box.frameGeometry().center();
    box.on_showHideMsg_clicked(); // "Thu nhỏ"
    QCOMPARE(box.height(), collapsed);
    QVERIFY(near(box.frameGeometry().center(), dragged));

    box.move(box.x(), box.screen()->availableGeometry().bottom() - collapsed + 1);
    box.on_showHideMsg_clicked(); // at the screen's foot it grows upwards
    QVERIFY(box.screen()->availableGeometry().contains(box.frameGeometry()));
}

// The window manager places a frameless window without telling where; the program places
// it itself, so that what opens over it later is centred over where it really is.
void TestWindowPosition::framelessWindowsArePlacedByTheProgram() {
    windowposition::placeFramelessWindows();

    QDialog alone(nullptr, Qt::FramelessWindowHint);
    alone.resize(440, 250);
    alone.show();
    QVERIFY(alone.testAttribute(Qt::WA_Moved));
    QVERIFY(near(alone.frameGeometry().center(), alone.screen()->availableGeometry().center()));
    // Where the program put it is what it goes by later (a box's centre, a drag's grip),
    // and the program's next move (a drag) updates it.
    QCOMPARE(windowposition::knownFrame(&alone), alone.frameGeometry());
    alone.move(alone.pos() + QPoint(30, 20));
    QCOMPARE(windowposition::knownFrame(&alone), alone.frameGeometry());

    QWidget owner;
    owner.setGeometry(60, 50, 600, 450);
    owner.show();
    QDialog over(&owner, Qt::Dialog | Qt::FramelessWindowHint);
    over.resize(300, 200);
    over.show();
    QVERIFY(near(over.frameGeometry().center(), owner.frameGeometry().center()));

    // A position the program chose stays.
    QDialog placed(nullptr, Qt::FramelessWindowHint);
    placed.setGeometry(10, 20, 200, 100);
    placed.show();
    QCOMPARE(placed.pos(), QPoint(10, 20));
}

void TestWindowPosition::boxesKeepWhereTheWindowSystemPutThem_data() {
    QTest::addColumn<QPoint>("reported");
    QTest::addColumn<bool>("tells");    // the window system answers when asked afresh
    QTest::addColumn<bool>("truthful"); // the report was where the box stands
    QTest::newRow("dragged through the window manager") << QPoint(90, 70) << true << true;
    QTest::newRow("dragged, the window system cannot be asked") << QPoint(90, 70) << false << true;
    QTest::newRow("stale report after the window manager framed it")
        << QPoint(0, 0) << true << false;
}

// A notice that resizes keeps its centre where it stands, also after the window system
// reported it elsewhere: a drag through the window manager counts, a stale report does not.
void TestWindowPosition::boxesKeepWhereTheWindowSystemPutThem() {
    QFETCH(QPoint, reported);
    QFETCH(bool, tells);
    QFETCH(bool, truthful);
    windowposition::placeFramelessWindows();
    WindowSystemStub windows;
    QWidget owner;
    owner.setGeometry(60, 50, 600, 450);
    owner.show();
    DialogMsg box(QStringLiteral("Thông báo"), QStringLiteral("chi tiết"), &owner);
    box.show();
    const QPoint placed = box.pos();
    const QPoint stands = truthful ? reported : placed;
    if (tells)
        windows.places.insert(&box, stands);
    QVERIFY(reportMoved(&box, reported));
    const QPoint centre = QRect(stands, box.frameGeometry().size()).center();

    box.on_showHideMsg_clicked(); // "Xem chi tiết"
    QVERIFY(near(box.frameGeometry().center(), centre));
    box.on_showHideMsg_clicked(); // "Thu nhỏ"
    QVERIFY(near(box.frameGeometry().center(), centre));
}

void TestWindowPosition::popupsOpenWhereTheirWindowIs_data() {
    QTest::addColumn<QString>("popup");
    QTest::newRow("combo box list, clicked") << "combo click";
    QTest::newRow("combo box list, by its key") << "combo key";
    QTest::newRow("completer list, as one types") << "completer";
    QTest::newRow("context menu, asked for by the program") << "menu";
}

// The toolkit places popups from where it believes their window stands; a frameless window
// that it believes at the screen's corner (a stale report after the window manager framed
// it) still gets its popups beside what they belong to.
void TestWindowPosition::popupsOpenWhereTheirWindowIs() {
    QFETCH(QString, popup);
    windowposition::placeFramelessWindows();
    WindowSystemStub windows;
    QDialog dialog(nullptr, Qt::FramelessWindowHint);
    dialog.resize(500, 300);
    auto* combo = new QComboBox(&dialog);
    combo->addItems(
        {QStringLiteral("English"), QStringLiteral("Japan"), QStringLiteral("Tiếng Việt")});
    combo->setCurrentIndex(2);
    combo->setGeometry(300, 40, 150, 24);
    auto* edit = new QLineEdit(&dialog);
    edit->setGeometry(20, 40, 200, 24);
    edit->setCompleter(new QCompleter({QStringLiteral("alpha"), QStringLiteral("alpine")}, edit));
    auto* table = new QTableWidget(5, 2, &dialog);
    table->setGeometry(20, 100, 400, 180);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    const QPoint menuPos(30, 20);
    connect(table, &QWidget::customContextMenuRequested, [table](const QPoint& pos) {
        QMenu menu; // no parent, as the queue tables' menus
        menu.addAction(QStringLiteral("Xóa"));
        menu.exec(table->viewport()->mapToGlobal(pos));
    });
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QPoint stands = dialog.pos();
    windows.places.insert(&dialog, stands);
    QVERIFY(reportMoved(&dialog, QPoint(0, 0)));

    QRect shownAt;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* open = QApplication::activePopupWidget()) {
            shownAt = open->geometry();
            open->close();
        }
    });
    closer.start(10);
    QWidget* anchor = combo;
    if (popup == "combo click") {
        QTest::mouseClick(combo, Qt::LeftButton);
    } else if (popup == "combo key") {
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    } else if (popup == "completer") {
        anchor = edit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("al"));
    } else {
        emit table->customContextMenuRequested(menuPos);
    }
    QTRY_VERIFY(shownAt.isValid());
    closer.stop();
    if (popup == "menu") {
        QCOMPARE(shownAt.topLeft(), stands + table->viewport()->mapTo(&dialog, menuPos));
        return;
    }
    const QRect field(stands + anchor->mapTo(&dialog, QPoint()), anchor->size());
    const QString away = listAwayFromItsField(shownAt.topLeft(), field);
    QVERIFY2(away.isEmpty(), qPrintable(away));
}

QTEST_MAIN(TestWindowPosition)
#include "test_windowposition.moc"
