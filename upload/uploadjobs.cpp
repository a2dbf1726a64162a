#include "upload/uploadjobs.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>

QString uploadJobKey(const QString& fileName, const QString& accountId, const QString& folderId) {
    const QByteArray text = (fileName + accountId + folderId).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}

bool hasRefusedCharacter(const QString& path) {
    static const QRegularExpression refused(QStringLiteral("[!@#$%^*,]"));
    return path.contains(refused);
}

QList<UploadFile*> makeUploadFiles(const MegaFile& folder, const QStringList& localFiles,
                                   const QString& desc, bool fileSecure, bool fileDirectLink,
                                   const QString& accountId) {
    static const QRegularExpression lastPart(QStringLiteral("[^/]+$"));
    QList<UploadFile*> jobs;
    for (const QString& path : localFiles) {
        const QFileInfo file(path);
        if (hasRefusedCharacter(path) || !file.isFile())
            continue;
        const QString name = lastPart.match(path).captured(0);
        auto* job = new UploadFile(folder, name, path, desc, QString(), QString());
        job->setFileSecure(fileSecure);
        job->setSize(file.size());
        job->setFileDirectLink(fileDirectLink);
        job->setId(uploadJobKey(name, accountId, folder.getId()));
        jobs.append(job);
    }
    return jobs;
}
