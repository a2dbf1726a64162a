#pragma once
// What the upload job tests share: the stand-in with the demo account logged in, short
// waits, local files to send, jobs set up for small chunks, and the requests the
// locations received.
#include "tests/shortwaits.h"
#include "tests/support/devservicefixture.h"
#include "tests/uploadrecorder.h"
#include "upload/uploadfile.h"

#include <QTemporaryDir>

#include <memory>

class UploadFixture {
public:
    static constexpr int kChunk = 64 * 1024;

    // Starts the stand-in, logs the demo account in and makes it the current user.
    bool start(devservice::ServiceOptions options = DevServiceFixture::defaultOptions());
    // Releases the current user.
    void stop();

    devservice::Service& service() { return stand.service(); }
    DevServiceFixture& standIn() { return stand; }
    ShortWaits& waits() { return *timeSource; }
    const std::string& accountId() const { return account; }

    // A local file of `size` bytes made from `seed`; `bytes` receives its contents.
    QString writeFile(const QString& name, qint64 size, std::uint64_t seed = 1,
                      std::string* bytes = nullptr);
    // The account folder at `path`, as the upload dialog hands it over.
    MegaFile folder(const std::string& path = "/Music");
    // A job for a local file, ordinary (not secure), in chunks of kChunk, with a frozen
    // tracker clock.
    std::unique_ptr<UploadFile> job(const QString& path, const QString& realUrl = QString(),
                                    const std::string& folderPath = "/Music");
    // A location handed out the way the upload session does, and its token.
    QString issueLocation(std::uint64_t size, std::string* token = nullptr,
                          const std::string& name = "a.bin");

    // Requests to upload locations, in order; "GET" or the Content-Range of a POST.
    std::vector<devservice::Request> locationRequests();
    QStringList locationSteps();
    std::size_t sent(const std::string& path);

private:
    DevServiceFixture stand;
    std::unique_ptr<ShortWaits> timeSource;
    QTemporaryDir files;
    std::string account;
};
