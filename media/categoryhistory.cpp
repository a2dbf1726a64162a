#include "media/categoryhistory.h"

#include "platform/atomicfile.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

void readCategoryHistoryEntries(QXmlStreamReader& reader, QList<AutoDownloadCategory>& categories) {
    while (!(reader.isEndElement() && reader.name() == QLatin1String("sourceFilm"))) {
        if (reader.atEnd() || reader.hasError())
            return;
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("category")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            categories.append({attributes.value(QLatin1String("id")).toString(),
                               attributes.value(QLatin1String("folder")).toString()});
        }
    }
}

} // namespace

namespace categoryhistory {

ReadResult read(const QString& path) {
    ReadResult result;
    QFile file(path);
    if (!file.exists())
        return result;
    // A file that cannot be read, or not whole, is kept aside before the next choice
    // writes over it (or removes it): what could not be read is not lost.
    if (!file.open(QIODevice::ReadOnly)) {
        result.openFailed = true;
        platform::noteDamaged(path);
        return result;
    }
    QXmlStreamReader reader(&file);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("sourceFilm"))
            readCategoryHistoryEntries(reader, result.categories);
    }
    if (reader.hasError()) {
        result.error = reader.errorString();
        platform::noteDamaged(path);
    }
    return result;
}

bool write(const QString& path, const QList<AutoDownloadCategory>& categories, QString* error) {
    QString why;
    if (!platform::keepIfNotedDamaged(path, &why)) {
        if (error)
            *error = why;
        return false;
    }
    if (categories.isEmpty()) {
        QFile file(path);
        if (!file.exists() || file.remove())
            return true;
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("sourceFilm"));
    for (const AutoDownloadCategory& category : categories) {
        writer.writeEmptyElement(QStringLiteral("category"));
        writer.writeAttribute(QStringLiteral("id"), category.id);
        writer.writeAttribute(QStringLiteral("folder"), category.folder);
    }
    writer.writeEndDocument();
    return platform::writeFileAtomically(path, document, error);
}

} // namespace categoryhistory
