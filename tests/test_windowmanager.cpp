// Frameless windows under a real X server and window manager, where the toolkit can hear a
// stale position of a window the window manager just framed: popups open beside what they
// belong to, drags by a popup's band and by its title follow the pointer, a box dragged through the
// window manager keeps its place when it resizes, and the shut-down countdown is drawn without the
// window manager's frame. Opt-in: runs when BRISKO_TEST_WM_DISPLAY names a display with a window
// manager (for instance Xvfb with openbox), skipped otherwise. The pointer is driven with xdotool;
// with BRISKO_TEST_WM_SHOTS naming a folder, each case leaves a screenshot there.
#include "core/dialogmsg.h"
#include "core/userprompt.h"
#include "core/windowposition.h"
#include "filemanager/dialogcreatefol.h"
#include "mainwindow/dialogturnoff.h"
#include "tests/support/listplacement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVector>
#include <QtTest>

#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>

namespace {

const char kDisplayVariable[] = "BRISKO_TEST_WM_DISPLAY";

bool near(const QPoint& a, const QPoint& b, int slack = 2) {
    return (a - b).manhattanLength() <= slack;
}

// Runs xdotool with `arguments`; false when it is missing or fails.
bool xdotool(const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (program.isEmpty())
        return false;
    QProcess run;
    run.start(program, arguments);
    return run.waitForFinished(10000) && run.exitCode() == 0;
}

QStringList at(const QPoint& point) {
    return {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())};
}

// Where the X server has the window now.
QPoint stands(const QWidget* window) {
    return windowposition::ask(window).value_or(QPoint(-10000, -10000));
}

// The frame the window manager put around `window` (left, right, top, bottom), as it
// announces it; empty until it has.
QVector<quint32> frameExtents(const QWidget* window) {
    QVector<quint32> extents;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
        if (atom && atom->atom) {
            xcb_get_property_reply_t* property = xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, xcb_window_t(window->winId()), atom->atom,
                                 XCB_ATOM_CARDINAL, 0, 4),
                nullptr);
            if (property && xcb_get_property_value_length(property) == 16) {
                const auto* values = static_cast<const quint32*>(xcb_get_property_value(property));
                extents = {values[0], values[1], values[2], values[3]};
            }
            std::free(property);
        }
        std::free(atom);
    }
    xcb_disconnect(connection);
    return extents;
}

// Lets the window manager frame and place what was shown, and the toolkit hear of it.
void settle() {
    QTest::qWait(400);
}

// The toolkit hears the stale position only now and then (it races the window manager), so
// each case shows its window a few times.
constexpr int kShowings = 5;

// Shows `window` again and lets the window manager frame it.
bool showAgain(QWidget* window) {
    window->hide();
    QTest::qWait(50);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    settle();
    return true;
}

void screenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("BRISKO_TEST_WM_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + name +
                                                          QStringLiteral(".png"));
}

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void comboListOpensAtItsField();
    void contextMenuOpensAtThePointer();
    void popupDragFollowsThePointer_data();
    void popupDragFollowsThePointer();
    void boxDraggedThroughTheWindowManagerKeepsItsPlace();
    void countdownHasNoWindowManagerFrame();

private:
    // A frameless main window, as the program's, with a frameless dialog over it.
    struct Windows {
        QMainWindow main{nullptr, Qt::Window | Qt::FramelessWindowHint};
        QDialog* dialog = nullptr;
    };
    void showWindows(Windows& windows);
};

void TestWindowManager::initTestCase() {
    if (qEnvironmentVariableIsEmpty(kDisplayVariable))
        QSKIP("BRISKO_TEST_WM_DISPLAY names no display with a window manager");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    windowposition::placeFramelessWindows();
}

void TestWindowManager::init() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool drives the pointer here");
}

void TestWindowManager::showWindows(Windows& windows) {
    windows.main.resize(1024, 640);
    windows.main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.main));
    settle();
    windows.dialog = new QDialog(&windows.main, Qt::Dialog | Qt::FramelessWindowHint);
    windows.dialog->resize(584, 353);
    windows.dialog->setStyleSheet(QStringLiteral("QDialog { background: #e3edf8; }"));
}

// The options dialog's language list: it opens over its combo box, wherever the toolkit
// last heard the dialog was.
void TestWindowManager::comboListOpensAtItsField() {
    Windows windows;
    showWindows(windows);
    auto* combo = new QComboBox(windows.dialog);
    combo->addItems({QStringLiteral("English"), QStringLiteral("Japan"),
                     QStringLiteral("Tiếng Việt")});
    combo->setCurrentIndex(2);
    combo->setGeometry(240, 40, 150, 24);
    for (int showing = 0; showing < kShowings; ++showing) {
        QVERIFY(showAgain(windows.dialog));
        const QRect field(stands(windows.dialog) + combo->mapTo(windows.dialog, QPoint()),
                          combo->size());
        QVERIFY(xdotool(at(field.center()) << QStringLiteral("click") << QStringLiteral("1")));
        QTRY_VERIFY(QApplication::activePopupWidget());
        QWidget* list = QApplication::activePopupWidget();
        settle();
        if (showing == 0)
            screenshot(QStringLiteral("combo-list"));
        const QPoint listAt = stands(list);
        list->close();
        const QString away = listAwayFromItsField(listAt, field);
        QVERIFY2(away.isEmpty(), qPrintable(away));
    }
}

// A table's menu, parentless as the queue tables' are, opens at the pointer.
void TestWindowManager::contextMenuOpensAtThePointer() {
    Windows windows;
    showWindows(windows);
    auto* table = new QTableWidget(5, 3, windows.dialog);
    table->setGeometry(20, 60, 540, 260);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, table, [table](const QPoint& pos) {
        QMenu menu;
        menu.addAction(QStringLiteral("Tạm dừng"));
        menu.addAction(QStringLiteral("Xóa"));
        QTimer::singleShot(300, &menu, [&menu] {
            if (!QFile::exists(qEnvironmentVariable("BRISKO_TEST_WM_SHOTS") +
                               QStringLiteral("/context-menu.png")))
                screenshot(QStringLiteral("context-menu"));
            menu.setProperty("stands", stands(&menu));
            menu.close();
        });
        menu.exec(table->viewport()->mapToGlobal(pos));
        table->setProperty("menuStood", menu.property("stands"));
    });
    for (int showing = 0; showing < kShowings; ++showing) {
        QVERIFY(showAgain(windows.dialog));
        table->setProperty("menuStood", QVariant());
        const QPoint pointer =
            stands(windows.dialog) + table->viewport()->mapTo(windows.dialog, QPoint(60, 30));
        QVERIFY(xdotool(at(pointer) << QStringLiteral("click") << QStringLiteral("3")));
        QTRY_VERIFY(table->property("menuStood").isValid());
        const QPoint menuAt = table->property("menuStood").toPoint();
        QVERIFY2(near(menuAt, pointer), qPrintable(QStringLiteral("menu at %1,%2, pointer at %3,%4")
                                                       .arg(menuAt.x())
                                                       .arg(menuAt.y())
                                                       .arg(pointer.x())
                                                       .arg(pointer.y())));
    }
}

void TestWindowManager::popupDragFollowsThePointer_data() {
    QTest::addColumn<QString>("grip"); // "band": a bare spot of the title band
    QTest::newRow("by the band") << "band";
    QTest::newRow("by the title") << "title";
}

// Dragging a popup by its title band, or by the white title on it, moves the window with
// the pointer, from where it stands.
void TestWindowManager::popupDragFollowsThePointer() {
    QFETCH(QString, grip);
    Windows windows;
    showWindows(windows);
    auto* popup = new Dialogcreatefol(QStringLiteral("0"), &windows.main);
    auto* title = popup->findChild<QLabel*>(QStringLiteral("label_2"));
    QVERIFY(title);
    const QPoint spot = grip == QLatin1String("title") ? title->mapTo(popup, title->rect().center())
                                                       : QPoint(title->geometry().right() + 40,
                                                                title->geometry().center().y());
    QCOMPARE(popup->childAt(spot), grip == QLatin1String("title") ? title : nullptr);
    for (int showing = 0; showing < kShowings; ++showing) {
        QVERIFY(showAgain(popup));
        const QPoint before = stands(popup);
        const QPoint grab = before + spot;
        if (showing == 0)
            screenshot(QStringLiteral("drag-by-") + grip + QStringLiteral("-before"));
        QVERIFY(xdotool(at(grab) << QStringLiteral("mousedown") << QStringLiteral("1")
                                 << at(grab + QPoint(20, 10)) << at(grab + QPoint(60, 40))
                                 << QStringLiteral("mouseup") << QStringLiteral("1")));
        settle();
        if (showing == 0)
            screenshot(QStringLiteral("drag-by-") + grip + QStringLiteral("-after"));
        QVERIFY2(near(stands(popup), before + QPoint(60, 40)),
                 qPrintable(QStringLiteral("stands at %1,%2, was at %3,%4")
                                .arg(stands(popup).x())
                                .arg(stands(popup).y())
                                .arg(before.x())
                                .arg(before.y())));
        popup->move(popup->pos() - QPoint(60, 40));
    }
}

// A notice dragged through the window manager (Alt and the left button) keeps the new place
// when "Xem chi tiết" grows it.
void TestWindowManager::boxDraggedThroughTheWindowManagerKeepsItsPlace() {
    Windows windows;
    showWindows(windows);
    DialogMsg box(QStringLiteral("Thông báo"), QStringLiteral("chi tiết"), &windows.main);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    settle();
    const QPoint before = stands(&box);
    const QPoint grab = before + QPoint(200, 60);
    QVERIFY(xdotool(QStringList{QStringLiteral("keydown"), QStringLiteral("alt")}
                    << at(grab) << QStringLiteral("mousedown") << QStringLiteral("1")
                    << at(grab + QPoint(30, 20)) << QStringLiteral("sleep")
                    << QStringLiteral("0.2") << at(grab + QPoint(150, 100))
                    << QStringLiteral("sleep") << QStringLiteral("0.2")
                    << QStringLiteral("mouseup") << QStringLiteral("1") << QStringLiteral("keyup")
                    << QStringLiteral("alt")));
    settle();
    const QPoint dragged = stands(&box);
    QVERIFY2(near(dragged, before + QPoint(150, 100), 4), "the window manager did not drag it");
    const QPoint centre = QRect(dragged, box.frameGeometry().size()).center();

    box.on_showHideMsg_clicked(); // "Xem chi tiết"
    settle();
    screenshot(QStringLiteral("dragged-box-grown"));
    QVERIFY(near(QRect(stands(&box), box.frameGeometry().size()).center(), centre));
}

// The countdown is a frameless popup: the window manager draws no title bar over it.
void TestWindowManager::countdownHasNoWindowManagerFrame() {
    Windows windows;
    showWindows(windows);
    auto* countdown = new DialogTurnOff(&windows.main);
    countdown->show();
    QVERIFY(QTest::qWaitForWindowExposed(countdown));
    settle();
    screenshot(QStringLiteral("countdown"));
    QTRY_VERIFY(!frameExtents(countdown).isEmpty());
    QCOMPARE(frameExtents(countdown), QVector<quint32>({0, 0, 0, 0}));
    countdown->accept();
}

int main(int argc, char** argv) {
    const QByteArray display = qgetenv(kDisplayVariable);
    if (!display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", display);
    }
    QApplication app(argc, argv);
    TestWindowManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_windowmanager.moc"
