#include "core/linkexpansion.h"

#include "api/apiresult.h"
#include "api/file.h"
#include "core/linkparser.h"
#include "platform/hostconfig.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString webHost() {
    return QString::fromStdString(hosts::webHost());
}

QString canonicalFileLink(const std::string& linkCode) {
    return shareSite() + QStringLiteral("/file/") + QString::fromStdString(linkCode);
}

// The total reads like atoi: leading digits count, anything else is 0.
qint64 readTotal(const std::string& text) {
    return std::min<qint64>(brisko::parse_decimal(text), INT_MAX);
}

} // namespace

LinkExpansion::LinkExpansion(brisko::client* client, Progress progress)
    : m_api(client), m_progress(std::move(progress)) {}

LinkExpansion::~LinkExpansion() {
    qDeleteAll(m_files);
}

QString LinkExpansion::errorTitle() {
    return QCoreApplication::translate("ActionThread", "Vui lòng kiểm tra lại đường dẫn %1")
        .arg(webHost());
}

QList<brisko::file*> LinkExpansion::takeFiles() {
    QList<brisko::file*> files;
    files.swap(m_files);
    return files;
}

bool LinkExpansion::run(const QString& links) {
    // Not shared between jobs: two expansions may run at once.
    const QRegularExpression separators(QStringLiteral("[;|]"));
    const QStringList pieces = links.split(separators, Qt::SkipEmptyParts);
    for (int i = 0; i < pieces.size(); ++i) {
        const QString& given = pieces.at(i);
        QString link = given;
        if (!link.contains(QLatin1String("http://")) && !link.contains(QLatin1String("https://")))
            link.prepend(QLatin1String("https://"));
        const bool folder =
            link.contains(QLatin1String("/folder/")) || link.contains(QLatin1String("\\folder\\"));
        const Step step = folder ? expandFolder(given, link) : expandFile(given, link);
        if (step == Step::SessionExpired) {
            // This link and every one after it stay unexpanded.
            m_notExpanded = pieces.mid(i);
            m_expiredMessage = QString::fromStdString(m_api.get_error_msg());
            return false;
        }
    }
    return true;
}

void LinkExpansion::reportExpiredSession() {
    QString reason = QString::number(brisko::kCodeSessionExpired);
    if (!m_expiredMessage.isEmpty())
        reason += QStringLiteral(" - ") + m_expiredMessage;
    for (const QString& given : m_notExpanded)
        addError(given, reason);
}

LinkExpansion::Step LinkExpansion::expandFolder(const QString& given, const QString& link) {
    const std::string request = utf8(link.trimmed());
    const std::string totalText = m_api.getTotalFileInFolder(request);
    if (m_api.get_error_code() == brisko::kCodeSessionExpired)
        return Step::SessionExpired;
    if (m_api.get_error_code() != brisko::kCodeSuccess) {
        addError(given, failure());
        return Step::Done;
    }
    const qint64 total = readTotal(totalText);
    if (total <= 0) {
        addError(given, QCoreApplication::translate("ActionThread", "tập tin rỗng"));
        return Step::Done;
    }
    // Pages 0 to total / size inclusive, as the service counts them, but no further than
    // the first short page: the total is only the service's word, and a wrong one must
    // not cost a request for every 500 entries it claims. A failed page ends it too.
    for (qint64 page = 0, offset = 0; offset <= total; ++page, offset += kPageSize) {
        std::vector<brisko::file*> entries =
            m_api.getFolderListPaging(request, static_cast<int>(page), kPageSize);
        const int code = m_api.get_error_code();
        if (code == brisko::kCodeSessionExpired) {
            brisko::delete_all(entries);
            return Step::SessionExpired;
        }
        if (code != brisko::kCodeSuccess)
            addError(given, failure()); // what the failed page brought (nothing) ends it
        const qint64 count = static_cast<qint64>(entries.size());
        const qint64 done = offset + std::min<qint64>(count, kPageSize);
        takePage(entries);
        m_progress(static_cast<int>(std::min<qint64>(done, INT_MAX)), static_cast<int>(total),
                   QStringLiteral("%1 (%2/%3)").arg(link).arg(done).arg(total));
        if (count < kPageSize)
            break;
    }
    return Step::Done;
}

void LinkExpansion::takePage(std::vector<brisko::file*>& entries) {
    for (brisko::file* entry : entries) {
        // Sub-folders are not followed: only the folder's own files are downloaded.
        if (entry->get_type() == "0") {
            delete entry;
            continue;
        }
        entry->set_url(utf8(canonicalFileLink(entry->get_linkcode())));
        m_files.append(entry);
    }
    entries.clear();
}

LinkExpansion::Step LinkExpansion::expandFile(const QString& given, const QString& link) {
    std::unique_ptr<brisko::file> record(m_api.get(utf8(link.trimmed())));
    const int code = m_api.get_error_code();
    if (code == brisko::kCodeSessionExpired)
        return Step::SessionExpired;
    if (code != brisko::kCodeSuccess || !record) {
        addError(given, failure());
        return Step::Done;
    }
    record->set_url(utf8(link));
    m_files.append(record.release());
    m_progress(1, 1, link);
    return Step::Done;
}

QString LinkExpansion::failure() const {
    const QString message = QString::fromStdString(m_api.get_error_msg());
    return message.isEmpty() ? QString::number(m_api.get_error_code()) : message;
}

void LinkExpansion::addError(const QString& given, const QString& reason) {
    // Shown as rich text: what came from the user or the service is escaped.
    m_errors += QStringLiteral("<b>(ERROR ") + reason.toHtmlEscaped() + QStringLiteral(":)</b> ") +
                given.trimmed().toHtmlEscaped() + QStringLiteral("<br>");
}
