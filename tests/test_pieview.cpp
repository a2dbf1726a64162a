// The storage pie: which slice or label line a point hits, the rectangles of the cells,
// and what the view paints.
#include "mainwindow/pieview.h"

#include <QStandardItemModel>
#include <QtTest>

#include <cmath>

namespace {

const QStringList kColours = {QStringLiteral("#ff0000"), QStringLiteral("#00ff00"),
                              QStringLiteral("#0000ff"), QStringLiteral("#ffff00")};

// Filled the way the account panel fills it: empty rows first, then each cell.
void fill(QStandardItemModel& model, const QStringList& values) {
    model.insertRows(0, values.size());
    for (int row = 0; row < values.size(); ++row) {
        model.setData(model.index(row, 0), QStringLiteral("slice %1").arg(row));
        model.setData(model.index(row, 1), values[row]);
        model.setData(model.index(row, 0), QColor(kColours[row % kColours.size()]),
                      Qt::DecorationRole);
    }
}

struct Chart {
    explicit Chart(const QStringList& values) : model(0, 2) {
        view.setFrameShape(QFrame::NoFrame);
        view.resize(250, 125);
        view.setModel(&model);
        fill(model, values);
        lineHeight = QFontMetrics(view.font()).height();
    }
    QStandardItemModel model;
    PieView view;
    int lineHeight = 0;
};

// The point at an angle (degrees, counter-clockwise from 3 o'clock) and distance from the
// centre the hit test uses.
QPoint polar(double degrees, double distance) {
    const double radians = degrees / 57.29577951308232;
    return QPoint(62 + int(std::lround(std::cos(radians) * distance)),
                  62 - int(std::lround(std::sin(radians) * distance)));
}

} // namespace

class TestPieView : public QObject {
    Q_OBJECT
private slots:
    void hitTest_data();
    void hitTest();
    void visualRects_data();
    void visualRects();
    void paintsSlicesInTheirColours();
    void paintsOnlyTheBackgroundWithoutValues();
    void currentSliceIsPatterned();
};

void TestPieView::hitTest_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("row"); // -1: no index
    QTest::addColumn<int>("column");
    const QStringList quarters = {"1", "1", "2"}; // 90, 90 and 180 degrees
    QTest::newRow("just above 0 degrees") << quarters << polar(2, 30) << 0 << 1;
    QTest::newRow("straight above: second slice starts") << quarters << QPoint(62, 32) << 1 << 1;
    QTest::newRow("left of the centre") << quarters << QPoint(32, 62) << 2 << 1;
    QTest::newRow("below the centre") << quarters << QPoint(62, 92) << 2 << 1;
    QTest::newRow("the centre itself") << quarters << QPoint(62, 62) << -1 << -1;
    QTest::newRow("distance 57 is inside") << quarters << QPoint(119, 62) << 0 << 1;
    QTest::newRow("just beyond 57 is outside") << quarters << QPoint(119, 61) << -1 << -1;
    QTest::newRow("corner of the chart square") << quarters << QPoint(2, 2) << -1 << -1;
    QTest::newRow("one value takes the whole pie")
        << QStringList{"0", "7", "-3"} << polar(300, 40) << 1 << 1;
    const QStringList gap = {"1", "0", "1"}; // the empty row has no slice and no line
    QTest::newRow("gap: second half is the third row") << gap << QPoint(40, 70) << 2 << 1;
    QTest::newRow("no values, nothing hit")
        << QStringList{"0", "-1", "abc"} << QPoint(62, 40) << -1 << -1;
}

void TestPieView::hitTest() {
    QFETCH(QStringList, values);
    QFETCH(QPoint, point);
    QFETCH(int, row);
    QFETCH(int, column);
    Chart chart(values);
    const QModelIndex hit = chart.view.indexAt(point);
    QCOMPARE(hit.isValid() ? hit.row() : -1, row);
    QCOMPARE(hit.isValid() ? hit.column() : -1, column);
}

// Lines of the label column, right of the pie: one per slice, the gap closed up.
void TestPieView::visualRects_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("line"); // label line the cell covers; -1 invalid; -2 whole view
    QTest::newRow("first label") << 0 << 0 << 0;
    QTest::newRow("empty row has no label") << 1 << 0 << -1;
    QTest::newRow("empty row has no value cell") << 1 << 1 << -1;
    QTest::newRow("third row's label moves up") << 2 << 0 << 1;
    QTest::newRow("value cell is the whole view") << 2 << 1 << -2;
}

void TestPieView::visualRects() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, line);
    Chart chart({"1", "0", "1"});
    const QModelIndex index = chart.model.index(row, column);
    const QRect rect = chart.view.visualRect(index);
    if (line == -1) {
        QVERIFY(!rect.isValid());
        return;
    }
    if (line == -2) {
        QCOMPARE(rect, chart.view.viewport()->rect());
        return;
    }
    const int h = chart.lineHeight;
    QCOMPARE(rect, QRect(125, 5 + line * h, 120, h));
    // And a point in that line finds the cell again, far right or not.
    QCOMPARE(chart.view.indexAt(QPoint(240, 5 + line * h + h / 2)), index);
}

void TestPieView::paintsSlicesInTheirColours() {
    Chart chart({"1", "1", "2"});
    const QImage image = chart.view.viewport()->grab().toImage();
    const QColor background = image.pixelColor(1, 1);
    QVERIFY(!kColours.contains(background.name()));
    QCOMPARE(image.pixelColor(polar(45, 30)), QColor(kColours[0]));
    QCOMPARE(image.pixelColor(polar(135, 30)), QColor(kColours[1]));
    QCOMPARE(image.pixelColor(polar(200, 30)), QColor(kColours[2]));
    QCOMPARE(image.pixelColor(polar(340, 30)), QColor(kColours[2]));
    // Nothing in the label column, nothing outside the pie.
    QCOMPARE(image.pixelColor(200, 30), background);
    QCOMPARE(image.pixelColor(120, 120), background);
}

void TestPieView::paintsOnlyTheBackgroundWithoutValues() {
    Chart chart({"0", "-5", "x"});
    const QImage image = chart.view.viewport()->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                QFAIL(qPrintable(QStringLiteral("painted at %1,%2").arg(x).arg(y)));
}

void TestPieView::currentSliceIsPatterned() {
    Chart chart({"1", "1"});
    chart.view.selectionModel()->select(chart.model.index(0, 1), QItemSelectionModel::Select);
    chart.view.setCurrentIndex(chart.model.index(0, 1));
    const QImage image = chart.view.viewport()->grab().toImage();
    int solid = 0;
    int other = 0;
    // A patch of the first slice (upper half) and of the second (lower half).
    for (int y = 30; y < 40; ++y)
        for (int x = 58; x < 68; ++x) {
            (image.pixelColor(x, y) == QColor(kColours[0]) ? solid : other)++;
            QCOMPARE(image.pixelColor(x, y + 55), QColor(kColours[1]));
        }
    QVERIFY(solid > 0);
    QVERIFY(other > 0);
}

QTEST_MAIN(TestPieView)
#include "test_pieview.moc"
