// Whole downloads through the tab against the local stand-in: links expanded by the
// add-links dialog, twenty files fetched with three at a time, each landing once in the
// finished table and in the history file, with the bytes the service holds.
#include "core/actionthread.h"
#include "download/dialogdownload.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadtabprobe.h"
#include "tests/downloadtabsession.h"
#include "tests/faketransferenvironment.h"
#include "tests/shortwaits.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/filecontent.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

class TestDownloadTransfers : public QObject {
    Q_OBJECT
private slots:
    void twentyDownloadsThreeAtATime();
};

void TestDownloadTransfers::twentyDownloadsThreeAtATime() {
    DownloadTabSession session;
    QVERIFY(session.start());
    ScriptedUserPrompt prompt; // any box would end the test at once
    ShortWaits waits;
    waits.stallLimit = std::chrono::milliseconds(1000);
    ActionThread::registerMetaTypes();
    QTemporaryDir target;
    SettingsStore settings;
    settings.setValue(SettingsKeys::DownloadThreads, "3");
    // Slow enough that the three places stay taken while the queue works through.
    settings.setValue(SettingsKeys::UseDownloadLimit, "true");
    settings.setValue(SettingsKeys::DownloadLimit, "256");

    // 18 files in one folder, and two more elsewhere, one of them with a name already used.
    auto& files = session.service().files();
    QVERIFY(files.addFolder(session.accountId(), "/", "Lô"));
    QVERIFY(files.addFolder(session.accountId(), "/", "Khác"));
    std::map<QString, std::pair<std::uint64_t, std::uint64_t>> expected; // name: seed, size
    QStringList fileLinks;
    for (int i = 0; i < 20; ++i) {
        const bool elsewhere = i >= 18;
        const std::string name =
            i == 19 ? "tệp 00.bin"
                    : QStringLiteral("tệp %1.bin").arg(i, 2, 10, QLatin1Char('0')).toStdString();
        const std::uint64_t size = 40000 + 1500 * std::uint64_t(i);
        const std::string code =
            session.addFile(elsewhere ? "/Khác" : "/Lô", name, size, 1000 + std::uint64_t(i));
        QVERIFY(!code.empty());
        if (elsewhere)
            fileLinks << session.link(code);
        const QString local =
            i == 19 ? QString::fromUtf8("tệp 00 (2).bin") : QString::fromStdString(name);
        expected[local] = {1000 + std::uint64_t(i), size};
    }

    FormDownload tab(nullptr);
    TableDownloadModel* model = DownloadTabProbe::model(tab);
    DialogDownload dialog(session.linkOf("/Lô") + ";" + fileLinks.join(';'));
    // Connected the way the program's windows connect it.
    QVERIFY(connect(&dialog, SIGNAL(send_dir(QList<brisko::file*>, QString, QString, QString)),
                    &tab, SLOT(get_dir(QList<brisko::file*>, QString, QString, QString))));
    dialog.findChild<QLineEdit*>("txt_luu")->setText(target.path());
    QSignalSpy handed(&dialog, &DialogDownload::send_dir);
    dialog.findChild<QPushButton*>("btn_download")->click();
    QVERIFY(handed.wait(20000));
    QCOMPARE(model->rowCount(), 20);
    QVERIFY(model->getPendingJobs().isEmpty());

    int mostPlaces = 0;
    int mostTransferring = 0;
    connect(model, &QAbstractItemModel::dataChanged, [&] {
        mostPlaces = std::max(mostPlaces, model->runningCount());
        mostTransferring = std::max(mostTransferring, tab.countRunningDownloads());
    });
    QSignalSpy done(&tab, qOverload<DownloadFile*>(&FormDownload::filedownloadDone));
    QMetaObject::invokeMethod(&tab, "on_btnStartAll_clicked");
    QCOMPARE(model->runningCount(), 3);
    const QDeadlineTimer deadline(120000);
    while (done.count() < 20 && !deadline.hasExpired())
        done.wait(1000);
    QCOMPARE(done.count(), 20);
    QCOMPARE(mostPlaces, 3);
    QVERIFY(mostTransferring <= 3);
    QCOMPARE(model->rowCount(), 0);

    // Each finished job once in the list, the table and the history file.
    const QList<DownloadFile*> finished = DownloadTabProbe::finished(tab);
    QCOMPARE(QSet<DownloadFile*>(finished.begin(), finished.end()).size(), 20);
    auto* table = tab.findChild<QTableWidget*>("tableDownloaded");
    QCOMPARE(table->rowCount(), 20);
    QSet<QString> tablePaths;
    for (int row = 0; row < 20; ++row)
        tablePaths << table->item(row, 3)->text();
    QCOMPARE(tablePaths.size(), 20);
    tab.waitForSaves();
    const auto saved = DownloadHistory::load(session.historyPath());
    QSet<QString> savedPaths;
    for (const DownloadFile* job : saved.jobs) {
        QVERIFY(job->isFinished());
        savedPaths << job->getPath();
    }
    QCOMPARE(saved.jobs.size(), 20);
    QCOMPARE(savedPaths, tablePaths);
    qDeleteAll(saved.jobs);

    // The bytes the service holds, under the names expected. Which of the two files named
    // alike gets " (2)" depends on the order the links are expanded in.
    QCOMPARE(int(expected.size()), 20);
    QStringList wantedDigests, gotDigests;
    for (const auto& [name, content] : expected) {
        QVERIFY2(tablePaths.contains(target.filePath(name)), qPrintable(name));
        QFile file(target.filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const std::string want = devservice::generateContent(content.first, 0, content.second);
        wantedDigests << QCryptographicHash::hash(QByteArray::fromStdString(want),
                                                  QCryptographicHash::Sha256)
                             .toHex();
        gotDigests << QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        if (!name.startsWith(QString::fromUtf8("tệp 00")))
            QCOMPARE(gotDigests.last(), wantedDigests.last());
    }
    std::sort(wantedDigests.begin(), wantedDigests.end());
    std::sort(gotDigests.begin(), gotDigests.end());
    QCOMPARE(gotDigests, wantedDigests);
}

QTEST_MAIN(TestDownloadTransfers)
#include "test_downloadtransfers.moc"
