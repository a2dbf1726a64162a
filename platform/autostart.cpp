#include "platform/autostart.h"

#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Characters that force an argument into double quotes.
bool needsQuotes(const QString& arg) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (arg.isEmpty())
        return true;
    for (const QChar c : arg) {
        if (reserved.contains(c))
            return true;
    }
    return false;
}

QString quoteArgument(const QString& arg) {
    QString out = arg;
    if (needsQuotes(arg)) {
        out.clear();
        for (const QChar c : arg) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                out += '\\';
            out += c;
        }
        out = '"' + out + '"';
    }
    // A literal percent sign would otherwise be read as a field code.
    out.replace('%', QStringLiteral("%%"));
    return out;
}

// The escapes of a desktop-entry string value, applied over the quoted line.
QString escapeStringValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (c == '\n')
            out += QStringLiteral("\\n");
        else if (c == '\t')
            out += QStringLiteral("\\t");
        else if (c == '\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

} // namespace

namespace platform {

QString autostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/briskotool.desktop");
}

QString desktopExecLine(const QString& program, const QStringList& arguments) {
    QStringList parts{quoteArgument(program)};
    for (const QString& arg : arguments)
        parts << quoteArgument(arg);
    return escapeStringValue(parts.join(' '));
}

bool writeAutostartEntry(const QString& program, const QStringList& arguments) {
    const QString path = autostartEntryPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Brisko Tool\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(desktopExecLine(program, arguments));
    QString error;
    if (!writeFileAtomically(path, entry.toUtf8(), &error)) {
        qWarning("Cannot write %s: %s", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

bool removeAutostartEntry() {
    QFile file(autostartEntryPath());
    if (!file.exists())
        return true;
    if (file.remove())
        return true;
    qWarning("Cannot remove %s: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
    return false;
}

} // namespace platform
