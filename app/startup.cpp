#include "app/startup.h"

#include "api/curlhandle.h"
#include "core/proxysettings.h"
#include "core/userprompt.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QTextCodec>
#include <QThread>
#include <QTranslator>
#include <QWidget>

namespace startup {

namespace {

constexpr int kUtf8Mib = 106;

} // namespace

void useUtf8ForLocalText() {
    const QTextCodec* codec = QTextCodec::codecForLocale();
    if (!codec || codec->mibEnum() != kUtf8Mib)
        QTextCodec::setCodecForLocale(QTextCodec::codecForMib(kUtf8Mib));
}

QString buildStartupMessage(const QStringList& arguments, const QString& currentFolder) {
    if (arguments.isEmpty())
        return QString();
    if (arguments.first() == QLatin1String("-d"))
        return arguments.join(QLatin1Char('|'));
    const QDir folder(currentFolder);
    QStringList paths;
    for (const QString& argument : arguments)
        paths << QDir::cleanPath(folder.absoluteFilePath(argument));
    return paths.join(QLatin1Char('|'));
}

HandOver handOver(SingleInstance& instance, const QString& message, int budgetMs, int pauseMs) {
    HandOver result;
    result.otherCopyRuns = instance.isRunning();
    if (!result.otherCopyRuns)
        return result;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        ++result.attempts;
        const int left = qMax(1, budgetMs - int(clock.elapsed()));
        if (instance.sendMessage(message, left)) {
            result.delivered = true;
            return result;
        }
        if (clock.elapsed() + pauseMs >= budgetMs)
            return result;
        QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
}

QNetworkProxy chosenProxy(const SettingsStore& settings) {
    QString host;
    int port = 0;
    switch (settings.integer(SettingsKeys::UseProxy, 0)) {
    case 1: { // the system's
        const QString system = getSystemProxy();
        if (system.trimmed().isEmpty())
            break;
        const QStringList parts = system.split(QLatin1Char(':'));
        host = parts.at(0);
        port = parts.value(1).toInt();
        break;
    }
    case 2: // typed in the options
        host = settings.text(SettingsKeys::HttpProxy);
        port = settings.integer(SettingsKeys::HttpPort, 0);
        break;
    default:
        break;
    }
    if (host.isEmpty())
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, static_cast<quint16>(port));
}

void applyProxy(const SettingsStore& settings) {
    const QNetworkProxy proxy = chosenProxy(settings);
    if (proxy.type() == QNetworkProxy::HttpProxy)
        QNetworkProxy::setApplicationProxy(proxy);
    utils::set_proxy_provider(&applyProxySettings);
}

bool loadTranslation(QTranslator& translator, SettingsStore& settings) {
    if (settings.text(SettingsKeys::Language).isEmpty())
        settings.setValue(SettingsKeys::Language, QStringLiteral("brisko_vi.qm"));
    const QString file = platform::programFolder() + QStringLiteral("/lang/") +
                         settings.text(SettingsKeys::Language);
    const bool loaded = translator.load(file);
    QCoreApplication::installTranslator(&translator);
    return loaded;
}

bool loadToolkitTranslation(QTranslator& translator, const SettingsStore& settings) {
    // "brisko_ja.qm" names the language "ja".
    static const QRegularExpression name(QStringLiteral("^brisko_([A-Za-z_]+)\\.qm$"));
    const QRegularExpressionMatch match = name.match(settings.text(SettingsKeys::Language));
    if (!match.hasMatch())
        return false;
    if (!translator.load(QStringLiteral("qtbase_") + match.captured(1),
                         QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

void tellLockFailure(const QString& folder) {
    qWarning("cannot run: the single-copy lock cannot be written in %s", qUtf8Printable(folder));
    UserPrompt::current()->critical(
        nullptr, QCoreApplication::translate("QApplication", "Lỗi!"),
        QCoreApplication::translate(
            "QApplication",
            "Brisko Tool không thể chạy: không ghi được tệp khóa vào thư mục tạm\n%1\n"
            "Ổ đĩa có thể đã đầy hoặc chỉ cho phép đọc. Hãy giải phóng dung lượng hoặc "
            "kiểm tra quyền ghi, rồi mở lại chương trình.")
            .arg(QDir::toNativeSeparators(folder)),
        QMessageBox::Ok, QMessageBox::NoButton);
}

void installCaBundle(const QString& path) {
    utils::set_ca_path(QFile::encodeName(path).toStdString());
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(path, QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
    QSslConfiguration::setDefaultConfiguration(tls);
}

void activateWindow(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace startup
