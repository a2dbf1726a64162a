#include "download/formdownload.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/sizetext.h"
#include "core/userprompt.h"
#include "download/dialogdownload.h"
#include "download/localfilename.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "transfer/transferrowlook.h"
#include "ui_formdownload.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QResizeEvent>

#include <algorithm>

namespace {

constexpr int kDefaultThreads = 2;
constexpr int kMaxThreads = 10;
// The state and account level at which a failing download asks to restart the program.
constexpr int kRestartState = 6;
constexpr int kRestartLevel = 3;

const char kHeaderStyle[] =
    "border-radius: 0px;background-image: url(:/images/bg_title_content_delay.png);";

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), int(text.size()));
}

} // namespace

FormDownload::FormDownload(QWidget* parent)
    : QWidget(parent), ui(new Ui::FormDownload), downloadModel(nullptr),
      historySaver(new BackgroundSaver(
          [this] { return saveDownloadList(downloadModel->getJobs() + downloadedFiles); }, this)) {
    ui->setupUi(this);
    connect(historySaver, &BackgroundSaver::saved, this, &FormDownload::reportSave);
    ui->SubTabDownload->setCornerWidget(ui->menuDownload, Qt::TopRightCorner);
    ui->tableDownloaded->horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    ui->btnDel->setShortcut(QKeySequence(QKeySequence::Delete));
    downloadModel = new TableDownloadModel;
    DownloadFile::registerMetaTypes();
    connect(downloadModel, &TableDownloadModel::downloadComplete, this,
            &FormDownload::DownloadComplete);
    connect(downloadModel, &TableDownloadModel::speedChanged, this, &FormDownload::speedUpdate);
    connect(downloadModel, &TableDownloadModel::dataChangedRC, this, &FormDownload::dataChanged);
    downloadModel->setHeaderLabels({tr("Tập tin"), tr("Dung lượng"), tr("Trạng thái"),
                                    tr("Tiến trình"), tr("Tốc độ"), tr("Kết thúc"),
                                    tr("Thuộc thư mục"), QString()});
    ui->tableDownloading->horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    ui->tableDownloading->setModel(downloadModel);
    ui->tableDownloading->setItemDelegate(new TransferRowLook(ui->tableDownloading));

    SettingsStore settings;
    const int threads = settings.contains(SettingsKeys::DownloadThreads)
                            ? settings.integer(SettingsKeys::DownloadThreads, 0)
                            : kDefaultThreads;
    if (threads > kMaxThreads) {
        downloadModel->setMaxThreads(kMaxThreads);
        settings.setValue(SettingsKeys::DownloadThreads, QStringLiteral("10"));
    } else if (threads <= 0) {
        downloadModel->setMaxThreads(1);
        settings.setValue(SettingsKeys::DownloadThreads, QStringLiteral("1"));
    } else {
        downloadModel->setMaxThreads(threads);
    }

    addLoadedDownloads(loadDownloadList());
    if (settings.boolean(SettingsKeys::AutoDownload, false))
        downloadModel->queueItem(-1);

    // Only now: a queue that runs empty during the automatic start is no completion.
    connect(downloadModel, &TableDownloadModel::queueDownloadComplete, this,
            &FormDownload::downloadComplete);
    connect(downloadModel, &TableDownloadModel::downloadCompleteRC, this,
            qOverload<int>(&FormDownload::filedownloadDone));
    connect(downloadModel, &QAbstractItemModel::dataChanged, this,
            &FormDownload::DowloadingResizeColumnStatus);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Form download"));
}

FormDownload::~FormDownload() {
    // The last list goes to the writer now, while the jobs are here; it is written on
    // the writer's thread, after any earlier write of the file (the next login's tab
    // reads it even before), so nothing here waits for the disk.
    historySaver->handOver();
    const QList<DownloadFile*> jobs = downloadModel->getJobs() + downloadedFiles;
    // The jobs still report while they stop; none of it may reach this form's slots,
    // which read the widgets. So: disconnect, stop and wait (the model's destructor does
    // both), and only then free the widgets and the jobs.
    disconnect(downloadModel, nullptr, this, nullptr);
    delete downloadModel;
    downloadModel = nullptr;
    delete ui;
    for (DownloadFile* job : jobs)
        discard(job);
}

void FormDownload::discard(DownloadFile* job) {
    if (job->QThread::isRunning())
        connect(job, &QThread::finished, job, &QObject::deleteLater);
    else
        delete job;
}

void FormDownload::setDownloadThreads(int n) {
    downloadModel->setMaxThreads(n);
}

bool FormDownload::isDownloading() {
    const bool downloading = downloadModel->runningCount() >= 1;
    emit isDownloadingSign(downloading);
    return downloading;
}

int FormDownload::countRunningDownloads() const {
    const QList<DownloadFile*> jobs = downloadModel->getJobs();
    return int(std::count_if(jobs.begin(), jobs.end(), [](const DownloadFile* job) {
        return job->getState() == DownloadFile::StateRunning;
    }));
}

void FormDownload::addFinishedRow(int row, const DownloadFile* job) {
    QTableWidget* table = ui->tableDownloaded;
    table->setItem(row, 0, new QTableWidgetItem(job->getName()));
    table->setItem(row, 1, new QTableWidgetItem(formatSize(job->getSize())));
    table->setItem(row, 2, new QTableWidgetItem(job->getUrl()));
    table->setItem(row, 3, new QTableWidgetItem(job->getPath()));
}

void FormDownload::DownloadComplete(DownloadFile* job) {
    // A job stands in one list only.
    if (!job || downloadedFiles.contains(job))
        return;
    const int row = downloadModel->getJobs().indexOf(job);
    downloadedFiles.prepend(job);
    ui->tableDownloaded->insertRow(0);
    addFinishedRow(0, job);
    if (row >= 0)
        downloadModel->removeRows(row, 1, QModelIndex());
    saveAllDownloads();
    emit filedownloadDone(job);
}

void FormDownload::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    QTableView* queue = ui->tableDownloading;
    queue->setColumnWidth(1, 140);
    queue->setColumnWidth(3, 120);
    queue->setColumnWidth(4, 110);
    queue->setColumnWidth(5, 110);
    queue->setColumnHidden(7, true);
    // A narrow tab gets no negative widths.
    queue->setColumnWidth(0, std::max(0, (w - 480) * 4 / 10));
    queue->setColumnWidth(2, std::max(0, (w - 480) * 3 / 10));
    QTableWidget* finished = ui->tableDownloaded;
    finished->setColumnWidth(1, 140);
    finished->setColumnWidth(2, 300);
    finished->setColumnWidth(0, std::max(0, (6 * w - 2640) / 10));
}

void FormDownload::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void FormDownload::DowloadingResizeColumnStatus() {
    const QList<int> rows = selectedRows(ui->tableDownloading);
    const int row = rows.isEmpty() ? 0 : rows.last();
    const QList<DownloadFile*> jobs = downloadModel->getJobs();
    if (row < 0 || row >= jobs.size() || jobs.at(row)->getState() != kRestartState)
        return;
    if (!currentUser || currentUser->getLevel() != kRestartLevel)
        return;
    downloadModel->stopItem(row);
    showRestartOnError();
    ui->tableDownloading->resizeColumnToContents(2);
}

void FormDownload::showRestartOnError() {
    const QString text = tr("Lỗi download!\n\nBạn nên chọn Yes để Brisko tool khởi động lại\n"
                            "v\uFFFD  tiếp tục download. Hoặc chọn No để thử lại.");
    // The text names its buttons, so they carry these names rather than the toolkit's.
    const auto answer = UserPrompt::current()->warningWithButtons(this, tr("Lỗi Download"), text,
                                                                  tr("Yes"), tr("No"));
    if (answer != QMessageBox::Yes) {
        downloadModel->queueItem(-1);
        return;
    }
    // The main window restarts the program as its options do: the transfers stop, both
    // lists and the settings are written, the single-copy lock is let go and a new copy
    // starts. Not from here: this tab goes with that, and this call is inside it.
    emit restartAsked();
}

void FormDownload::rss_get_dir(QMap<QString, MegaFile>, QString, QString) {}

void FormDownload::on_btnCreate_3_clicked() {
    sendClick(QStringLiteral("Click"), QStringLiteral("Create download button"));
    auto* dialog = new DialogDownload(QString(), this);
    playingRow = downloadModel->rowCount();
    connect(dialog, &DialogDownload::viewVideoOnline, this, &FormDownload::viewVideoOnline);
    connect(dialog, &DialogDownload::send_dir, this, &FormDownload::get_dir);
    dialog->exec();
    delete dialog;
}

void FormDownload::get_dir(QList<brisko::file*> listFile, QString downloadZip, QString dir,
                           QString password) {
    playingRow = downloadModel->rowCount();
    const QString folder = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    // A new download never writes over a file on disk or another download's file.
    DownloadPaths usedPaths(downloadModel->getJobs() + downloadedFiles);
    const auto taken = [&](const QString& name) { return usedPaths.taken(folder + name); };
    for (const brisko::file* record : listFile) {
        if (!record)
            continue;
        const QString type = fromUtf8(record->get_type());
        const bool zip = type == QLatin1String("0") || downloadZip == QLatin1String("true");
        const QString name = downloadFileName(fromUtf8(record->get_name()), zip, taken);
        const QString path = folder + name;
        usedPaths.add(path);
        downloadModel->addJob(new DownloadFile(
            name, path, fromUtf8(record->get_linkcode()), fromUtf8(record->get_description()), type,
            zip ? QStringLiteral("true") : QStringLiteral("false"), fromUtf8(record->get_url()),
            password, record->get_size()));
    }
    saveAllDownloads();
    emit addCompleted();
    ui->SubTabDownload->setCurrentIndex(1);
}

void FormDownload::addLoadedDownloads(QList<DownloadFile*> jobs) {
    for (DownloadFile* job : jobs) {
        if (job->isFinished()) {
            downloadedFiles.append(job);
            const int row = ui->tableDownloaded->rowCount();
            ui->tableDownloaded->insertRow(row);
            addFinishedRow(row, job);
        } else {
            downloadModel->addJob(job);
        }
    }
}

void FormDownload::sendClick(const QString& action, const QString& label) {
    if (analytics)
        analytics->sendEvent(QStringLiteral("FormDownload"), action, label, 0);
}
