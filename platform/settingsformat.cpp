#include "platform/settingsformat.h"

#include <QDataStream>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QtEndian>

#include <algorithm>

// The reading follows QSettings' own INI reader step by step (its line rules, its escapes,
// its lists), so that a file means here what it means to every other reader of it; the
// writing is what QSettings writes for the same values, without a text codec, lines ended
// by "\n".

namespace settingsformat {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

bool isHexDigit(uint c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One logical line: a key line, a section line, or nothing when only blanks and comments
// were left. A quoted text may run over line ends, and a backslash joins two lines.
struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;
    bool quoteSpansLines = false;
    bool quoteOpen = false;
};

bool readLine(const QByteArray& data, int& pos, Line& line) {
    const int size = data.size();
    bool inQuotes = false;
    line = Line();
    int start = pos;
    while (start < size && isSpace(data.at(start)))
        ++start;
    int i = start;
    while (i < size) {
        char ch = data.at(i);
        while (!isSpecial(ch)) {
            if (++i == size)
                break;
            ch = data.at(i);
        }
        if (i == size)
            break;
        ++i;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            } else {
                line.quoteSpansLines = true;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';': a comment when it starts the line, else the end of the line
            if (i == start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isSpace(data.at(i)))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    line.quoteOpen = inQuotes;
    return line.length > 0;
}

QString unescapeKey(const QByteArray& key, int from, int to) {
    QString result;
    result.reserve(to - from);
    int i = from;
    while (i < to) {
        int ch = uchar(key.at(i));
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(char(ch));
            ++i;
            continue;
        }
        int digits = 2;
        int first = i + 1;
        if (key.at(i + 1) == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        if (first + digits <= to)
            ch = key.mid(first, digits).toInt(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(ch);
        i = first + digits;
    }
    return result;
}

void chopTrailingSpaces(QString& text, int limit) {
    int n = text.size() - 1;
    while (n >= limit && (text.at(n) == QLatin1Char(' ') || text.at(n) == QLatin1Char('\t')))
        text.truncate(n--);
}

char escapeCode(char c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// The value of a key line: its escapes, quotes and list commas, as QSettings reads them.
class ValueReader {
public:
    ValueReader(const QByteArray& bytes, int from, int to, bool utf8)
        : str(bytes), i(from), to(to), utf8(utf8) {}

    Value read() {
        State state = SkipSpaces;
        while (state != End) {
            switch (state) {
            case SkipSpaces:
                while (i < to && (str.at(i) == ' ' || str.at(i) == '\t'))
                    ++i;
                state = enterNormal();
                break;
            case Normal:
                state = normal();
                break;
            case HexEscape:
                state = number(16);
                break;
            case OctEscape:
                state = number(8);
                break;
            case End:
                break;
            }
        }
        if (isList) {
            items.append(current);
            return Value{items, true};
        }
        return Value{QStringList{current}, false};
    }

private:
    enum State { SkipSpaces, Normal, HexEscape, OctEscape, End };

    State enterNormal() {
        chopLimit = current.size();
        return Normal;
    }

    State normal() {
        while (i < to) {
            switch (str.at(i)) {
            case '\\': {
                ++i;
                if (i >= to)
                    return End;
                const char ch = str.at(i++);
                if (const char code = escapeCode(ch)) {
                    current += QLatin1Char(code);
                    return enterNormal();
                }
                if (ch == 'x') {
                    escapeValue = 0;
                    if (i >= to)
                        return End;
                    if (isHexDigit(uchar(str.at(i))))
                        return HexEscape;
                } else if (ch >= '0' && ch <= '7') {
                    escapeValue = uint(ch - '0');
                    return OctEscape;
                } else if (ch == '\n' || ch == '\r') {
                    if (i < to) {
                        const char next = str.at(i);
                        if ((next == '\n' || next == '\r') && next != ch)
                            ++i;
                    }
                }
                // Any other escaped character is left out.
                chopLimit = current.size();
                break;
            }
            case '"':
                ++i;
                currentQuoted = true;
                inQuotes = !inQuotes;
                if (!inQuotes)
                    return SkipSpaces;
                break;
            case ',':
                if (!inQuotes) {
                    if (!currentQuoted)
                        chopTrailingSpaces(current, chopLimit);
                    if (!isList) {
                        isList = true;
                        items.clear();
                    }
                    items.append(current);
                    current.clear();
                    currentQuoted = false;
                    ++i;
                    return SkipSpaces;
                }
                appendRun();
                break;
            default:
                appendRun();
                break;
            }
        }
        if (!currentQuoted)
            chopTrailingSpaces(current, chopLimit);
        return End;
    }

    // Plain characters up to the next one that means something.
    void appendRun() {
        int j = i + 1;
        while (j < to) {
            const char ch = str.at(j);
            if (ch == '\\' || ch == '"' || ch == ',')
                break;
            ++j;
        }
        if (utf8)
            current += QString::fromUtf8(str.constData() + i, j - i);
        else
            current += QLatin1String(str.constData() + i, j - i);
        i = j;
    }

    State number(int base) {
        for (;;) {
            if (i >= to) {
                current += QChar(escapeValue);
                return End;
            }
            char ch = str.at(i);
            int digit = -1;
            if (base == 16) {
                if (ch >= 'a')
                    ch = char(ch - ('a' - 'A'));
                if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))
                    digit = int(strchr(kHexDigits, ch) - kHexDigits);
            } else if (ch >= '0' && ch <= '7') {
                digit = ch - '0';
            }
            if (digit < 0) {
                current += QChar(escapeValue);
                return enterNormal();
            }
            escapeValue = escapeValue * uint(base) + uint(digit);
            ++i;
        }
    }

    const QByteArray& str;
    int i;
    const int to;
    const bool utf8;
    QString current;
    QStringList items;
    bool isList = false;
    bool inQuotes = false;
    bool currentQuoted = false;
    int chopLimit = 0;
    uint escapeValue = 0;
};

void escapeKey(const QString& key, QByteArray& result) {
    for (const QChar qc : key) {
        uint ch = qc.unicode();
        if (ch == '/') {
            result += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                   (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.') {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += kHexDigits[ch / 16];
            result += kHexDigits[ch % 16];
        } else {
            result += "%U";
            char code[4];
            for (int k = 3; k >= 0; --k) {
                code[k] = kHexDigits[ch % 16];
                ch >>= 4;
            }
            result.append(code, 4);
        }
    }
}

void escapeText(const QString& text, QByteArray& result) {
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const int startPos = result.size();
    for (const QChar qc : text) {
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // After a numeric escape a digit would be read as part of it.
        if (escapeNextIfDigit && isHexDigit(ch)) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            result += "\\a";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\v':
            result += "\\v";
            break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes || (startPos < result.size() &&
                        (result.at(startPos) == ' ' || result.at(result.size() - 1) == ' '))) {
        result.insert(startPos, '"');
        result += '"';
    }
}

QStringList splitArgs(const QString& s, int idx) {
    QStringList result;
    QString item;
    for (++idx; idx < s.size(); ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

// The type a streamed value names in its first four bytes, numbered as this Qt numbers
// types; streams older than Qt 5 carry Qt 4's numbers, which QVariant maps so.
int streamedTypeId(const QByteArray& bytes, QDataStream::Version version) {
    if (bytes.size() < 4)
        return QMetaType::UnknownType;
    const quint32 id = qFromBigEndian<quint32>(bytes.constData());
    if (version >= QDataStream::Qt_5_0)
        return int(id);
    if (id == 127)
        return QMetaType::User;
    if (id >= 128 && id != QMetaType::User)
        return int(id - 97);
    if (id == 75)
        return QMetaType::QSizePolicy;
    if (id > 75 && id <= 86)
        return int(id - 1);
    return int(id);
}

// What the program may find streamed in its settings: numbers, booleans, characters and
// texts, and a date and time. Each reads a fixed size, or its text in bounded steps;
// a list, a polygon and the like allocate the count their bytes claim before reading
// one element, so a few damaged bytes ask for all the memory there is.
bool isStreamableType(int type, bool dateTime) {
    if (dateTime)
        return type == QMetaType::QDateTime;
    switch (type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

// The value streamed between the form's "(" at `offset` and its closing ")". Unusable
// (false) unless it is of a type above and its stream reads cleanly to its last byte:
// the type is looked at before anything is streamed.
bool streamed(const QString& s, int offset, bool dateTime, QVariant* result) {
    // As QSettings streams them: a date and time in Qt 5.6's form, the rest in Qt 4.0's.
    const QDataStream::Version version = dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0;
    const QStringRef inner = s.midRef(offset, s.size() - offset - 1);
    for (const QChar c : inner) {
        if (c.unicode() > 0xff)
            return false; // not a byte
    }
    QByteArray bytes = inner.toLatin1();
    if (!isStreamableType(streamedTypeId(bytes, version), dateTime))
        return false;
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant read;
    stream >> read;
    if (stream.status() != QDataStream::Ok || !stream.atEnd() || !read.isValid())
        return false;
    *result = read;
    return true;
}

// What QSettings reads from a stored text; false when the text streams a value the
// program cannot use (see streamed).
bool textToVariant(const QString& s, QVariant* result) {
    *result = QVariant(s);
    if (!s.startsWith(QLatin1Char('@')))
        return true;
    if (s.endsWith(QLatin1Char(')'))) {
        if (s.startsWith(QLatin1String("@ByteArray("))) {
            *result = QVariant(s.midRef(11, s.size() - 12).toLatin1());
            return true;
        }
        if (s.startsWith(QLatin1String("@String("))) {
            *result = QVariant(s.midRef(8, s.size() - 9).toString());
            return true;
        }
        if (s.startsWith(QLatin1String("@Variant(")))
            return streamed(s, 9, false, result);
        if (s.startsWith(QLatin1String("@DateTime(")))
            return streamed(s, 10, true, result);
        if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList args = splitArgs(s, 5);
            if (args.size() == 4) {
                *result = QVariant(
                    QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
                return true;
            }
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList args = splitArgs(s, 5);
            if (args.size() == 2) {
                *result = QVariant(QSize(args[0].toInt(), args[1].toInt()));
                return true;
            }
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList args = splitArgs(s, 6);
            if (args.size() == 2) {
                *result = QVariant(QPoint(args[0].toInt(), args[1].toInt()));
                return true;
            }
        } else if (s == QLatin1String("@Invalid()")) {
            *result = QVariant();
            return true;
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        *result = QVariant(s.mid(1));
    return true;
}

QString variantToText(const QVariant& v) {
    switch (v.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) +
               QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString result = v.toString();
        if (result.contains(QChar::Null))
            return QLatin1String("@String(") + result + QLatin1Char(')');
        if (result.startsWith(QLatin1Char('@')))
            result.prepend(QLatin1Char('@'));
        return result;
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QStringLiteral("@Rect(%1 %2 %3 %4)")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height());
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        return QStringLiteral("@Size(%1 %2)").arg(s.width()).arg(s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        return QStringLiteral("@Point(%1 %2)").arg(p.x()).arg(p.y());
    }
    default: {
        const bool dateTime = v.userType() == QMetaType::QDateTime;
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            s.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") +
               QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
    }
    }
}

} // namespace

QString normalizedKey(const QString& key) {
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

Map::const_iterator findKey(const Map& values, const QString& key) {
    auto it = values.constFind(key);
    if (it != values.cend())
        return it;
    for (it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it;
    }
    return values.cend();
}

Parsed parse(const QByteArray& bytes) {
    Parsed parsed;
    int pos = 0;
    bool utf8 = false;
    if (bytes.startsWith("\xef\xbb\xbf")) {
        utf8 = true;
        pos = 3;
    }
    if (bytes.contains('\0'))
        parsed.damaged = true;
    if (bytes.size() > pos && bytes.back() != '\n' && bytes.back() != '\r')
        parsed.damaged = true; // the last line was cut
    QString section;           // "" for [General], else the name and "/"
    QSet<QString> seen;
    Line line;
    while (readLine(bytes, pos, line)) {
        if (line.quoteSpansLines || line.quoteOpen)
            parsed.damaged = true;
        if (bytes.at(line.start) == '[') {
            const int close = bytes.indexOf(']', line.start);
            QByteArray name;
            if (close == -1 || close >= line.start + line.length) {
                parsed.damaged = true;
                name = bytes.mid(line.start + 1, line.length - 1);
            } else {
                name = bytes.mid(line.start + 1, close - line.start - 1);
            }
            name = name.trimmed();
            if (qstricmp(name.constData(), "general") == 0) {
                section.clear();
                continue;
            }
            if (qstricmp(name.constData(), "%general") == 0)
                section = QLatin1String(name.constData() + 1);
            else
                section = unescapeKey(name, 0, name.size());
            section += QLatin1Char('/');
            continue;
        }
        if (line.equals == -1) {
            parsed.damaged = true;
            continue;
        }
        int keyEnd = line.equals;
        while (keyEnd > line.start && (bytes.at(keyEnd - 1) == ' ' || bytes.at(keyEnd - 1) == '\t'))
            --keyEnd;
        const QString name = unescapeKey(bytes, line.start, keyEnd);
        const QString key = normalizedKey(section + name);
        if (name.isEmpty() || key.isEmpty()) {
            parsed.damaged = true;
            continue;
        }
        if (key != section + name || seen.contains(key))
            parsed.damaged = true;
        seen.insert(key);
        parsed.values.insert(
            key, ValueReader(bytes, line.equals + 1, line.start + line.length, utf8).read());
    }
    return parsed;
}

QByteArray text(const Map& values) {
    // Sections in name order, [General] (no section) first; keys in name order within.
    QMap<QString, QMap<QString, const Value*>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        if (slash == -1)
            sections[QString()][it.key()] = &it.value();
        else
            sections[it.key().left(slash)][it.key().mid(slash + 1)] = &it.value();
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header;
        escapeKey(section.key(), header);
        if (header.isEmpty())
            header = "[General]";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "[%General]"; // as QSettings writes it, whatever the case
        else
            header = '[' + header + ']';
        if (section != sections.cbegin())
            out += '\n';
        out += header;
        out += '\n';
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry) {
            escapeKey(entry.key(), out);
            out += '=';
            const Value& value = *entry.value();
            if (value.list && value.texts.isEmpty()) {
                out += "@Invalid()";
            } else if (value.list) {
                for (int i = 0; i < value.texts.size(); ++i) {
                    if (i != 0)
                        out += ", ";
                    escapeText(value.texts.at(i), out);
                }
            } else {
                escapeText(value.texts.value(0), out);
            }
            out += '\n';
        }
    }
    return out;
}

QVariant toVariant(const Value& value, bool* usable) {
    bool ok = true;
    QVariant result;
    if (!value.list) {
        ok = textToVariant(value.texts.value(0), &result);
    } else if (std::any_of(value.texts.cbegin(), value.texts.cend(), [](const QString& text) {
                   return text.startsWith(QLatin1Char('@')) &&
                          !text.startsWith(QLatin1String("@@"));
               })) {
        QVariantList variants;
        variants.reserve(value.texts.size());
        for (const QString& each : value.texts) {
            QVariant read;
            ok = textToVariant(each, &read) && ok;
            variants.append(read);
        }
        result = variants;
    } else {
        QStringList texts = value.texts;
        for (QString& text : texts) {
            if (text.startsWith(QLatin1String("@@")))
                text.remove(0, 1);
        }
        result = texts;
    }
    if (usable)
        *usable = ok;
    return ok ? result : QVariant();
}

Value fromVariant(const QVariant& value) {
    const int type = value.userType();
    if (type == QMetaType::QStringList ||
        (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        QStringList texts;
        for (const QVariant& each : value.toList())
            texts.append(variantToText(each));
        // A list of one is written as its text, and an empty one as no value at all.
        if (texts.isEmpty())
            return Value{QStringList{QStringLiteral("@Invalid()")}, false};
        return Value{texts, texts.size() > 1};
    }
    return Value{QStringList{variantToText(value)}, false};
}

} // namespace settingsformat
