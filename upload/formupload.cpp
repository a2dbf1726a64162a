#include "upload/formupload.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/sizetext.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "transfer/transferrowlook.h"
#include "ui_formupload.h"
#include "upload/dialogupload.h"
#include "upload/uploadjobs.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QResizeEvent>

#include <algorithm>

namespace {

constexpr int kDefaultThreads = 2;

const char kHeaderStyle[] =
    "border-radius: 0px;background-image: url(:/images/bg_title_content_delay.png);";

QString accountId() {
    return currentUser ? currentUser->getUserId() : QString();
}

} // namespace

FormUpload::FormUpload(QWidget* parent)
    : QWidget(parent), ui(new Ui::FormUpload), model(nullptr), uploadDialog(nullptr),
      historySaver(new BackgroundSaver(
          [this] { return saveUploadList(model->getJobs() + uploadedJobs); }, this)) {
    ui->setupUi(this);
    connect(historySaver, &BackgroundSaver::saved, this, &FormUpload::reportSave);
    ui->SubTabUpload->setCornerWidget(ui->menuUpload, Qt::TopRightCorner);
    ui->tableUploading->horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    ui->tableUploaded->horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    ui->btnDel->setShortcut(QKeySequence(QKeySequence::Delete));
    ui->tableUploaded->adjustSize();

    model = new TableUploadModel;
    model->setHeaderLabels({tr("Tập tin"), tr("Dung lượng"), tr("Trạng thái"), tr("Tiến trình"),
                            tr("Tốc độ"), tr("Kết thúc"), tr("Thuộc thư mục")});
    connect(model, &TableUploadModel::uploadComplete, this,
            qOverload<UploadFile*>(&FormUpload::uploadComplete));
    connect(model, &TableUploadModel::speedChanged, this, &FormUpload::speedUpdate);
    connect(model, &TableUploadModel::dataChangedRC, this, &FormUpload::dataChanged);
    // Kept at once, so that after a crash the upload resumes where the service stopped
    // instead of sending the whole file again.
    connect(model, &TableUploadModel::locationObtained, this, &FormUpload::saveUploads);
    ui->tableUploading->setModel(model);
    ui->tableUploading->setItemDelegate(new TransferRowLook(ui->tableUploading));

    SettingsStore settings;
    const int threads = settings.contains(SettingsKeys::UploadThreads)
                            ? settings.integer(SettingsKeys::UploadThreads, 1)
                            : kDefaultThreads;
    model->setMaxThreads(std::max(1, threads));

    placeLoadedUploads(loadUploadList());
    if (settings.boolean(SettingsKeys::AutoUpload, false))
        model->queueItem(-1);

    // Only now: a queue that runs empty during the automatic start is no completion.
    connect(model, &TableUploadModel::queueUploadComplete, this,
            qOverload<>(&FormUpload::uploadComplete));
    connect(model, &TableUploadModel::uploadCompleteRC, this,
            qOverload<int>(&FormUpload::fileUploadDone));

    uploadDialog = new DialogUpload(QList<QUrl>(), this);
    connect(uploadDialog, &DialogUpload::getUploadInfor, this, &FormUpload::getUploadInforFromDlg);
}

FormUpload::~FormUpload() {
    // The last list goes to the writer now, while the jobs are here; it is written on
    // the writer's thread, after any earlier write of the file (the next login's tab
    // reads it even before), so nothing here waits for the disk.
    historySaver->handOver();
    // Nothing reaches this half-destroyed tab any more.
    model->disconnect(this);
    uploadDialog->disconnect(this);
    delete uploadDialog;
    const QList<UploadFile*> jobs = model->getJobs() + uploadedJobs;
    // Stops every job and waits (bounded) for their threads, so they can be freed after.
    ui->tableUploading->setModel(nullptr);
    delete model;
    for (UploadFile* job : jobs)
        discard(job);
    uploadedJobs.clear();
    delete ui;
}

void FormUpload::discard(UploadFile* job) {
    if (job->QThread::isRunning())
        connect(job, &QThread::finished, job, &QObject::deleteLater);
    else
        delete job;
}

void FormUpload::setUploadThreads(int n) {
    // Below one nothing would ever start.
    model->setMaxThreads(std::max(1, n));
}

int FormUpload::uploadThreads() const {
    return model->maxThreads();
}

bool FormUpload::isUploading() {
    const bool uploading = model->runningCount() >= 1;
    emit isUploadingSign(uploading);
    return uploading;
}

void FormUpload::showUploadedTab() {
    if (selectedRows(ui->tableUploading).isEmpty() && model->runningCount() == 0)
        ui->SubTabUpload->setCurrentWidget(ui->tUploaded);
}

bool FormUpload::checkFolderIsUse(QString folder) {
    ui->tableUploading->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 6).data() == QVariant(folder))
            return false;
    }
    return true;
}

QList<UploadFile*> FormUpload::makeUploadFiles(MegaFile folder, QStringList localFile, QString desc,
                                               QString, bool fileSecure, bool fileDirectLink) {
    return ::makeUploadFiles(folder, localFile, desc, fileSecure, fileDirectLink, accountId());
}

void FormUpload::getUploadInforFromDlg(MegaFile folder, QStringList localFile, QString desc,
                                       QString filepass, bool fileSecure, bool fileDirectLink) {
    model->addJobs(
        makeUploadFiles(MegaFile(folder), localFile, desc, filepass, fileSecure, fileDirectLink));
    saveUploads();
    emit addCompleted();
    ui->SubTabUpload->setCurrentIndex(1);
}

void FormUpload::fillFinishedRow(int row, const UploadFile* job) {
    QTableWidget* table = ui->tableUploaded;
    table->setItem(row, 0, new QTableWidgetItem(job->getName()));
    table->setItem(row, 1, new QTableWidgetItem(formatSize(job->getSize())));
    table->setItem(row, 3, new QTableWidgetItem(job->getFolder().getName()));
    table->setItem(row, 2, new QTableWidgetItem(job->getMlink()));
}

void FormUpload::uploadComplete(UploadFile* cfile) {
    // A job stands in one list only.
    if (!cfile || uploadedJobs.contains(cfile))
        return;
    uploadedJobs.prepend(cfile);
    ui->tableUploaded->insertRow(0);
    fillFinishedRow(0, cfile);
    saveUploads();
    emit fileUploadDone(cfile);
}

void FormUpload::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    QTableView* queue = ui->tableUploading;
    queue->setColumnWidth(1, 140);
    queue->setColumnWidth(3, 120);
    queue->setColumnWidth(4, 110);
    queue->setColumnWidth(5, 110);
    // A narrow tab gets no negative widths.
    queue->setColumnWidth(0, std::max(0, (w - 480) * 4 / 10));
    queue->setColumnWidth(2, std::max(0, (w - 480) * 3 / 10));
    QTableWidget* finished = ui->tableUploaded;
    finished->setColumnWidth(1, 140);
    finished->setColumnWidth(2, 300);
    finished->setColumnWidth(0, std::max(0, (w - 440) * 6 / 10));
}

void FormUpload::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void FormUpload::sendClick(const QString& action, const QString& label) {
    if (analytics)
        analytics->sendEvent(QStringLiteral("FormUpload"), action, label, 0);
}
