// The translations as the user meets them: the main window's menus in each language, and
// the toolkit's own buttons following the chosen language.
#include "app/startup.h"
#include "mainwindow/mainform.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <QtTest>

namespace {

// The letter an entry's accelerator takes, upper case; empty when it has none.
QString acceleratorOf(const QString& text) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (mnemonic.isEmpty())
        return QString();
    return QKeySequence(mnemonic[0] & ~Qt::ALT).toString().toUpper();
}

// Each menu's entries by accelerator letter: "menu/letter" -> the entries' texts.
QMap<QString, QStringList> acceleratorsByMenu(const QMainWindow& window) {
    QMap<QString, QStringList> found;
    auto collect = [&found](const QString& menu, const QList<QAction*>& actions) {
        for (const QAction* action : actions) {
            const QString letter = acceleratorOf(action->text());
            if (!action->isSeparator() && !letter.isEmpty())
                found[menu + QLatin1Char('/') + letter] << action->text();
        }
    };
    // The window lays its menu bar out itself, beside its title.
    const QMenuBar* bar = window.findChild<QMenuBar*>(QStringLiteral("menuBar"));
    if (!bar)
        return found;
    collect(QStringLiteral("menu bar"), bar->actions());
    for (const QMenu* menu : bar->findChildren<QMenu*>())
        collect(menu->objectName(), menu->actions());
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void noTwoEntriesOfOneMenuShareALetter_data();
    void noTwoEntriesOfOneMenuShareALetter();
    void toolkitButtonsFollowTheLanguage_data();
    void toolkitButtonsFollowTheLanguage();
};

void TestTranslations::noTwoEntriesOfOneMenuShareALetter_data() {
    QTest::addColumn<QString>("file");
    // Clashes the design gives its own language, as "menu/letter".
    QTest::addColumn<QStringList>("designed");
    QTest::newRow("Vietnamese") << "brisko_vi.qm" << QStringList{QStringLiteral("menuFile/T")};
    QTest::newRow("English") << "brisko_en.qm" << QStringList();
    QTest::newRow("Japanese") << "brisko_ja.qm" << QStringList();
}

void TestTranslations::noTwoEntriesOfOneMenuShareALetter() {
    QFETCH(QString, file);
    QFETCH(QStringList, designed);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BRISKO_LANG_DIR "/") + file));
    QCoreApplication::installTranslator(&translator);
    MainForm window;
    const QMap<QString, QStringList> found = acceleratorsByMenu(window);
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(found.size() >= 8); // three menus and their entries were seen
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (designed.contains(it.key()))
            continue;
        QVERIFY2(it.value().size() == 1,
                 qUtf8Printable(it.key() + QStringLiteral(": ") + it.value().join(" | ")));
    }
}

void TestTranslations::toolkitButtonsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("yes");
    QTest::newRow("Japanese") << "brisko_ja.qm" << true << QStringLiteral("はい(&Y)");
    // Debian ships no toolkit translation for Vietnamese: its buttons stay as they are.
    QTest::newRow("Vietnamese") << "brisko_vi.qm" << false << QStringLiteral("&Yes");
    QTest::newRow("not a translation") << "other.txt" << false << QStringLiteral("&Yes");
}

void TestTranslations::toolkitButtonsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, loaded);
    QFETCH(QString, yes);
    SettingsStore settings;
    settings.setValue(SettingsKeys::Language, language);
    QTranslator translator;
    QCOMPARE(startup::loadToolkitTranslation(translator, settings), loaded);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
