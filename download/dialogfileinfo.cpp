#include "download/dialogfileinfo.h"

#include "core/dialogloading.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/sizetext.h"
#include "core/userprompt.h"
#include "core/windowshape.h"
#include "download/folderquestion.h"
#include "download/localfilename.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "transfer/transferenvironment.h"
#include "ui_dialogfileinfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include <memory>

namespace {

const QString kPlaceholder = QStringLiteral("xxx");

// The loading box shown while a file is copied; only the copy's end closes it.
class WorkingBox : public DialogLoading {
public:
    using DialogLoading::DialogLoading;
    void reject() override {}
};

QString boxText(const char* source) {
    return QCoreApplication::translate("QApplication", source);
}

// A job whose thread runs (starting, waiting or transferring) must keep its file where it is.
bool busy(const DownloadFile* job) {
    return job->getState() == DownloadFile::StateRunning || job->isRunning();
}

QString folderPath(const QString& folder) {
    QString path = QDir(folder).path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

DialogFileInfo::DialogFileInfo(QList<DownloadFile*> jobs, QWidget* parent, TabJobs tabJobs)
    : QDialog(parent), ui(new Ui::DialogFileInfo), jobs(jobs), tabJobs(std::move(tabJobs)) {
    ui->setupUi(this);
    if (SettingsStore().boolean(SettingsKeys::StayOnTop))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowCloseButtonHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_infofile.png"));
    for (QLineEdit* field : {ui->txt_localPath, ui->txt_fileName, ui->txtPassword})
        connect(field, &QLineEdit::textChanged, this, &DialogFileInfo::info_changed);
    loadJobInfo();
    // Filling the fields passed through info_changed(); the first edit enables OK.
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog file info"));
}

DialogFileInfo::~DialogFileInfo() {
    delete ui;
}

void DialogFileInfo::loadJobInfo() {
    if (jobs.size() == 1) {
        const DownloadFile* job = jobs.first();
        ui->txt_fileName->setText(job->getName());
        ui->lbl_fileSize->setText(formatSize(job->getSize()));
        switch (job->getState()) {
        case DownloadFile::StateRunning:
            ui->lbl_status->setPixmap(QPixmap(QStringLiteral(":/images/bt_start.png")));
            break;
        case 1:
        case 2:
        case 3:
            ui->lbl_status->setPixmap(QPixmap(QStringLiteral(":/images/bt_pause.png")));
            break;
        case 4:
        case 7:
            ui->lbl_status->setPixmap(QPixmap(QStringLiteral(":/images/erroricon.png")));
            break;
        default:
            break;
        }
        if (busy(job)) {
            ui->txt_fileName->setReadOnly(true);
            ui->txt_localPath->setReadOnly(true);
            ui->txtPassword->setReadOnly(true);
            ui->btn_browser->hide();
        }
        ui->txt_localPath->setText(
            job->getPath().remove(QRegularExpression(QStringLiteral("[^/]+$"))));
        ui->txt_url->setText(job->getUrl());
        ui->txtPassword->setText(job->getPassword());
        ui->txtDownloadLink->setText(job->getSession());
        ui->txtDownloadLink->setCursorPosition(0);
        if (job->getState() == DownloadFile::StatePassword)
            ui->txtPassword->setFocus();
        else
            ui->txt_url->setFocus();
        return;
    }
    if (jobs.isEmpty())
        return;
    bool anyBusy = false;
    for (const DownloadFile* job : jobs)
        anyBusy = anyBusy || busy(job);
    for (QLineEdit* field : {ui->txt_url, ui->txt_fileName, ui->txtDownloadLink}) {
        field->setText(kPlaceholder);
        field->setEnabled(false);
    }
    ui->lbl_fileSize->setText(kPlaceholder);
    ui->lbl_status->setText(kPlaceholder);
    ui->txtPassword->setText(kPlaceholder);
    ui->txtPassword->setEchoMode(QLineEdit::Normal);
    ui->txt_localPath->setText(kPlaceholder);
    if (anyBusy) {
        ui->txt_localPath->setEnabled(false);
        ui->btn_browser->hide();
    }
}

void DialogFileInfo::info_changed() {
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
    if (ui->txtPassword->text() != kPlaceholder)
        ui->txtPassword->setEchoMode(QLineEdit::Password);
}

void DialogFileInfo::on_btn_browser_clicked() {
    const QString chosen =
        UserPrompt::current()->chooseFolder(this, tr("Open_dir"), ui->txt_localPath->text());
    if (!chosen.trimmed().isEmpty())
        ui->txt_localPath->setText(chosen.trimmed());
}

void DialogFileInfo::on_buttonBox_accepted() {
    ui->txt_fileName->setText(ui->txt_fileName->text().trimmed());
    ui->txt_localPath->setText(ui->txt_localPath->text().trimmed());
    const QString name = ui->txt_fileName->text();
    const QString folder = ui->txt_localPath->text();
    if (jobs.size() == 1)
        applyToOne(jobs.first(), name, folder);
    else if (jobs.size() > 1)
        applyToSeveral(folder);
}

void DialogFileInfo::applyToOne(DownloadFile* job, const QString& name, const QString& folder) {
    if (name.isEmpty()) {
        UserPrompt::current()->critical(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "File name")),
            boxText(QT_TRANSLATE_NOOP("QApplication", "Nhập tên cho tập tin.")));
        return;
    }
    if (folder.isEmpty()) {
        UserPrompt::current()->critical(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Folder")),
            boxText(QT_TRANSLATE_NOOP("QApplication", "Chọn thư mục lưu trữ tập tin.")));
        return;
    }
    if (!ensureFolder(folder))
        return;
    // A typed name becomes a local name the way the service's names do.
    const QString newName = name == job->getName() ? name : sanitizeFileName(name);
    const QString newPath = folderPath(folder) + newName;
    const bool moves = newPath.trimmed() != job->getPath().trimmed();
    if (moves && pathTaken(job, newPath)) {
        UserPrompt::current()->warning(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "File")),
            boxText(QT_TRANSLATE_NOOP("QApplication",
                                      "Tập tin đã tồn tại, không thể đổi tên tập tin.")));
        return;
    }
    if (moves && !moveJob(job, newPath))
        return;
    if (newName != job->getName())
        job->setName(newName);
    job->setPassword(ui->txtPassword->text());
}

void DialogFileInfo::applyToSeveral(const QString& folder) {
    if (folder.isEmpty()) {
        UserPrompt::current()->critical(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Folder")),
            boxText(QT_TRANSLATE_NOOP("QApplication", "Chọn thư mục lưu trữ tập tin.")));
        return;
    }
    const bool keepFolders = folder == kPlaceholder;
    if (!keepFolders && !ensureFolder(folder))
        return;
    const bool passwordTyped = ui->txtPassword->echoMode() == QLineEdit::Password;
    for (DownloadFile* job : jobs) {
        if (!keepFolders) {
            const QString newPath = folderPath(folder) + job->getName();
            const bool moves = newPath != job->getPath();
            if (moves && pathTaken(job, newPath)) {
                UserPrompt::current()->warning(
                    this, boxText(QT_TRANSLATE_NOOP("QApplication", "File")),
                    boxText(QT_TRANSLATE_NOOP("QApplication",
                                              "Tập tin %1 đã tồn tại, không thể đổi tên tập tin."))
                        .arg(newPath));
                return;
            }
            if (moves && !moveJob(job, newPath))
                return;
        }
        if (passwordTyped)
            job->setPassword(ui->txtPassword->text());
    }
}

bool DialogFileInfo::ensureFolder(const QString& folder) {
    return ensureFolderAsked(
        this, folder,
        boxText(QT_TRANSLATE_NOOP("QApplication",
                                  "Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn.")));
}

bool DialogFileInfo::pathTaken(const DownloadFile* job, const QString& newPath) const {
    // A queued job that has not written yet has no file to find on disk. The tab's jobs
    // are read now: one may have been added (a link handed over) since the dialog opened.
    const QList<DownloadFile*> others = tabJobs ? tabJobs() : QList<DownloadFile*>();
    return DownloadPaths(others + jobs, job).taken(newPath);
}

void DialogFileInfo::refuseBusy(const DownloadFile* job) {
    UserPrompt::current()->warning(
        this, boxText(QT_TRANSLATE_NOOP("QApplication", "File")),
        boxText(
            QT_TRANSLATE_NOOP("QApplication",
                              "Tập tin %1 đang được tải, không thể đổi tên hay chuyển tập tin."))
            .arg(job->getName()));
}

bool DialogFileInfo::moveJob(DownloadFile* job, const QString& newPath) {
    // The job may have started while the dialog was open: its file stays where it writes.
    if (busy(job)) {
        refuseBusy(job);
        return false;
    }
    const QString oldPath = job->getPath();
    if (QFile::exists(oldPath)) {
        FileMove moved = renameDownloadFile(oldPath, newPath);
        if (moved == FileMove::NeedsCopy) {
            const QPointer<DownloadFile> guarded(job);
            const Copied copied = copyJobFile(job, oldPath, newPath);
            if (copied == Copied::JobStarted) {
                if (guarded) // a job that went while its file was copied has nothing to say
                    refuseBusy(job);
                return false;
            }
            moved = copied == Copied::Done ? FileMove::Moved : FileMove::Failed;
        }
        if (moved != FileMove::Moved) {
            UserPrompt::current()->critical(
                this, boxText(QT_TRANSLATE_NOOP("QApplication", "File")),
                boxText(QT_TRANSLATE_NOOP("QApplication",
                                          "Không đổi tên hay chuyển được tập tin %1 thành %2."))
                    .arg(oldPath, newPath));
            return false;
        }
    }
    job->setPath(newPath);
    return true;
}

DialogFileInfo::Copied DialogFileInfo::copyJobFile(DownloadFile* job, const QString& from,
                                                   const QString& to) {
    const QPointer<DownloadFile> guarded(job);
    const QFileInfo before(from);
    const qint64 size = before.size();
    const QDateTime modified = before.lastModified();
    // The name is taken before the copy, so that nothing else takes it meanwhile.
    QFile placeholder(to);
    if (!placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Copied::Failed;
    placeholder.close();
    bool copied = false;
    {
        // This dialog has closed already (OK closes it first): the box stands over the
        // window that opened it, modal, and only the copy's end closes it.
        WorkingBox working(parentWidget() ? parentWidget() : this);
        std::unique_ptr<QThread> copier(QThread::create(
            [&copied, from, to] { copied = TransferEnvironment::current().copyAcross(from, to); }));
        connect(copier.get(), &QThread::finished, &working, &QDialog::accept);
        copier->start();
        working.exec();
        copier->wait();
    }
    if (!copied) {
        QFile::remove(to);
        return Copied::Failed;
    }
    // Queued jobs go on starting meanwhile: a job that did, or anything that wrote into
    // the file, makes the copy worthless.
    const QFileInfo after(from);
    if (!guarded || busy(job) || after.size() != size || after.lastModified() != modified) {
        QFile::remove(to);
        return Copied::JobStarted;
    }
    if (!QFile::remove(from)) {
        QFile::remove(to);
        return Copied::Failed;
    }
    return Copied::Done;
}

void DialogFileInfo::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (jobs.size() > 1)
            ui->lbl_status->setText(kPlaceholder);
    }
}

void DialogFileInfo::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogFileInfo::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
