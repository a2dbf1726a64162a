#include "download/downloadhistory.h"

#include "api/apiresult.h"
#include "api/fileapi.h"
#include "core/actionthread.h"
#include "core/crypto.h"
#include "core/globals.h"
#include "core/megafile.h"
#include "core/ruridudi.h"
#include "download/downloadenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <memory>

namespace {

// Hashed as these 26 bytes, without a terminating zero.
const std::string kPassphrase = "quiet harbor lantern seven";

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

double progressFromText(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value > 0.0 && value < 1.0 ? value : 0.0;
}

} // namespace

QByteArray DownloadHistory::document(const QList<DownloadFile*>& jobs, const QString& user,
                                     const QDateTime& created) {
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("downloadfiles"));
    writer.writeAttribute(QStringLiteral("created"), created.toString(Qt::ISODate));
    writer.writeAttribute(QStringLiteral("user"), user);
    int finishedCount = 0;
    for (const DownloadFile* job : jobs) {
        const bool finished = job->isFinished();
        if (finished && finishedCount >= kMaxFinished)
            continue;
        if (finished)
            ++finishedCount;
        writeEntry(writer, *job);
    }
    writer.writeEndDocument();
    return bytes;
}

void DownloadHistory::writeEntry(QXmlStreamWriter& writer, const DownloadFile& job) {
    writer.writeStartElement(QStringLiteral("file"));
    writer.writeAttribute(QStringLiteral("path"), job.getPath());
    writer.writeAttribute(QStringLiteral("desc"), job.getDesc());
    writer.writeAttribute(QStringLiteral("url"), job.getUrl());
    writer.writeAttribute(QStringLiteral("size"), QString::number(job.getSize()));
    writer.writeAttribute(QStringLiteral("type_file"), job.getTypeFile());
    const double progress = job.progress();
    if (progress > 0.0 && progress < 1.0)
        writer.writeAttribute(QStringLiteral("progress"), QString::number(progress, 'g', 6));
    if (job.isFinished())
        writer.writeAttribute(QStringLiteral("status"), QStringLiteral("true"));
    else
        writer.writeAttribute(QStringLiteral("session"), job.getSession());
    writePassword(writer, job.getPassword());
    writer.writeCharacters(job.getName());
    writer.writeEndElement();
}

void DownloadHistory::writePassword(QXmlStreamWriter& writer, const QString& password) {
    if (password.trimmed().isEmpty())
        return;
    if (isLatin1(password)) {
        const std::string cipher = aesEncrypt(bytesOf(password.toLatin1()), kPassphrase);
        if (!holdsUnstorableByte(cipher)) {
            writer.writeAttribute(QStringLiteral("pwd"),
                                  QString::fromLatin1(cipher.data(), int(cipher.size())));
            return;
        }
    }
    const std::string cipher = aesEncrypt(bytesOf(password.toUtf8()), kPassphrase);
    const QByteArray raw(cipher.data(), int(cipher.size()));
    writer.writeAttribute(QStringLiteral("pwd_b64"), QString::fromLatin1(raw.toBase64()));
}

QString DownloadHistory::readPassword(const QXmlStreamAttributes& attributes) {
    if (attributes.hasAttribute(QLatin1String("pwd_b64"))) {
        const auto decoded = QByteArray::fromBase64Encoding(
            attributes.value(QLatin1String("pwd_b64")).toLatin1(),
            QByteArray::AbortOnBase64DecodingErrors);
        if (decoded) {
            const std::string plain = aesDecrypt(bytesOf(*decoded), kPassphrase);
            return QString::fromUtf8(plain.data(), int(plain.size()));
        }
    }
    if (!attributes.hasAttribute(QLatin1String("pwd")))
        return QString();
    const QByteArray cipher = attributes.value(QLatin1String("pwd")).toLatin1();
    const std::string plain = aesDecrypt(bytesOf(cipher), kPassphrase);
    return QString::fromLatin1(plain.data(), int(plain.size()));
}

DownloadHistory::SaveResult DownloadHistory::write(const QString& path,
                                                   const QByteArray& document) {
    // The document lands in the list file's own folder, so that is the volume to ask.
    qint64 total = 0;
    qint64 freeBytes = 0;
    if (DownloadEnvironment::current().diskSpace(QFileInfo(path).absolutePath(), total,
                                                 freeBytes) &&
        document.size() > freeBytes + kFreeSpaceSlack)
        return SaveResult::NoRoom;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::WriteFailed;
    if (file.write(document) != document.size()) {
        file.cancelWriting();
        return SaveResult::WriteFailed;
    }
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

DownloadHistory::Loaded DownloadHistory::load(const QString& path, const SizeLookup& sizeOf) {
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return loaded;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("downloadfiles"))
            loaded.jobs += parseDownloadList(reader, sizeOf);
    }
    if (reader.hasError()) {
        loaded.broken = true;
        loaded.error = reader.errorString();
    }
    return loaded;
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
    const auto text = [&](const char* name) {
        return attributes.value(QLatin1String(name)).toString();
    };
    const bool finished = attributes.hasAttribute(QLatin1String("status")) &&
                          text("status") == QLatin1String("true");
    if (finished && ++finishedCount > kMaxFinished)
        return nullptr;
    const QString url = text("url");
    const qint64 size = sizeFromText(text("size"), finished, url, sizeOf);
    const double progress = progressFromText(text("progress"));
    const QString password = readPassword(attributes);
    const QString name = xmlElementText(reader);
    auto* job = new DownloadFile(name, text("path"), QString(), text("desc"), text("type_file"),
                                 QString(), url, password, size);
    job->setSession(text("session"));
    job->setProgress(progress);
    job->setFinished(finished);
    return job;
}

qint64 DownloadHistory::serviceSize(const QString& url) {
    const std::string link = bytesOf(url.toLatin1());
    for (int round = 0; round < 2; ++round) {
        brisko::file_api api(&apiClient);
        const std::unique_ptr<brisko::file> record(api.get(link));
        if (record)
            return record->get_size();
        if (api.get_error_code() != brisko::kCodeSessionExpired || round > 0 || !currentUser)
            return 0;
        ActionThread::reLogin(currentUser->getEmail(), currentUser->getPassword());
    }
    return 0;
}
