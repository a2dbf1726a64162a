#include "tests/mainwindowsession.h"

#include "api/userapi.h"
#include "core/globals.h"
#include "platform/hostconfig.h"
#include "platform/userfolders.h"
#include "tools/devservice/demoaccount.h"

#include <QFile>

MainWindowSession::~MainWindowSession() {
    platform::setProgramFilePathOverride(QString());
}

bool MainWindowSession::start() {
    if (!program.isValid() || !fixture.start())
        return false;
    platform::setProgramFilePathOverride(program.filePath(QStringLiteral("briskotool")));
    // The banner trusts the ca.crt beside the program, as an installed copy does.
    return QFile::copy(fixture.caPath(), program.filePath(QStringLiteral("ca.crt")));
}

std::unique_ptr<RuriDudi> MainWindowSession::logIn() {
    brisko::user_api api(&apiClient);
    std::unique_ptr<brisko::user> account;
    if (api.login(devservice::demo::kEmail, devservice::demo::kPassword))
        account = api.get();
    if (!account) {
        qWarning("demo login failed: %d %s", api.get_error_code(), api.get_error_msg().c_str());
        return nullptr;
    }
    currentUserId = QString::fromStdString(account->get_id());
    currentUserLevel = QString::fromStdString(account->get_level());
    return std::make_unique<RuriDudi>(
        currentUserId, QString::fromLatin1(devservice::demo::kEmail),
        QString::fromStdString(apiClient.get_session()->get_session_id()),
        QString::fromLatin1(devservice::demo::kPassword), currentUserLevel.toInt(), 1800.0);
}

QString MainWindowSession::webSite() {
    return QStringLiteral("https://www.") + QString::fromStdString(hosts::webHost());
}

QString MainWindowSession::link(const std::string& code, bool folder) const {
    return webSite() + (folder ? QStringLiteral("/folder/") : QStringLiteral("/file/")) +
           QString::fromStdString(code);
}

QString MainWindowSession::linkOf(const std::string& path) {
    const auto entry = fixture.service().files().findByPath(accountId().toStdString(), path);
    return entry ? link(entry->linkcode, entry->folder) : QString();
}

QString MainWindowSession::addFile(const std::string& name, std::uint64_t size) {
    devservice::FileEntry file;
    file.name = name;
    file.size = size;
    file.seed = size + name.size();
    const auto added =
        fixture.service().files().addFile(accountId().toStdString(), "/", std::move(file));
    return added ? link(added->linkcode) : QString();
}

QString MainWindowSession::accountId() {
    const auto account = fixture.service().accounts().findByLogin(devservice::demo::kEmail);
    return account ? QString::fromStdString(account->id) : QString();
}
