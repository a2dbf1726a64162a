#include "upload/uploadfile.h"

#include "api/sessionapi.h"
#include "api/userapi.h"
#include "core/actionthread.h"
#include "core/crypto.h"

#include <QMutexLocker>

#include <algorithm>

#include <memory>

UploadFile::UploadFile(const MegaFile& folder, const QString& name, const QString& path,
                       const QString& desc, const QString& host, const QString& realUrl)
    : folder(folder), name(name), path(path), desc(desc), host(host), realUrl(realUrl) {
    registerMetaTypes();
}

UploadFile::~UploadFile() {
    if (QThread::isRunning()) {
        stopUpload();
        wait();
    }
}

void UploadFile::registerMetaTypes() {
    qRegisterMetaType<UploadFile*>("UploadFile*");
    qRegisterMetaType<UploadFile::UploadFileFlags>("UploadFile::UploadFileFlags");
}

// Start sequence -------------------------------------------------------------------

void UploadFile::startUpload() {
    copyCredentials();
    // A start that follows the previous run's release at once may find its thread still
    // finishing; it has nothing left to do but end.
    if (QThread::isRunning() && runEnded)
        wait();
    runEnded = false;
    stopRequested = false;
    // The checks and the location request are the run's first steps, so the GUI thread
    // never waits on the service; the job shows "Queued", then "Starting", meanwhile.
    QThread::start(QThread::InheritPriority);
}

bool UploadFile::beginRun() {
    const bool canReLogin = jobCredentials().present;
    bool gotLocation = false;
    // One re-login and one repeat of the whole sequence when the session expired.
    if (tryStart(!canReLogin, gotLocation) == StartStep::Expired)
        tryStart(true, gotLocation);
    return gotLocation && !endIfStopped();
}

bool UploadFile::endIfStopped() {
    if (!stopRequested)
        return false;
    setStateAndText(StateStopped, tr("Dừng"));
    emitChanged(StatusChanged);
    return true;
}

UploadFile::StartStep UploadFile::tryStart(bool lastRound, bool& gotLocation) {
    gotLocation = false;
    if (endIfStopped())
        return StartStep::Done;
    const LoginBoundClient client(jobCredentials());
    if (!client.get()) {
        refuseStart(relogin::endedLoginMessage());
        return StartStep::Done;
    }
    brisko::user_api api(client.get());
    const std::unique_ptr<brisko::user> account = api.get();
    {
        QMutexLocker lock(&fieldsMutex);
        markCount = 0;
        storedSpeed = 0;
    }
    const int code = api.get_error_code();
    // A re-login that fails or is refused ends the run as a second expiry would.
    if (code == brisko::kCodeSessionExpired && !lastRound && reLogin())
        return StartStep::Expired;
    if (code != brisko::kCodeSuccess) {
        refuseStart(tr("Lỗi kết nối mạng."));
        return StartStep::Done;
    }
    if (!account) {
        refuseStart(tr("Lấy không được thông tin user"));
        return StartStep::Done;
    }
    // A secure upload is measured against the secure space only, an ordinary one against
    // the ordinary space only. Texts that are not numbers read as 0.
    if (getFileSecure() == QLatin1String("1")) {
        if (QString::fromStdString(account->get_webspace_secure_used()).toDouble() >=
            QString::fromStdString(account->get_webspace_secure()).toDouble()) {
            refuseStart(tr("Đã hết dung lượng bảo đảm!"));
            return StartStep::Done;
        }
    } else if (QString::fromStdString(account->get_webspace_used()).toDouble() >=
               QString::fromStdString(account->get_webspace()).toDouble()) {
        refuseStart(tr("Đã hết dung lượng không bảo đảm!"));
        return StartStep::Done;
    }
    if (endIfStopped())
        return StartStep::Done;

    setStateAndText(StateRunning, tr("Starting"));
    emitChanged(StatusChanged);
    return askForSession(false, lastRound, gotLocation);
}

UploadFile::StartStep UploadFile::askForSession(bool force, bool lastRound, bool& gotLocation) {
    gotLocation = false;
    QString fileName;
    QString folderPath;
    qint64 fileSize = 0;
    {
        QMutexLocker lock(&fieldsMutex);
        if (!realUrl.isEmpty() && !force) {
            gotLocation = true; // an earlier session's location is reused
            return StartStep::Done;
        }
        fileName = name;
        folderPath = folder.getName();
        fileSize = size;
    }
    int secured = getFileSecure().toInt(nullptr, 10);
    const LoginBoundClient client(jobCredentials());
    if (!client.get()) {
        refuseStart(relogin::endedLoginMessage());
        return StartStep::Done;
    }
    brisko::sessionapi api(client.get());
    const std::string location =
        api.upload(toUtf8StdString(fileName), fileSize, toUtf8StdString(folderPath), secured);
    const int code = api.get_error_code();
    if (code == brisko::kCodeSuccess && !location.empty()) {
        {
            QMutexLocker lock(&fieldsMutex);
            realUrl = QString::fromLatin1(location.c_str());
        }
        gotLocation = true;
        emit locationObtained(this);
        return StartStep::Done;
    }
    if (code == brisko::kCodeSessionExpired && !lastRound && reLogin())
        return StartStep::Expired;
    setStateAndText(StateFailed, QString::fromStdString(api.get_error_msg()));
    emitChanged(StatusChanged);
    return StartStep::Done;
}

bool UploadFile::createUploadSession(bool force) {
    const bool canReLogin = jobCredentials().present;
    bool gotLocation = false;
    if (askForSession(force, !canReLogin, gotLocation) == StartStep::Expired)
        askForSession(force, true, gotLocation);
    return gotLocation;
}

void UploadFile::refuseStart(const QString& text) {
    setStateAndText(StateFailed, text);
    emitChanged(StatusChanged);
}

// Read on the GUI thread: the main window may release the record while the job runs.
void UploadFile::copyCredentials() {
    QMutexLocker lock(&fieldsMutex);
    credentials = ReLoginCredentials::ofCurrentUser();
}

ReLoginCredentials UploadFile::jobCredentials() const {
    QMutexLocker lock(&fieldsMutex);
    return credentials;
}

bool UploadFile::reLogin() {
    return ActionThread::reLogin(jobCredentials()); // refused once the account logged out
}

void UploadFile::stopUpload() {
    if (QThread::isRunning()) {
        {
            // Set under the waits' mutex, so a waiter sees it before it sleeps.
            QMutexLocker lock(&stopMutex);
            stopRequested = true;
        }
        stopWait.wakeAll();
        return;
    }
    setStateAndText(StateStopped, tr("Dừng"));
    emitChanged(StatusChanged);
}

// Record -----------------------------------------------------------------------------

void UploadFile::setStateAndText(int newState, const QString& text) {
    QMutexLocker lock(&fieldsMutex);
    state = newState;
    statusText = text;
}

MegaFile UploadFile::getFolder() const {
    QMutexLocker lock(&fieldsMutex);
    return folder;
}

void UploadFile::setFolder(const MegaFile& value) {
    QMutexLocker lock(&fieldsMutex);
    folder = value;
}

#define UPLOADFILE_TEXT(Getter, Setter, field)                                                     \
    QString UploadFile::Getter() const {                                                           \
        QMutexLocker lock(&fieldsMutex);                                                           \
        return field;                                                                              \
    }                                                                                              \
    void UploadFile::Setter(const QString& value) {                                                \
        QMutexLocker lock(&fieldsMutex);                                                           \
        field = value;                                                                             \
    }
UPLOADFILE_TEXT(getName, setName, name)
UPLOADFILE_TEXT(getId, setId, id)
UPLOADFILE_TEXT(getPath, setPath, path)
UPLOADFILE_TEXT(getDesc, setDesc, desc)
UPLOADFILE_TEXT(getHost, setHost, host)
UPLOADFILE_TEXT(getMlink, setMlink, mlink)
UPLOADFILE_TEXT(getStatusText, setStatusText, statusText)
#undef UPLOADFILE_TEXT

QString UploadFile::getRealUrl() const {
    QMutexLocker lock(&fieldsMutex);
    return realUrl;
}

QString UploadFile::getFileSecure() const {
    QMutexLocker lock(&fieldsMutex);
    return fileSecure.trimmed().isEmpty() ? QStringLiteral("1") : fileSecure;
}

void UploadFile::setFileSecure(bool secure) {
    QMutexLocker lock(&fieldsMutex);
    fileSecure = secure ? QStringLiteral("1") : QStringLiteral("0");
}

QString UploadFile::getFileDirectLink() const {
    QMutexLocker lock(&fieldsMutex);
    return fileDirectLink;
}

void UploadFile::setFileDirectLink(bool directLink) {
    QMutexLocker lock(&fieldsMutex);
    fileDirectLink = directLink ? QStringLiteral("2") : QStringLiteral("0");
}

int UploadFile::getState() const {
    QMutexLocker lock(&fieldsMutex);
    return state;
}

void UploadFile::setState(int value) {
    QMutexLocker lock(&fieldsMutex);
    state = value;
}

bool UploadFile::isFinished() const {
    QMutexLocker lock(&fieldsMutex);
    return finished;
}

void UploadFile::setFinished(bool value) {
    QMutexLocker lock(&fieldsMutex);
    finished = value;
}

qint64 UploadFile::getSize() const {
    QMutexLocker lock(&fieldsMutex);
    return size;
}

void UploadFile::setSize(qint64 value) {
    QMutexLocker lock(&fieldsMutex);
    size = value;
}

double UploadFile::progress() const {
    QMutexLocker lock(&fieldsMutex);
    // Every byte out is not yet a stored file: the whole shows only with the service's link.
    constexpr double kShortOfWhole = 0.9999; // reads "99.99 %"
    const double fraction = tracker.progress();
    return finished ? fraction : std::min(fraction, kShortOfWhole);
}

// The first marks of a chunk, whose tracker starts from nothing, keep showing a speed
// derived from the previous chunk.
double UploadFile::speed() const {
    QMutexLocker lock(&fieldsMutex);
    if (markCount > 2)
        storedSpeed = 0;
    const double current = tracker.speed();
    return storedSpeed > current ? 2 * storedSpeed / 3 : current;
}

QString UploadFile::remainingText() const {
    QMutexLocker lock(&fieldsMutex);
    return tracker.remainingText();
}

void UploadFile::setProgress(double fraction) {
    QMutexLocker lock(&fieldsMutex);
    // Against the present size, so the stored fraction shows (and is saved again) before
    // the next run reports the service's offset.
    tracker.setTotalSize(size);
    tracker.setStartOffset(static_cast<qint64>(double(size) * fraction));
}

bool UploadFile::operator==(const UploadFile& other) const {
    if (this == &other)
        return true;
    const QString otherPath = other.getPath();
    const MegaFile otherFolder = other.getFolder();
    const qint64 otherSize = other.getSize();
    QMutexLocker lock(&fieldsMutex);
    return path == otherPath && folder == otherFolder && size == otherSize;
}

UploadFile& UploadFile::operator=(const UploadFile& other) {
    if (this == &other)
        return *this;
    QMutexLocker otherLock(&other.fieldsMutex);
    const MegaFile copiedFolder = other.folder;
    const QString copied[] = {other.name, other.id,   other.path,      other.mlink,
                              other.desc, other.host, other.statusText};
    const int copiedState = other.state;
    const bool copiedFinished = other.finished;
    const qint64 copiedSize = other.size;
    const TransferProgress copiedTracker = other.tracker;
    otherLock.unlock();

    QMutexLocker lock(&fieldsMutex);
    folder = copiedFolder;
    name = copied[0];
    id = copied[1];
    path = copied[2];
    mlink = copied[3];
    desc = copied[4];
    host = copied[5];
    statusText = copied[6];
    state = copiedState;
    finished = copiedFinished;
    size = copiedSize;
    tracker = copiedTracker;
    return *this;
}

int UploadFile::chunkSize() const {
    QMutexLocker lock(&fieldsMutex);
    return nextChunk;
}

void UploadFile::setChunkSize(int bytes) {
    QMutexLocker lock(&fieldsMutex);
    nextChunk = bytes;
}

void UploadFile::setPacerClock(SpeedPacer::Clock replacement) {
    pacerClock = replacement;
}

void UploadFile::setClock(TransferProgress::Clock replacement) {
    QMutexLocker lock(&fieldsMutex);
    clock = replacement;
    TransferProgress fresh(10, replacement);
    fresh.setTotalSize(tracker.getTotalSize());
    fresh.setStartOffset(tracker.getStartOffset());
    tracker = fresh;
}
