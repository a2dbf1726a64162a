#pragma once
// One file or folder entry of the service's XML list format (elements FOLDER and link
// under LIST, one child element per field).
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QXmlStreamReader>

class MegaFile : public QObject {
    Q_OBJECT
public:
    MegaFile();
    MegaFile(const MegaFile& other);
    MegaFile(const QString& id, const QString& linkcode, const QString& name, const QString& size,
             const QString& folder, const QString& downloadCount, const QString& created,
             const QString& description, bool secure);
    // Reads the entry whose start tag is the reader's current token; the reader is
    // left on the entry's end tag (or where the input ended or broke).
    explicit MegaFile(QXmlStreamReader& reader);
    ~MegaFile() override;

    MegaFile& operator=(const MegaFile& other);
    // Same entry: equal id and link code.
    bool operator==(const MegaFile& other) const;

    QString getId() const { return m_id; }
    void setId(const QString& id) { m_id = id; }
    QString getLinkcode() const { return m_linkcode; }
    void setLinkcode(const QString& linkcode) { m_linkcode = linkcode; }
    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    QString getSize() const { return m_size; }
    void setSize(const QString& size) { m_size = size; }
    QString getDescription() const { return m_description; }
    void setDescription(const QString& description) { m_description = description; }
    QString getFolder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }
    QString getDownloadCount() const { return m_downloadCount; }
    void setDownloadCount(const QString& count) { m_downloadCount = count; }
    QString getCreated() const { return m_created; }
    void setCreated(const QString& created) { m_created = created; }
    int getLinkStatus() const { return m_linkStatus; }
    void setLinkStatus(int status) { m_linkStatus = status; }

private:
    friend class TestMegaFile; // password, secure and direct-download have no accessors

    void copyFields(const MegaFile& other);
    void readField(QXmlStreamReader& reader);

    QString m_id;
    QString m_linkcode;
    QString m_name;
    QString m_size;
    QString m_description;
    QString m_folder;
    QString m_downloadCount;
    QString m_created;
    QString m_password;
    int m_linkStatus = 0;
    bool m_secure = false;
    QString m_directDownload = QStringLiteral("0");
};

Q_DECLARE_METATYPE(MegaFile)

// The character data right after the current start tag; "" when something else
// follows it or the reader is not on a start tag. Reads one token in the former case.
QString xmlElementText(QXmlStreamReader& reader);

// Every entry of a list document keyed by one field: 0 id, 1 link code, 2 name, 3 size,
// 4 folder, 5 download count, 6 created. Any other number gives an empty map. A
// broken or truncated document gives the entries read up to the break.
QMap<QString, MegaFile> readFileList(const QString& document, int keyField);
