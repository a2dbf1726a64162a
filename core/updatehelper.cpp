#include "core/updatehelper.h"

#include "api/sessionapi.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/simpledownloaddialog.h"
#include "core/userprompt.h"
#include "platform/atomicfile.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>
#include <thread>

namespace {

const QString kTitle = QStringLiteral("Brisko Updater"); // not translated
const QString kSuccess = QStringLiteral("success");
const QString kError = QStringLiteral("error");

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString downloadLabel(int result) {
    switch (result) {
    case SimpleDownloadDialog::Downloaded:
        return QStringLiteral("ok");
    case SimpleDownloadDialog::TextPage:
        return QStringLiteral("fail-text");
    case SimpleDownloadDialog::DigestMismatch:
        return QStringLiteral("fail-checksum");
    case SimpleDownloadDialog::Hidden:
        return QStringLiteral("fail-userabort");
    case SimpleDownloadDialog::TransferFailed:
        return QStringLiteral("fail-curl");
    default:
        return QStringLiteral("fail");
    }
}

} // namespace

UpdateHelper::UpdateHelper(QWidget* parent) : QObject(parent), parentWidget(parent) {}

UpdateHelper::~UpdateHelper() {
    delete dialog.data();
}

void UpdateHelper::check_and_update(std::function<void()> onDone, bool force) {
    callback = std::move(onDone);
    this->force = force;
    SettingsStore settings;
    const QString status = settings.text(SettingsKeys::UpdateStatus);
    // Written off the GUI thread as the store goes; a failure is logged there.
    settings.remove(SettingsKeys::UpdateStatus);
    UserPrompt* prompt = UserPrompt::current();
    if (status == kSuccess) {
        prompt->information(parentWidget, kTitle,
                            tr("Brisko Tool của bạn đã được cập nhật thành công"), QMessageBox::Ok);
        sendUpdateEvent(QStringLiteral("install-success"), QString());
        startCheck(false);
    } else if (status == kError) {
        const auto answer =
            prompt->warning(parentWidget, kTitle, tr("Quá trình cập nhật bị lỗi. Thử lại lần nữa?"),
                            QMessageBox::Retry | QMessageBox::Cancel);
        const bool cancel = answer == QMessageBox::Cancel;
        sendUpdateEvent(QStringLiteral("install-error"),
                        cancel ? QStringLiteral("cancel") : QStringLiteral("retry"));
        if (cancel)
            finishWithoutUpdate();
        else
            startCheck(true);
    } else {
        startCheck(false);
    }
}

void UpdateHelper::startCheck(bool isRetry) {
    // The request runs off the GUI thread; its answer comes back queued, and only while
    // this helper still exists.
    QPointer<UpdateHelper> self(this);
    std::thread([self, isRetry] {
        brisko::sessionapi api(&apiClient);
        int type = 6;
        const auto latest = api.getLatestVersion(type);
        const auto text = [&latest](const char* key) {
            const auto found = latest.find(key);
            return found == latest.end() ? QString() : QString::fromStdString(found->second);
        };
        const QString ver = text("version");
        const QString data = text("link");
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, ver, data, isRetry] {
                if (self)
                    self->do_update(ver, data, isRetry);
            },
            Qt::QueuedConnection);
    }).detach();
}

UpdateHelper::VersionOrder UpdateHelper::versionNewer(const QString& current,
                                                      const QString& candidate) {
    // Trailing ".0" groups and a "-suffix" don't count: 5.3.0 is 5.3, 5.4.0-beta is 5.4.
    static const QRegularExpression tail(QStringLiteral("(\\.0+)*(-.*)?$"));
    const QStringList mine = QString(current).remove(tail).split(QLatin1Char('.'));
    const QStringList theirs = QString(candidate).remove(tail).split(QLatin1Char('.'));
    for (int i = 0; i < mine.size() && i < theirs.size(); ++i) {
        const int a = mine.at(i).toInt(); // not a number: 0
        const int b = theirs.at(i).toInt();
        if (b != a)
            return {i, b > a ? 1 : -1};
    }
    if (theirs.size() > mine.size())
        return {int(theirs.size()) - 1, 1};
    if (mine.size() > theirs.size())
        return {int(mine.size()) - 1, -1};
    return {999999, 0};
}

void UpdateHelper::do_update(QString ver, QString data, bool is_retry) {
    const VersionOrder order = versionNewer(QString::fromLatin1(kBuildVersion), ver);
    if (order.direction <= 0) {
        finishWithoutUpdate();
        return;
    }
    UserPrompt* prompt = UserPrompt::current();
    if (data.isEmpty()) {
        if (force)
            prompt->warning(parentWidget, kTitle,
                            tr("Phiên bản Brisko Tool của bạn quá cũ.<br>Vui lòng tải phiên "
                               "bản mới tại %1")
                                .arg(webLink()),
                            QMessageBox::Ok);
        finishWithoutUpdate();
        return;
    }
    if (!is_retry && order.position > 0 && !force) {
        const auto answer = prompt->information(
            parentWidget, kTitle,
            tr("Brisko Tool đã có phiên bản %1.\nBạn có muốn tải & cập nhật ngay không?").arg(ver),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            finishWithoutUpdate();
            sendUpdateEvent(QStringLiteral("ask"), QStringLiteral("no"));
            return;
        }
        sendUpdateEvent(QStringLiteral("ask"), QStringLiteral("yes"));
    } else if (!is_retry) {
        const auto answer = prompt->information(
            parentWidget, kTitle,
            tr("Phiên bản Brisko Tool của bạn quá cũ.<br>Chọn <b>Ok</b> để cập nhật lên phiên "
               "bản %1.")
                .arg(ver),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            sendUpdateEvent(QStringLiteral("ask-force"), QStringLiteral("no"));
            quitProgram(1); // an outdated program may not go on
            return;
        }
        sendUpdateEvent(QStringLiteral("ask-force"), QStringLiteral("yes"));
    }
    startDownload(data);
}

void UpdateHelper::startDownload(const QString& data) {
    // "url" or "url;sha256"
    const QStringList pieces = data.split(QLatin1Char(';'));
    const QString url = pieces.at(0);
    const QString checksum = pieces.size() >= 2 ? pieces.at(1) : QString();
    setupPath = tempFolder() + QStringLiteral("/BriskoSetup.bin");
    delete dialog.data();
    dialog = new SimpleDownloadDialog(url, setupPath, checksum, kTitle,
                                      tr("Đang tải tập tin cập nhật..."), parentWidget);
    dialog->setWindowModality(Qt::ApplicationModal);
    // Queued: a retry shows the dialog again, which must not happen inside its done().
    connect(dialog.data(), &QDialog::finished, this, &UpdateHelper::downloadFinished,
            Qt::QueuedConnection);
    dialog->show();
}

void UpdateHelper::downloadFinished(int result) {
    UserPrompt* prompt = UserPrompt::current();
    if (result == SimpleDownloadDialog::Downloaded) {
        sendUpdateEvent(QStringLiteral("download"), downloadLabel(result));
        execute_update(QFile::encodeName(setupPath).toStdString());
        return;
    }
    if (result == SimpleDownloadDialog::TextPage) {
        prompt->warning(parentWidget, kTitle,
                        tr("Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại "
                           "sau<br>Hoặc tải trực tiếp tại %1")
                            .arg(webLink()),
                        QMessageBox::Ok);
        finishWithoutUpdate();
        sendUpdateEvent(QStringLiteral("download"), downloadLabel(result));
        return;
    }
    sendUpdateEvent(QStringLiteral("download"), downloadLabel(result));
    const auto answer =
        prompt->warning(parentWidget, kTitle, tr("Cập nhật đã bị hủy hoặc bị lỗi khi tải về"),
                        QMessageBox::Retry | QMessageBox::Cancel);
    if (answer == QMessageBox::Retry && dialog) {
        sendUpdateEvent(QStringLiteral("download-retry"), QStringLiteral("retry"));
        dialog->show();
        return;
    }
    finishWithoutUpdate();
    sendUpdateEvent(QStringLiteral("download-retry"), QStringLiteral("cancel"));
}

void UpdateHelper::execute_update(std::string fn) {
    SettingsStore settings;
    // On disk before the program ends (quitProgram), not before the script starts: it
    // waits for this process to end.
    settings.setValue(SettingsKeys::UpdateStatus, QStringLiteral("updating"));
    const QString setup = QFile::decodeName(QByteArray::fromStdString(fn));
    const QString script = setup.left(setup.size() - 4) + QStringLiteral(".sh");
    const QString statusFile = installStatusPath();
    QDir().mkpath(QFileInfo(statusFile).absolutePath());
    QFile::remove(statusFile);
    const bool started =
        QFile::setPermissions(setup, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
        platform::writeFileAtomically(script,
                                      installScript(setup, platform::programFilePath(), statusFile,
                                                    QCoreApplication::applicationPid())) &&
        // QProcess starts it in a session of its own, so it outlives us.
        platform::systemActions().startDetached(QStringLiteral("/bin/sh"), {script});
    if (!started) {
        // Nothing will install the update: say so at the next start, and go on now.
        qWarning("update: the install script could not be started");
        QFile::remove(setup);
        QFile::remove(script);
        settings.setValue(SettingsKeys::UpdateStatus, kError);
        finishWithoutUpdate();
        return;
    }
    quitProgram(0);
}

namespace {

std::function<void(int)>& programEnd() {
    static std::function<void(int)> end;
    return end;
}

} // namespace

void UpdateHelper::setProgramEnd(std::function<void(int status)> end) {
    programEnd() = std::move(end);
}

void UpdateHelper::quitProgram(int status) {
    if (programEnd()) {
        programEnd()(status);
        return;
    }
    QString error;
    if (!SettingsStore().sync(&error))
        qWarning("update: the settings could not be written: %s", qUtf8Printable(error));
    std::exit(status);
}

void UpdateHelper::finishWithoutUpdate() {
    if (callback)
        callback();
}

void UpdateHelper::sendUpdateEvent(const QString& action, const QString& label) {
    if (analytics)
        analytics->sendEvent(QStringLiteral("autoupdate"), action, label, 0);
}

QString UpdateHelper::webLink() {
    const QString site = QStringLiteral("www.") + QString::fromStdString(hosts::webHost());
    return QStringLiteral("<a href=\"https://%1/briskoapp\">%1</a>").arg(site);
}

QString UpdateHelper::installStatusPath() {
    return platform::userDataFolder() + QStringLiteral("/update-status");
}

void UpdateHelper::foldInstallStatus() {
    QFile file(installStatusPath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString status = QString::fromUtf8(file.readAll()).trimmed();
    file.close();
    if (status == kSuccess || status == kError) {
        SettingsStore settings;
        settings.setValue(SettingsKeys::UpdateStatus, status);
        if (!settings.sync())
            return; // keep the file for the next start
    }
    file.remove();
}

QByteArray UpdateHelper::installScript(const QString& setup, const QString& program,
                                       const QString& statusFile, qint64 waitForPid) {
    // Joined, not filled in with arg(): a path may contain "%1" itself.
    const QString head = QStringLiteral("#!/bin/sh\n"
                                        "# Installs an update of Brisko Tool, records the "
                                        "outcome, starts the program again\n"
                                        "# and removes the setup program and itself.\n") +
                         QStringLiteral("SETUP=") + shellQuoted(setup) + QLatin1Char('\n') +
                         QStringLiteral("PROGRAM=") + shellQuoted(program) + QLatin1Char('\n') +
                         QStringLiteral("STATUS_FILE=") + shellQuoted(statusFile) +
                         QLatin1Char('\n') + QStringLiteral("OLD_PID=") +
                         QString::number(waitForPid) + QLatin1Char('\n');
    const char* body =
        "\n"
        "# The program that started us quits at once; let it go before anything changes.\n"
        "tries=0\n"
        "while [ \"$OLD_PID\" -gt 0 ] && kill -0 \"$OLD_PID\" 2>/dev/null && "
        "[ \"$tries\" -lt 100 ]; do\n"
        "    sleep 0.1\n"
        "    tries=$((tries + 1))\n"
        "done\n"
        "\n"
        "STATUS=error\n"
        "if \"$SETUP\" /SILENT /NOCANCEL; then\n"
        "    STATUS=success\n"
        "fi\n"
        "printf '%s\\n' \"$STATUS\" > \"$STATUS_FILE.new\" &&\n"
        "    mv -f \"$STATUS_FILE.new\" \"$STATUS_FILE\"\n"
        "\n"
        "\"$PROGRAM\" </dev/null >/dev/null 2>&1 &\n"
        "\n"
        "rm -f \"$SETUP\"\n"
        "rm -f \"$0\"\n";
    return head.toUtf8() + body;
}
