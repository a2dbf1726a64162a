#include "tests/uploadfixture.h"

#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/filecontent.h"

#include <QFile>
#include <QFileInfo>

bool UploadFixture::start(devservice::ServiceOptions options) {
    if (!stand.start(std::move(options)))
        return false;
    timeSource = std::make_unique<ShortWaits>();
    account = service().accounts().findByLogin(devservice::demo::kEmail)->id;
    brisko::user_api api(&apiClient);
    if (!api.login(devservice::demo::kEmail, devservice::demo::kPassword))
        return false;
    delete currentUser;
    currentUser = new RuriDudi(QString::fromStdString(account), devservice::demo::kEmail, "",
                               devservice::demo::kPassword, 5, 1800.0);
    SettingsStore settings;
    settings.remove(SettingsKeys::UploadFailTry);
    settings.remove(SettingsKeys::UseUploadLimit);
    settings.remove(SettingsKeys::UploadLimit);
    return settings.sync();
}

void UploadFixture::stop() {
    delete currentUser;
    currentUser = nullptr;
    timeSource.reset();
}

QString UploadFixture::writeFile(const QString& name, qint64 size, std::uint64_t seed,
                                 std::string* bytes) {
    const std::string content =
        devservice::generateContent(seed, 0, static_cast<std::size_t>(size));
    QFile file(files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(content.data(), qint64(content.size())) != qint64(content.size()))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    if (bytes)
        *bytes = content;
    return file.fileName();
}

MegaFile UploadFixture::folder(const std::string& path) {
    const auto entry = service().files().findByPath(account, path);
    MegaFile target;
    target.setId(QString::number(entry ? entry->id : 0));
    target.setLinkcode(QString::fromStdString(entry ? entry->linkcode : std::string("0")));
    target.setName(QString::fromStdString(path));
    return target;
}

std::unique_ptr<UploadFile> UploadFixture::job(const QString& path, const QString& realUrl,
                                               const std::string& folderPath) {
    auto upload = std::make_unique<UploadFile>(folder(folderPath), QFileInfo(path).fileName(), path,
                                               QString(), QString(), realUrl);
    upload->setFileSecure(false);
    upload->setFileDirectLink(false);
    upload->setSize(QFileInfo(path).size());
    upload->setChunkSize(kChunk);
    upload->setClock(&frozenClock);
    return upload;
}

QString UploadFixture::issueLocation(std::uint64_t size, std::string* token,
                                     const std::string& name) {
    const std::string issued = service().uploads().issue(
        {account, name, size, service().files().findByPath(account, "/Music")->linkcode, 0});
    if (token)
        *token = issued;
    return QStringLiteral("https://127.0.0.1:%1/up/%2")
        .arg(stand.port())
        .arg(QString::fromStdString(issued));
}

std::vector<devservice::Request> UploadFixture::locationRequests() {
    std::vector<devservice::Request> found;
    for (const devservice::Request& request : service().requests().all()) {
        if (request.path().rfind("/up/", 0) == 0)
            found.push_back(request);
    }
    return found;
}

QStringList UploadFixture::locationSteps() {
    QStringList steps;
    for (const devservice::Request& request : locationRequests())
        steps << (request.method == "GET"
                      ? QStringLiteral("GET")
                      : QString::fromStdString(request.header("Content-Range").value_or("?")));
    return steps;
}

std::size_t UploadFixture::sent(const std::string& path) {
    return service().requests().forPath(path).size();
}
