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

// The toolkit's texts on the standard buttons of the program's boxes, in the toolkit's own
// contexts (the generic one and GNOME's). The program's catalogues carry them, so that the
// buttons read in the window's language also where the system has no toolkit catalogue for
// it (none is made for Vietnamese); a toolkit catalogue, where there is one, comes first.
[[maybe_unused]] const char* const kToolkitButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"), QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),      QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Close"),
};

// The toolkit's file and folder chooser (every chooser of the program is the toolkit's own
// dialog), in its contexts, for the same reason: its labels, buttons, column titles, tool
// tips, menus and questions read in the window's language, not half in English.
[[maybe_unused]] const char* const kToolkitChooserTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "Look in:"),
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Directory:"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Open"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Choose"),
    QT_TRANSLATE_NOOP("QFileDialog", "Open"),
    QT_TRANSLATE_NOOP("QFileDialog", "Save As"),
    QT_TRANSLATE_NOOP("QFileDialog", "Find Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)"),
    QT_TRANSLATE_NOOP("QFileDialog", "Directories"),
    QT_TRANSLATE_NOOP("QFileDialog", "Back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "List View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Detail View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go to the parent directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create a New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to list view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to detail view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Left"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Right"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Up"),
    QT_TRANSLATE_NOOP("QFileDialog", "List of places and bookmarks"),
    QT_TRANSLATE_NOOP("QFileDialog", "Sidebar"),
    QT_TRANSLATE_NOOP("QFileDialog", "Recent Places"),
    QT_TRANSLATE_NOOP("QFileDialog", "Remove"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Rename"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files"),
    QT_TRANSLATE_NOOP("QFileDialog", "&New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show "),
    QT_TRANSLATE_NOOP("QFileDialog", "Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "Are you sure you want to delete '%1'?"),
    QT_TRANSLATE_NOOP("QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?"),
    QT_TRANSLATE_NOOP("QFileDialog", "Could not delete directory."),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
    QT_TRANSLATE_NOOP("QFileDialog",
                      "%1\nFile not found.\nPlease verify the correct file name was given."),
    QT_TRANSLATE_NOOP("QFileDialog", "%1\nDirectory not found.\nPlease verify the correct "
                                     "directory name was given."),
    QT_TRANSLATE_NOOP("QFileDialog", "Drive"),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 File"),
    QT_TRANSLATE_NOOP("QFileDialog", "File"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Name"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Size"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Computer"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename"),
    QT_TRANSLATE_NOOP("QFileSystemModel",
                      "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with "
                      "fewer characters or no punctuation marks."),
};
// The two the toolkit asks for with a comment, which is part of what it looks up.
[[maybe_unused]] const struct {
    const char* source;
    const char* comment;
} kToolkitChooserTextsWithComment[] = {
    QT_TRANSLATE_NOOP3("QFileDialog", "Folder", "All other platforms"),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Type", "All other platforms"),
};

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
