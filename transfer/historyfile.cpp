#include "transfer/historyfile.h"

#include "platform/atomicfile.h"
#include "transfer/transferenvironment.h"

#include <QFileInfo>

#include <cmath>

namespace historyfile {

void appendEscaped(QString& out, const QString& text, bool attribute) {
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* run = begin; // start of the characters not yet appended
    for (const QChar* c = begin; c != end; ++c) {
        const char16_t u = c->unicode();
        if (u > 0x3e && u < 0xd800) // the common case: nothing to do
            continue;
        const char* replacement = nullptr;
        bool drop = false;
        bool unpaired = false;
        switch (u) {
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '&':
            replacement = "&amp;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '\t':
            replacement = attribute ? "&#9;" : nullptr;
            break;
        case '\n':
            replacement = attribute ? "&#10;" : nullptr;
            break;
        case '\r':
            // Also in text: a reader turns a raw one into a line feed, or drops it.
            replacement = "&#13;";
            break;
        default:
            drop = u < 0x20 || u == 0xfffe || u == 0xffff;
            if (QChar::isHighSurrogate(u) && c + 1 != end && (c + 1)->isLowSurrogate()) {
                ++c;
                continue;
            }
            unpaired = QChar::isSurrogate(u);
            break;
        }
        if (!replacement && !drop && !unpaired)
            continue;
        out.append(run, int(c - run));
        if (replacement)
            out += QLatin1String(replacement);
        if (unpaired)
            out += QChar(QChar::ReplacementCharacter);
        run = c + 1;
    }
    out.append(run, int(end - run));
}

void appendAttribute(QString& out, const char* name, const QString& value) {
    out += QLatin1Char(' ');
    out += QLatin1String(name);
    out += QLatin1String("=\"");
    appendEscaped(out, value, true);
    out += QLatin1Char('"');
}

double progressFromText(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value > 0.0 && value < 1.0 ? value : 0.0;
}

SaveResult write(const QString& path, const QByteArray& document) {
    qint64 total = 0;
    qint64 freeBytes = 0;
    if (TransferEnvironment::current().diskSpace(QFileInfo(path).absolutePath(), total,
                                                 freeBytes) &&
        document.size() > freeBytes + kFreeSpaceSlack)
        return SaveResult::NoRoom;
    return platform::writeFileAtomically(path, document) ? SaveResult::Saved
                                                         : SaveResult::WriteFailed;
}

} // namespace historyfile
