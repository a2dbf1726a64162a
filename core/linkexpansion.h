#pragma once
// Turns a text of share links into the file records they stand for: a file link into its
// record, a folder link into the records of the folder's own files, page by page.
#include "api/fileapi.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace brisko {
class client;
}

// One pass over the links with one file API object. Records not taken are freed with it.
class LinkExpansion {
public:
    // Folder pages are asked for in this size.
    static constexpr int kPageSize = 500;

    // (records done, total, what is being expanded)
    using Progress = std::function<void(int value, int max, const QString& text)>;

    LinkExpansion(brisko::client* client, Progress progress);
    ~LinkExpansion();
    LinkExpansion(const LinkExpansion&) = delete;
    LinkExpansion& operator=(const LinkExpansion&) = delete;

    // Links are separated by ";" or "|". Returns false when a call met an expired session;
    // the pass stops there.
    bool run(const QString& links);
    // Adds a line for the link at which the pass met the expired session and for each
    // link after it: none of them was expanded.
    void reportExpiredSession();

    // One line per link that yielded nothing or failed (rich text); "" when none did.
    QString errors() const { return m_errors; }
    // The records gathered, in the order of the links; the caller owns them from now on.
    QList<brisko::file*> takeFiles();

    // Heading of the report of failed links.
    static QString errorTitle();

private:
    enum class Step { Done, SessionExpired };

    Step expandFolder(const QString& given, const QString& link);
    Step expandFile(const QString& given, const QString& link);
    // Keeps the sub-folder-free part of one page, with canonical file links.
    void takePage(std::vector<brisko::file*>& entries);
    // The service's message of the last failed call, or its code when it gave none.
    QString failure() const;
    void addError(const QString& given, const QString& reason);

    brisko::file_api m_api;
    Progress m_progress;
    QList<brisko::file*> m_files;
    QString m_errors;
    QStringList m_notExpanded;
    QString m_expiredMessage;
};
