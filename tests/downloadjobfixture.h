#pragma once
// What the download job tests share: the stand-in with an account of their own, logged
// in through the process-wide client; short waits; a folder for the downloads; and a
// recorder of what a job reported while it ran.
#include "download/downloadfile.h"
#include "tests/faketransferenvironment.h"
#include "tests/shortwaits.h"
#include "tests/support/devservicefixture.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A file of the test account.
struct TestFile {
    QString path; // in the account, "/small.bin"
    qint64 size;
    quint64 seed;
    QString password;
};

class DownloadJobFixture {
public:
    static const TestFile kSmall;     // 300000 bytes
    static const TestFile kProtected; // 2000 bytes, password "mật khẩu"
    static const QString kFolder;     // "/Thư mục": two files, zipped on download
    static const char kEmail[];
    static const char kPassword[];

    // Starts the stand-in, adds the account and its files, logs in and sets the
    // logged-in account (level 5 unless given). False, with a warning, on failure.
    bool start(int level = 5);
    void stop();
    // Adds a file to the account's root, after start().
    bool addFile(const TestFile& file);

    devservice::Service& service() { return stand_in.service(); }
    quint16 port() const { return stand_in.port(); }
    QString shareLink(const QString& accountPath, bool folder = false);
    // A location of the file, as the session endpoint hands them out.
    QString issueLocation(const TestFile& file);
    QString localPath(const QString& name) const { return folder->filePath(name); }

    // A job for a file of the account, saved as `name` in the test folder.
    std::unique_ptr<DownloadFile> job(const TestFile& file, const QString& name);
    std::unique_ptr<DownloadFile> zipJob(const QString& name);

    static QByteArray content(const TestFile& file, qint64 from = 0, qint64 size = -1);
    static QByteArray sha256(const QByteArray& bytes);
    static QByteArray fileSha256(const QString& path);
    static bool writeFile(const QString& path, const QByteArray& bytes);

    // Requests of download locations ("/dl/..."), oldest first.
    std::vector<devservice::Request> locationRequests();
    int sessionRequests();

    ShortWaits waits;

private:
    DevServiceFixture stand_in;
    std::unique_ptr<QTemporaryDir> folder; // a fresh one for every start
    std::string accountId;
};

// What one job reported: the flags in order, the status text at each flag 3, and its
// place releases. Records on the job's thread.
class JobRecorder : public QObject {
    Q_OBJECT
public:
    explicit JobRecorder(DownloadFile* job);

    QList<int> flags() const;
    QStringList texts() const;
    int releases() const;

    // Starts the job as the queue does and waits for its thread, if one started.
    bool runToEnd(int timeoutMs = 20000);

private:
    DownloadFile* job;
    mutable QMutex mutex;
    QList<int> flagList;
    QStringList textList;
    int releaseCount = 0;
};
