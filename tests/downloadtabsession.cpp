#include "tests/downloadtabsession.h"

#include "api/userapi.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "platform/userfolders.h"
#include "tools/devservice/demoaccount.h"
#include "transfer/historyfile.h"

DownloadTabSession::~DownloadTabSession() {
    stop();
    platform::setProgramFilePathOverride(QString());
}

bool DownloadTabSession::start() {
    if (!program.isValid() || !fixture.start())
        return false;
    platform::setProgramFilePathOverride(program.filePath(QStringLiteral("briskotool")));
    const auto demo = service().accounts().findByLogin(devservice::demo::kEmail);
    brisko::user_api api(&apiClient);
    if (!demo || !api.login(devservice::demo::kEmail, devservice::demo::kPassword)) {
        qWarning("the demo account cannot log in");
        return false;
    }
    account = demo->id;
    delete currentUser;
    currentUser = new RuriDudi(QString::fromStdString(account), devservice::demo::kEmail, "",
                               devservice::demo::kPassword, 5, 0);
    return true;
}

void DownloadTabSession::stop() {
    // The program folder, where the history is, goes with the session: the last saves of
    // the tabs closed in it land first.
    if (!historyfile::waitForWrites(20000))
        qWarning("a history save did not end");
    delete currentUser;
    currentUser = nullptr;
}

QString DownloadTabSession::historyPath() const {
    return downloadHistoryFilePath(QString::fromStdString(account).toLongLong());
}

QString DownloadTabSession::link(const std::string& code, bool folder) const {
    return QStringLiteral("https://www.localhost:%1/%2/%3")
        .arg(fixture.port())
        .arg(folder ? "folder" : "file", QString::fromStdString(code));
}

QString DownloadTabSession::linkOf(const std::string& path) {
    const auto entry = service().files().findByPath(account, path);
    return entry ? link(entry->linkcode, entry->folder) : QString();
}

std::string DownloadTabSession::addFile(const std::string& folder, const std::string& name,
                                        std::uint64_t size, std::uint64_t seed) {
    devservice::FileEntry file;
    file.name = name;
    file.size = size;
    file.seed = seed;
    const auto added = service().files().addFile(account, folder, file);
    return added ? added->linkcode : std::string();
}
