// The start of a download job: volume checks, the request for a direct location (made on
// the job's thread), and the stop request.
#include "api/apiresult.h"
#include "core/globals.h"
#include "core/locationrequest.h"
#include "core/ruridudi.h"
#include "download/downloadfile.h"
#include "transfer/downloadlocation.h"
#include "transfer/transferenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>

namespace {

// The largest file a FAT volume takes, as the program has always counted it.
constexpr qint64 kFatLimit = 4294966272LL;
constexpr int kCodePassword = 123;

} // namespace

QString DownloadFile::folderOfPath() const {
    const QString full = getPath();
    const int separator = full.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\]")));
    return separator < 0 ? full : full.left(separator);
}

bool DownloadFile::passesVolumeChecks() {
    TransferEnvironment& environment = TransferEnvironment::current();
    const QString folder = folderOfPath();
    const qint64 total = getSize();
    const QString fileSystem =
        QString::fromStdString(environment.fileSystemName(QFile::encodeName(folder).toStdString()));
    if (fileSystem.startsWith(QLatin1String("FAT")) && total > kFatLimit) {
        setStateAndText(StateFailed, tr("Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui "
                                        "lòng chọn đường dẫn khác để tải."));
        emitChanged(StatusChanged);
        releasePlace();
        return false;
    }
    qint64 volumeTotal = 0;
    qint64 freeBytes = 0;
    if (environment.diskSpace(folder, volumeTotal, freeBytes)) {
        // Only the bytes still missing need room.
        const QFileInfo existing(getPath());
        const qint64 present = existing.exists() ? existing.size() : 0;
        // A size from a reply or a history file may be any number: no overflow.
        const qint64 needed = total > present ? total - present : 0;
        if (freeBytes < needed) {
            setStateAndText(StateFailed, tr("Không đủ dung lượng trống để lưu trữ tập tin"));
            emitChanged(StatusChanged);
            releasePlace();
            return false;
        }
    }
    return true;
}

void DownloadFile::copyCredentials() {
    // Copied now, on the GUI thread: the account record may be released at logout
    // while the transfer runs.
    QMutexLocker lock(&fieldsMutex);
    credentials = ReLoginCredentials::ofCurrentUser();
    accountLevel = currentUser ? currentUser->getLevel() : 0;
}

void DownloadFile::startDownload() {
    if (!passesVolumeChecks())
        return;
    stopRequested = false;
    setStateAndText(StateRunning, tr("Starting"));
    emitChanged(StatusChanged);
    slotReleased = false;
    copyCredentials();

    const QString kept = getSession().trimmed();
    // A kept location that can't be fetched (a hand-edited history, say) is replaced.
    // The request for a new one is the run's first step, so the GUI thread never waits
    // on the service; the job shows "Starting" meanwhile.
    askForLocation = kept.isEmpty() || !isFetchableLocation(kept);
    QThread::start(QThread::InheritPriority);
}

bool DownloadFile::isZipDownload() const {
    QMutexLocker lock(&fieldsMutex);
    return zipFlag == QLatin1String("true") || typeFile == QLatin1String("0");
}

bool DownloadFile::genLinkDownload() {
    const bool zip = isZipDownload();
    QString shareLink, filePassword;
    ReLoginCredentials account;
    {
        QMutexLocker lock(&fieldsMutex);
        shareLink = url;
        filePassword = password;
        account = credentials;
    }
    const LocationAnswer answer = requestDownloadLocation(shareLink, filePassword, zip, account);
    if (answer.code != brisko::kCodeSuccess)
        return linkRefused(answer.code, answer.message);
    // Success without a location is refused there.
    return startThreadOn(answer.location);
}

bool DownloadFile::startThreadOn(const QString& location) {
    if (stopRequested) {
        setStateAndText(StateIdle, QString());
        emitChanged(StatusChanged);
        releasePlace();
        return false;
    }
    // Only http and https locations are fetched, whatever the service answered.
    if (location.isEmpty() || !isFetchableLocation(location)) {
        setStateAndText(StateFailed, tr("Tạo link thất bại!"));
        emitChanged(StatusChanged);
        releasePlace();
        return false;
    }
    {
        QMutexLocker lock(&fieldsMutex);
        state = StateRunning;
        session = location;
    }
    return true;
}

bool DownloadFile::linkRefused(int code, const QString& serviceMessage) {
    int newState = StateFailed;
    QString message = serviceMessage;
    if (code == kCodePassword) {
        newState = StatePassword;
        message = getPassword().isEmpty()
                      ? tr("Tập tin có mật khẩu. Double click để nhập mật khẩu!")
                      : tr("Mật khẩu không đúng. Vui lòng nhập lại!");
    }
    if (message == QLatin1String("Multiple IP download"))
        message = tr("Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP "
                     "cho phép.");
    setStateAndText(newState, message);
    emitChanged(StatusChanged);
    releasePlace();
    return false;
}

void DownloadFile::stopDownload() {
    if (QThread::isRunning()) {
        // The flag goes first, and the wake under the wait's mutex: a run that is about
        // to wait sees the flag, one already waiting is woken.
        stopRequested = true;
        QMutexLocker lock(&retryMutex);
        retryWait.wakeAll();
        return;
    }
    setStateAndText(StateStopped, tr("Dừng"));
    emitChanged(StatusChanged);
}
