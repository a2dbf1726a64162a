#include "tests/downloadjobfixture.h"
#include "tests/unsharedcopy.h"

#include "api/sessionapi.h"
#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "tools/devservice/filecontent.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMutexLocker>
#include <QtGlobal>

const TestFile DownloadJobFixture::kSmall{"/small.bin", 300000, 11, ""};
const TestFile DownloadJobFixture::kProtected{"/khoá.bin", 2000, 12, "mật khẩu"};
const QString DownloadJobFixture::kFolder = "/Thư mục";
const char DownloadJobFixture::kEmail[] = "taive@brisko.local";
const char DownloadJobFixture::kPassword[] = "mật khẩu tài khoản";

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

devservice::FileEntry entryOf(const TestFile& file) {
    devservice::FileEntry entry;
    const int slash = file.path.lastIndexOf('/');
    entry.name = utf8(file.path.mid(slash + 1));
    entry.size = static_cast<std::uint64_t>(file.size);
    entry.seed = file.seed;
    entry.password = utf8(file.password);
    return entry;
}

} // namespace

bool DownloadJobFixture::start(int level) {
    folder = std::make_unique<QTemporaryDir>();
    waits.clear();
    waits.retry = std::chrono::milliseconds(20);
    waits.accountWait = std::chrono::milliseconds(5);
    waits.stallLimit = std::chrono::milliseconds(1000);
    if (!folder->isValid() || !stand_in.start())
        return false;
    devservice::Account account;
    account.email = kEmail;
    account.password = kPassword;
    account.profile["level"] = std::to_string(level);
    accountId = service().accounts().add(account);
    auto& files = service().files();
    if (!files.addFile(accountId, "/", entryOf(kSmall)) ||
        !files.addFile(accountId, "/", entryOf(kProtected)) ||
        !files.addFolder(accountId, "/", utf8(kFolder.mid(1))) ||
        !files.addFile(accountId, utf8(kFolder), entryOf({"/a.txt", 5000, 21, ""})) ||
        !files.addFile(accountId, utf8(kFolder), entryOf({"/b.bin", 70000, 22, ""}))) {
        qWarning("could not fill the test account");
        return false;
    }
    brisko::user_api login(&apiClient);
    if (!login.login(kEmail, kPassword)) {
        qWarning("login failed");
        return false;
    }
    delete currentUser;
    currentUser = new RuriDudi(QString::fromStdString(accountId), kEmail, QString(),
                               QString::fromUtf8(kPassword), level, 0);
    return true;
}

bool DownloadJobFixture::addFile(const TestFile& file) {
    return service().files().addFile(accountId, "/", entryOf(file)).has_value();
}

void DownloadJobFixture::stop() {
    delete currentUser;
    currentUser = nullptr;
    stand_in.stop();
}

QString DownloadJobFixture::shareLink(const QString& accountPath, bool isFolder) {
    const auto entry = service().files().findByPath(accountId, utf8(accountPath));
    const QString code = entry ? QString::fromStdString(entry->linkcode) : QString("missing");
    return QStringLiteral("https://www.localhost:%1/%2/%3")
        .arg(port())
        .arg(isFolder ? "folder" : "file", code);
}

QString DownloadJobFixture::issueLocation(const TestFile& file) {
    brisko::sessionapi api(&apiClient);
    const std::string location =
        api.download(utf8(shareLink(file.path)), utf8(file.password), false);
    return QString::fromStdString(location);
}

std::unique_ptr<DownloadFile> DownloadJobFixture::job(const TestFile& file, const QString& name) {
    return std::make_unique<DownloadFile>(name, localPath(name), "code", "", "1", "false",
                                          shareLink(file.path), file.password, file.size);
}

std::unique_ptr<DownloadFile> DownloadJobFixture::zipJob(const QString& name) {
    // A folder's record: type "0", size 0; the service zips it.
    return std::make_unique<DownloadFile>(name, localPath(name), "code", "", "0", "true",
                                          shareLink(kFolder, true), "", 0);
}

QByteArray DownloadJobFixture::content(const TestFile& file, qint64 from, qint64 size) {
    if (size < 0)
        size = file.size - from;
    const std::string bytes = devservice::generateContent(
        file.seed, static_cast<std::uint64_t>(from), static_cast<std::size_t>(size));
    return QByteArray(bytes.data(), static_cast<int>(bytes.size()));
}

QByteArray DownloadJobFixture::sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray DownloadJobFixture::fileSha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

bool DownloadJobFixture::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::vector<devservice::Request> DownloadJobFixture::locationRequests() {
    std::vector<devservice::Request> found;
    for (const devservice::Request& request : service().requests().all()) {
        if (request.path().rfind("/dl/", 0) == 0)
            found.push_back(request);
    }
    return found;
}

int DownloadJobFixture::sessionRequests() {
    return static_cast<int>(service().requests().forPath("/api/session/download").size());
}

JobRecorder::JobRecorder(DownloadFile* job) : job(job) {
    connect(
        job, &DownloadFile::dataChanged, this,
        [this](DownloadFile* changed, DownloadFile::DownloadFileFlags flag) {
            const QString text = changed->getStatusText();
            QMutexLocker lock(&mutex);
            flagList.append(flag);
            if (flag == DownloadFile::StatusChanged)
                textList.append(text);
        },
        Qt::DirectConnection);
    connect(
        job, &DownloadFile::taskDownloadDone, this,
        [this] {
            QMutexLocker lock(&mutex);
            ++releaseCount;
        },
        Qt::DirectConnection);
}

QList<int> JobRecorder::flags() const {
    QMutexLocker lock(&mutex);
    return unshared(flagList);
}

QStringList JobRecorder::texts() const {
    QMutexLocker lock(&mutex);
    return unshared(textList);
}

int JobRecorder::releases() const {
    QMutexLocker lock(&mutex);
    return releaseCount;
}

bool JobRecorder::runToEnd(int timeoutMs) {
    job->startDownload();
    return job->wait(static_cast<unsigned long>(timeoutMs));
}
