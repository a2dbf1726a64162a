#include "download/downloadhistory.h"

#include "api/apiresult.h"
#include "api/fileapi.h"
#include "core/crypto.h"
#include "core/globals.h"
#include "core/megafile.h"
#include "core/ruridudi.h"
#include "core/servicecall.h"
#include "transfer/historyfile.h"
#include "transfer/transferenvironment.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

namespace {

using historyfile::appendAttribute;
using historyfile::appendEscaped;
using historyfile::progressFromText;

// Hashed as these 26 bytes, without a terminating zero.
const std::string kPassphrase = "quiet harbor lantern seven";

const AesCipher& passwordCipher() {
    static const AesCipher cipher(kPassphrase);
    return cipher;
}

// Above this a stored floating-point size is nonsense, not a file.
constexpr double kLargestSize = 9.0e18;

std::string bytesOf(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool isLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// Bytes XML 1.0 has no form for, not even a character reference.
bool holdsUnstorableByte(const std::string& bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
            return true;
    }
    return false;
}

qint64 sizeFromText(const QString& text, bool finished, const QString& url,
                    const DownloadHistory::SizeLookup& sizeOf) {
    if (!text.contains(QLatin1String("e+")))
        return text.toLongLong(); // 0 when not a number
    if (!finished) // the transfer compares the local file with it: ask for the exact size
        return sizeOf ? sizeOf(url) : 0;
    const double value = text.toDouble();
    if (!std::isfinite(value) || std::fabs(value) > kLargestSize)
        return 0;
    return static_cast<qint64>(value); // truncated toward zero
}

// The stored fraction of an unfinished download; without one, what its partial file on
// disk holds of the size.
double restoredProgress(const QString& text, const QString& path, qint64 size) {
    const double stored = progressFromText(text);
    if (stored > 0.0 || size <= 0)
        return stored;
    const QFileInfo partial(path);
    if (!partial.isFile() || partial.size() >= size)
        return 0.0;
    return double(partial.size()) / double(size);
}

} // namespace

QVector<DownloadHistory::Entry> DownloadHistory::snapshot(const QList<DownloadFile*>& jobs) {
    return historyfile::snapshot<Entry>(jobs, kMaxFinished, [](const DownloadFile& job) {
        Entry entry;
        entry.name = job.getName();
        entry.path = job.getPath();
        entry.desc = job.getDesc();
        entry.url = job.getUrl();
        entry.typeFile = job.getTypeFile();
        entry.session = job.getSession();
        entry.password = job.getPassword();
        entry.size = job.getSize();
        entry.progress = job.progress();
        return entry;
    });
}

QByteArray DownloadHistory::document(const QList<DownloadFile*>& jobs, const QString& user,
                                     const QDateTime& created) {
    return document(snapshot(jobs), user, created);
}

QByteArray DownloadHistory::document(const QVector<Entry>& entries, const QString& user,
                                     const QDateTime& created) {
    return historyfile::document("downloadfiles", entries, user, created, &writeEntry);
}

void DownloadHistory::writeEntry(QString& out, const Entry& entry) {
    out += QLatin1String("\n    <file");
    appendAttribute(out, "path", entry.path);
    appendAttribute(out, "desc", entry.desc);
    appendAttribute(out, "url", entry.url);
    appendAttribute(out, "size", QString::number(entry.size));
    appendAttribute(out, "type_file", entry.typeFile);
    if (entry.progress > 0.0 && entry.progress < 1.0)
        appendAttribute(out, "progress", QString::number(entry.progress, 'g', 6));
    if (entry.finished)
        appendAttribute(out, "status", QStringLiteral("true"));
    else
        appendAttribute(out, "session", entry.session);
    const QPair<QString, QString> password = passwordAttribute(entry.password);
    if (!password.first.isEmpty())
        appendAttribute(out, password.first.toLatin1().constData(), password.second);
    out += QLatin1Char('>');
    appendEscaped(out, entry.name, false);
    out += QLatin1String("</file>");
}

QPair<QString, QString> DownloadHistory::passwordAttribute(const QString& password) {
    if (password.trimmed().isEmpty())
        return {};
    if (isLatin1(password)) {
        const std::string cipher = passwordCipher().encrypt(bytesOf(password.toLatin1()));
        if (!holdsUnstorableByte(cipher))
            return {QStringLiteral("pwd"), QString::fromLatin1(cipher.data(), int(cipher.size()))};
    }
    const std::string cipher = passwordCipher().encrypt(bytesOf(password.toUtf8()));
    const QByteArray raw(cipher.data(), int(cipher.size()));
    return {QStringLiteral("pwd_b64"), QString::fromLatin1(raw.toBase64())};
}

QString DownloadHistory::readPassword(const QXmlStreamAttributes& attributes) {
    if (attributes.hasAttribute(QLatin1String("pwd_b64"))) {
        const auto decoded =
            QByteArray::fromBase64Encoding(attributes.value(QLatin1String("pwd_b64")).toLatin1(),
                                           QByteArray::AbortOnBase64DecodingErrors);
        if (decoded) {
            const std::string plain = passwordCipher().decrypt(bytesOf(*decoded));
            return QString::fromUtf8(plain.data(), int(plain.size()));
        }
    }
    if (!attributes.hasAttribute(QLatin1String("pwd")))
        return QString();
    const QByteArray cipher = attributes.value(QLatin1String("pwd")).toLatin1();
    const std::string plain = passwordCipher().decrypt(bytesOf(cipher));
    return QString::fromLatin1(plain.data(), int(plain.size()));
}

DownloadHistory::SaveResult DownloadHistory::write(const QString& path,
                                                   const QByteArray& document) {
    return historyfile::write(path, document);
}

DownloadHistory::Loaded DownloadHistory::load(const QString& path, const SizeLookup& sizeOf) {
    return historyfile::load<DownloadFile>(
        path, "downloadfiles", [&sizeOf](QXmlStreamReader& reader, QList<DownloadFile*>& jobs) {
            jobs += parseDownloadList(reader, sizeOf);
        });
}

QList<DownloadFile*> DownloadHistory::parseDownloadList(QXmlStreamReader& reader,
                                                        const SizeLookup& sizeOf) {
    QList<DownloadFile*> jobs;
    if (!reader.isStartElement() || reader.name() != QLatin1String("downloadfiles"))
        return jobs;
    int finishedCount = 0;
    reader.readNext();
    while (!reader.atEnd() && !reader.hasError() &&
           !(reader.isEndElement() && reader.name() == QLatin1String("downloadfiles"))) {
        if (reader.isStartElement() && reader.name() == QLatin1String("file")) {
            if (DownloadFile* job = readEntry(reader, finishedCount, sizeOf))
                jobs.append(job);
        }
        reader.readNext();
    }
    return jobs;
}

DownloadFile* DownloadHistory::readEntry(QXmlStreamReader& reader, int& finishedCount,
                                         const SizeLookup& sizeOf) {
    const QXmlStreamAttributes attributes = reader.attributes();
    QString path, desc, url, size, typeFile, session, progress;
    bool finished = false;
    for (const QXmlStreamAttribute& attribute : attributes) {
        const QStringRef name = attribute.name();
        if (name == QLatin1String("path"))
            path = attribute.value().toString();
        else if (name == QLatin1String("desc"))
            desc = attribute.value().toString();
        else if (name == QLatin1String("url"))
            url = attribute.value().toString();
        else if (name == QLatin1String("size"))
            size = attribute.value().toString();
        else if (name == QLatin1String("type_file"))
            typeFile = attribute.value().toString();
        else if (name == QLatin1String("session"))
            session = attribute.value().toString();
        else if (name == QLatin1String("progress"))
            progress = attribute.value().toString();
        else if (name == QLatin1String("status"))
            finished = attribute.value() == QLatin1String("true");
    }
    if (finished && ++finishedCount > kMaxFinished)
        return nullptr;
    const QString password = readPassword(attributes);
    const QString name = xmlElementText(reader);
    auto* job = new DownloadFile(name, path, QString(), desc, typeFile, QString(), url, password,
                                 sizeFromText(size, finished, url, sizeOf));
    job->setSession(session);
    job->setProgress(finished ? 0.0 : restoredProgress(progress, path, job->getSize()));
    job->setFinished(finished);
    return job;
}

qint64 DownloadHistory::serviceSize(const QString& url) {
    const std::string link = bytesOf(url.toLatin1());
    qint64 size = 0;
    callWithReLogin<brisko::file_api>([&](brisko::file_api& api) {
        const std::unique_ptr<brisko::file> record(api.get(link));
        if (record)
            size = record->get_size();
        return record != nullptr;
    });
    return size;
}
