#include "core/windowshape.h"

#include <QBitmap>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>
#include <QtTest>

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void everyPictureNamedInTheSourcesIsCompiledIn();
    void everyDrawnPictureIsCompiledIn();
    void windowBackgroundsHaveTransparentCorners_data();
    void windowBackgroundsHaveTransparentCorners();
    void missingBackgroundLeavesWindowRectangular();
    void busyAnimationHasSeveralFrames();
};

namespace {

const QString kSourceDir = QStringLiteral(BRISKO_SOURCE_DIR);

// Build folders, version control and the like hold copies or nothing of ours.
bool skippedFolder(const QString& relativePath) {
    const QString top = relativePath.section(QLatin1Char('/'), 0, 0);
    return top.startsWith(QLatin1String("build")) || top.startsWith(QLatin1Char('.'));
}

} // namespace

void TestImages::everyPictureNamedInTheSourcesIsCompiledIn() {
    const QRegularExpression name(QStringLiteral(":/images/([A-Za-z0-9_.\\-]+)"));
    const QDir root(kSourceDir);
    QSet<QString> used;
    QDirIterator it(kSourceDir, {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (skippedFolder(root.relativeFilePath(path)))
            continue;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = name.globalMatch(text); m.hasNext();)
            used.insert(m.next().captured(1));
    }
    // The notice dialog's form alone names several; finding none means the scan is broken.
    QVERIFY(used.contains(QStringLiteral("popup_msg.png")));

    QStringList missing;
    for (const QString& n : qAsConst(used))
        if (!QFile::exists(QStringLiteral(":/images/") + n))
            missing << n;
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void TestImages::everyDrawnPictureIsCompiledIn() {
    const QStringList files =
        QDir(kSourceDir + QStringLiteral("/images")).entryList({"*.png", "*.gif"}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString& f : files)
        QVERIFY2(QFile::exists(QStringLiteral(":/images/") + f), qPrintable(f));
}

void TestImages::windowBackgroundsHaveTransparentCorners_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QSize>("windowSize");
    // Each is the size of the frameless window it shapes.
    QTest::newRow("notice") << "popup_msg.png" << QSize(420, 220);
    QTest::newRow("simple download") << "popup_play.png" << QSize(369, 179);
    QTest::newRow("download") << "popup_download.png" << QSize(442, 219);
    QTest::newRow("file info") << "popup_infofile.png" << QSize(396, 300);
    QTest::newRow("about, shutdown") << "popup_about.png" << QSize(442, 179);
    QTest::newRow("subtitle attach") << "popup_subtitle.png" << QSize(442, 179);
    QTest::newRow("file password") << "popup_changePass.png" << QSize(442, 161);
    QTest::newRow("new folder") << "popup_folder_small.png" << QSize(442, 128);
    QTest::newRow("move, upload") << "popup_movefile.png" << QSize(320, 350);
    QTest::newRow("options") << "popup_option_container.png" << QSize(584, 353);
    QTest::newRow("subtitle search") << "searchTitle_1.png" << QSize(600, 345);
    QTest::newRow("login") << "form_logins.png" << QSize(441, 249);
}

void TestImages::windowBackgroundsHaveTransparentCorners() {
    QFETCH(QString, image);
    QFETCH(QSize, windowSize);
    const QString resource = QStringLiteral(":/images/") + image;
    const QPixmap pixmap(resource);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), windowSize);

    QWidget window;
    window.resize(windowSize);
    QVERIFY(shapeWindowFromImage(&window, resource));
    const QRegion shape = window.mask();
    QVERIFY(!shape.isEmpty());
    QVERIFY(shape != QRegion(QRect(QPoint(0, 0), windowSize)));
    const int r = windowSize.width() - 1, b = windowSize.height() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        QVERIFY2(!shape.contains(corner),
                 qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    QVERIFY(shape.contains(QPoint(windowSize.width() / 2, windowSize.height() / 2)));
    QVERIFY(shape.contains(QPoint(windowSize.width() / 2, 1)));
}

void TestImages::missingBackgroundLeavesWindowRectangular() {
    QWidget window;
    window.resize(100, 50);
    window.setMask(QRegion(0, 0, 10, 10));
    // Spelled in two pieces so that the scan of the sources above does not find it.
    const QString missing = QStringLiteral(":/images/") + QStringLiteral("no_such_background.png");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no_such_background.png"));
    QVERIFY(!shapeWindowFromImage(&window, missing));
    QVERIFY(window.mask().isEmpty());
}

void TestImages::busyAnimationHasSeveralFrames() {
    QImageReader reader(QStringLiteral(":/images/load.gif"));
    QVERIFY(reader.supportsAnimation());
    QVERIFY(reader.imageCount() >= 8);
    const QImage first = reader.read();
    QCOMPARE(first.size(), QSize(50, 50));
    reader.jumpToImage(reader.imageCount() / 2);
    const QImage middle = reader.read();
    QVERIFY(!middle.isNull());
    QVERIFY(first != middle);
}

QTEST_MAIN(TestImages)
#include "test_images.moc"
