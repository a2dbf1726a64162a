#include "core/megafile.h"

#include "core/sizetext.h"

namespace {

bool isEntryTag(const QStringRef& name) {
    return name == QLatin1String("FOLDER") || name == QLatin1String("link");
}

int readInt32(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

// Seconds since 1970 (as an unsigned 32-bit count) shown in local time, short form.
QString localCreatedText(const QString& seconds) {
    return localShortDateTime(static_cast<quint32>(readInt32(seconds)));
}

} // namespace

MegaFile::MegaFile() : QObject(nullptr) {}

MegaFile::MegaFile(const MegaFile& other) : QObject(nullptr) {
    copyFields(other);
}

MegaFile::MegaFile(const QString& id, const QString& linkcode, const QString& name,
                   const QString& size, const QString& folder, const QString& downloadCount,
                   const QString& created, const QString& description, bool secure)
    : QObject(nullptr), m_id(id), m_linkcode(linkcode), m_name(name), m_size(size),
      m_description(description), m_folder(folder), m_downloadCount(downloadCount),
      m_created(created), m_secure(secure) {}

MegaFile::MegaFile(QXmlStreamReader& reader) : QObject(nullptr) {
    if (!reader.isStartElement() && isEntryTag(reader.name()))
        return; // standing on an entry's end tag: nothing to read
    reader.readNext();
    while (!(reader.isEndElement() && isEntryTag(reader.name()))) {
        if (reader.isStartElement())
            readField(reader);
        if (reader.atEnd() || reader.hasError())
            break;
        reader.readNext();
    }
}

MegaFile::~MegaFile() = default;

MegaFile& MegaFile::operator=(const MegaFile& other) {
    if (this != &other)
        copyFields(other);
    return *this;
}

bool MegaFile::operator==(const MegaFile& other) const {
    return m_id == other.m_id && m_linkcode == other.m_linkcode;
}

void MegaFile::copyFields(const MegaFile& other) {
    m_id = other.m_id;
    m_linkcode = other.m_linkcode;
    m_name = other.m_name;
    m_size = other.m_size;
    m_description = other.m_description;
    m_folder = other.m_folder;
    m_downloadCount = other.m_downloadCount;
    m_created = other.m_created;
    m_password = other.m_password;
    m_linkStatus = other.m_linkStatus;
    m_secure = other.m_secure;
    m_directDownload = other.m_directDownload;
}

void MegaFile::readField(QXmlStreamReader& reader) {
    const QString name = reader.name().toString();
    if (name == QLatin1String("file_id"))
        m_id = xmlElementText(reader);
    else if (name == QLatin1String("file_linkcode"))
        m_linkcode = xmlElementText(reader);
    else if (name == QLatin1String("file_name_change"))
        m_name = xmlElementText(reader);
    else if (name == QLatin1String("file_size"))
        m_size = xmlElementText(reader);
    else if (name == QLatin1String("file_descr"))
        m_description = xmlElementText(reader);
    else if (name == QLatin1String("file_folder"))
        m_folder = xmlElementText(reader);
    else if (name == QLatin1String("link_status"))
        m_linkStatus = readInt32(xmlElementText(reader));
    else if (name == QLatin1String("file_downloadcount"))
        m_downloadCount = xmlElementText(reader);
    else if (name == QLatin1String("file_created"))
        m_created = localCreatedText(xmlElementText(reader));
    else if (name == QLatin1String("file_secure"))
        m_secure = xmlElementText(reader) != QLatin1String("0");
    else if (name == QLatin1String("file_pwd"))
        m_password = xmlElementText(reader);
    else if (name == QLatin1String("file_direct_dl"))
        m_directDownload = xmlElementText(reader);
}

QString xmlElementText(QXmlStreamReader& reader) {
    if (!reader.isStartElement())
        return {};
    reader.readNext();
    return reader.isCharacters() ? reader.text().toString() : QString();
}

QMap<QString, MegaFile> readFileList(const QString& document, int keyField) {
    QXmlStreamReader reader(document);
    QMap<QString, MegaFile> files;
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (!reader.isStartElement() || !isEntryTag(reader.name()))
            continue;
        const MegaFile file(reader);
        switch (keyField) {
        case 0:
            files.insert(file.getId(), file);
            break;
        case 1:
            files.insert(file.getLinkcode(), file);
            break;
        case 2:
            files.insert(file.getName(), file);
            break;
        case 3:
            files.insert(file.getSize(), file);
            break;
        case 4:
            files.insert(file.getFolder(), file);
            break;
        case 5:
            files.insert(file.getDownloadCount(), file);
            break;
        case 6:
            files.insert(file.getCreated(), file);
            break;
        default:
            break;
        }
    }
    reader.clear();
    return files;
}
