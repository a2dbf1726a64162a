// A download job meets one scripted answer, then the stand-in's honest ones. Whatever the
// answer's shape, the job is "Completed" only with the server's file, and a job that is
// not completed holds no byte that an answer did not announce.
#include "tests/downloadjobfixture.h"

#include <QFile>
#include <QUrl>
#include <QtTest>

#include <limits>

using devservice::Fault;
using devservice::Response;

namespace {

const TestFile kTiny{"/tiny.bin", 200, 13, ""};
constexpr qint64 kFileSize = 200;
constexpr qint64 kOnDisk = 100; // every case of the table resumes from here
const QString kWeird = QString::fromLatin1(curl_easy_strerror(CURLE_WEIRD_SERVER_REPLY));
const QString kPartial = "Partial file downloaded";
const QString kChanged = "Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.";

QByteArray serverFile() {
    return DownloadJobFixture::content(kTiny);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

enum class Range { None, Fits, Elsewhere, EndsEarly, EndsLate };
enum class Length { Fits, Missing, Short, Long, TwiceDiffering, TwiceSame };
enum class Body { Exact, Shorter, Longer, Cut };

// One answer to the request for "bytes=100-" of the 200-byte file.
struct Shape {
    int status = 206;
    Range range = Range::Fits;
    bool starTotal = false; // "*" instead of 200
    Length length = Length::Fits;
    Body body = Body::Exact;

    // The bytes the answer covers by its own account: a part's range (what was asked for
    // when it names none), the whole file for a 200.
    qint64 first() const {
        if (status == 200)
            return 0;
        return range == Range::Elsewhere ? 50 : kOnDisk;
    }
    qint64 last() const {
        if (status == 200)
            return kFileSize - 1;
        switch (range) {
        case Range::Elsewhere:
        case Range::EndsEarly:
            return 149;
        case Range::EndsLate:
            return 249;
        default:
            return kFileSize - 1;
        }
    }
    qint64 span() const { return last() - first() + 1; }

    QList<qint64> lengths() const {
        switch (length) {
        case Length::Fits:
            return {span()};
        case Length::Missing:
            return {};
        case Length::Short:
            return {span() / 2};
        case Length::Long:
            return {span() + 50};
        case Length::TwiceDiffering:
            return {span(), span() / 2};
        case Length::TwiceSame:
            return {span(), span()};
        }
        return {};
    }

    // Measured against the (first) length given, else against the range.
    QByteArray bodyBytes() const {
        const qint64 announced = lengths().isEmpty() ? span() : lengths().first();
        qint64 count = announced;
        if (body == Body::Shorter || body == Body::Cut)
            count = announced / 2;
        else if (body == Body::Longer)
            count = announced + 50;
        // The server's bytes where the range says they are; foreign ones elsewhere, each
        // unlike the server's byte at its place.
        const QByteArray truth = serverFile();
        QByteArray bytes;
        for (qint64 p = first(); p < first() + count; ++p) {
            if (p >= kFileSize)
                bytes += 'x';
            else if (p <= last())
                bytes += truth.at(int(p));
            else
                bytes += char(~truth.at(int(p)));
        }
        return bytes;
    }

    // What a careful client may take from it: a part that continues the file, says
    // where it ends consistently with its total, and whose length, given once or
    // repeated alike, is the range's.
    bool usable() const {
        const QList<qint64> given = lengths();
        if (given.size() == 2 && given[0] != given[1])
            return false;
        if (status == 200)
            return true;
        const bool totalFits = starTotal || last() < kFileSize;
        return range != Range::None && first() == kOnDisk && totalFits &&
               (given.isEmpty() || given.first() == span());
    }

    // Where the bytes the answer proved end; bytes of the file past the server's 200 must
    // lie before it.
    qint64 provenEnd() const {
        if (!usable())
            return kFileSize;
        if (status == 206)
            return last() + 1;
        return lengths().isEmpty() ? std::numeric_limits<qint64>::max() : lengths().first();
    }

    // A whole answer with a length, when nothing else knows the size, is the file as far
    // as anyone can tell: the bytes it announced, when they all arrived. So is one sent in
    // chunks without a length, whose framing says where it ends.
    QByteArray announcedFile(bool sizeKnown) const {
        if (sizeKnown || status != 200 || !usable())
            return QByteArray();
        const QByteArray bytes = bodyBytes();
        if (lengths().isEmpty())
            return body == Body::Shorter ? bytes : QByteArray();
        const qint64 announced = lengths().first();
        return body == Body::Exact || body == Body::Longer ? bytes.left(int(announced))
                                                           : QByteArray();
    }

    Response reply() const {
        Response reply;
        reply.status = status;
        if (status == 206 && range != Range::None)
            reply.headers.emplace_back("Content-Range",
                                       QString("bytes %1-%2/%3")
                                           .arg(first())
                                           .arg(last())
                                           .arg(starTotal ? "*" : QString::number(kFileSize))
                                           .toStdString());
        for (const qint64 value : lengths())
            reply.headers.emplace_back("Content-Length", std::to_string(value));
        reply.body = bodyBytes().toStdString();
        // A shorter body ends cleanly, as its framing says; the others end with the
        // connection, which cuts a body short of its length.
        if (body == Body::Shorter)
            reply.chunked = true;
        else
            reply.closeDelimited = true;
        return reply;
    }

    QByteArray name() const {
        static const char* ranges[] = {"no range", "range fits", "range starts elsewhere",
                                       "range ends early", "range ends late"};
        static const char* lengthNames[] = {"length fits", "no length",   "short length",
                                            "long length", "two lengths", "length twice"};
        static const char* bodies[] = {"exact body", "shorter body", "longer body", "body cut"};
        QByteArray text = QByteArray::number(status);
        if (status == 206) {
            text += QByteArray(", ") + ranges[int(range)];
            if (range != Range::None)
                text += starTotal ? " of *" : " of 200";
        }
        return text + ", " + lengthNames[int(length)] + ", " + bodies[int(body)];
    }
};

} // namespace

Q_DECLARE_METATYPE(Shape)
Q_DECLARE_METATYPE(Response)

class TestDownloadReplies : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void everyShape_data();
    void everyShape();
    void namedShapes_data();
    void namedShapes();
    void wholeAnswerInChunks();

private:
    std::unique_ptr<DownloadFile> job(bool sizeKnown) {
        return std::make_unique<DownloadFile>("tiny.bin", fixture.localPath("tiny.bin"), "", "",
                                              "1", "false", fixture.shareLink(kTiny.path), "",
                                              sizeKnown ? kFileSize : 0);
    }
    void script(const Response& reply) {
        Fault fault;
        fault.reply = reply;
        fixture.service().faults().next(QUrl(location).path(QUrl::FullyEncoded).toStdString(),
                                        fault);
    }

    DownloadJobFixture fixture;
    QString location;
};

void TestDownloadReplies::initTestCase() {
    QVERIFY(fixture.start());
    QVERIFY(fixture.addFile(kTiny));
    location = fixture.issueLocation(kTiny);
    QVERIFY(location.contains("/dl/"));
}

void TestDownloadReplies::cleanupTestCase() {
    fixture.stop();
}

void TestDownloadReplies::init() {
    fixture.waits.retry = std::chrono::milliseconds(1);
    // Every answer here ends by itself; a loaded machine must not turn one into a stall.
    fixture.waits.stallLimit = std::chrono::milliseconds(0);
    fixture.waits.clear();
    fixture.service().requests().clear();
    QFile::remove(fixture.localPath("tiny.bin"));
}

void TestDownloadReplies::everyShape_data() {
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<bool>("sizeKnown");
    const QList<Range> partRanges{Range::None, Range::Fits, Range::Elsewhere, Range::EndsEarly,
                                  Range::EndsLate};
    const QList<Length> lengths{Length::Fits, Length::Missing,        Length::Short,
                                Length::Long, Length::TwiceDiffering, Length::TwiceSame};
    const QList<Body> bodies{Body::Exact, Body::Shorter, Body::Longer, Body::Cut};
    for (const int status : {200, 206}) {
        for (const Range range : status == 200 ? QList<Range>{Range::None} : partRanges) {
            const bool hasTotal = status == 206 && range != Range::None;
            for (const bool star : hasTotal ? QList<bool>{false, true} : QList<bool>{false}) {
                for (const Length length : lengths) {
                    for (const Body body : bodies) {
                        const Shape shape{status, range, star, length, body};
                        for (const bool known : {true, false}) {
                            const QByteArray name =
                                shape.name() + (known ? ", size known" : ", size unknown");
                            QTest::newRow(name.constData()) << shape << known;
                        }
                    }
                }
            }
        }
    }
}

void TestDownloadReplies::everyShape() {
    QFETCH(Shape, shape);
    QFETCH(bool, sizeKnown);
    const QByteArray truth = serverFile();
    auto download = job(sizeKnown);
    QVERIFY(DownloadJobFixture::writeFile(download->getPath(), truth.left(kOnDisk)));
    download->setSession(location);
    script(shape.reply());
    JobRecorder run(download.get());
    QVERIFY(run.runToEnd());
    const QByteArray file = readFile(download->getPath());
    const QByteArray trace = run.texts().join(" | ").toUtf8();
    if (download->getState() == 3) {
        QCOMPARE(download->getStatusText(), QString("Completed"));
        QVERIFY2(file == truth || file == shape.announcedFile(sizeKnown), trace.constData());
        return;
    }
    // The one honest way not to finish: an answer announced bytes past the server's end,
    // which the server's next answer then denies.
    QVERIFY2(!sizeKnown, trace.constData()); // nothing is written past the service's size
    QCOMPARE(download->getState(), 4);
    QCOMPARE(download->getStatusText(), kChanged);
    QCOMPARE(file.left(int(kFileSize)), truth);
    QVERIFY2(file.size() > kFileSize && file.size() <= shape.provenEnd(), trace.constData());
    QCOMPARE(file.mid(int(kFileSize)),
             shape.bodyBytes().mid(int(kFileSize - shape.first()), file.size() - int(kFileSize)));
}

void TestDownloadReplies::namedShapes_data() {
    QTest::addColumn<Response>("reply");
    QTest::addColumn<qint64>("onDisk");
    QTest::addColumn<qint64>("size"); // 0: unknown
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("resumedAt"); // the second request's Range; "-": none made
    QTest::addColumn<QString>("endText");
    const QByteArray truth = serverFile();

    Response longPart;
    longPart.status = 206;
    longPart.setHeader("Content-Range", "bytes 100-149/200");
    longPart.setHeader("Content-Length", "100");
    longPart.body = (truth.mid(100, 50) + QByteArray(50, 'o')).toStdString();
    longPart.closeDelimited = true;
    QTest::newRow("a part longer than its range, size known")
        << longPart << 100LL << kFileSize << kWeird << "bytes=100-"
        << "Completed";
    QTest::newRow("a part longer than its range, size unknown")
        << longPart << 100LL << 0LL << kWeird << "bytes=100-"
        << "Completed";

    Response twoLengths;
    twoLengths.headers = {{"Content-Length", "200"}, {"Content-Length", "100"}};
    twoLengths.body = truth.toStdString();
    twoLengths.closeDelimited = true;
    QTest::newRow("two lengths that disagree") << twoLengths << 0LL << 0LL << kWeird << ""
                                               << "Completed";

    Response cutPart;
    cutPart.status = 206;
    cutPart.setHeader("Content-Range", "bytes 100-199/*");
    cutPart.body = truth.mid(100, 50).toStdString();
    cutPart.closeDelimited = true;
    QTest::newRow("a part ending before its range does, total unknown")
        << cutPart << 100LL << 0LL << kPartial << "bytes=150-"
        << "Completed";
    cutPart.setHeader("Content-Range", "bytes 100-199/200");
    cutPart.setHeader("Content-Length", "100");
    QTest::newRow("a part cut by a close, size known")
        << cutPart << 100LL << kFileSize << kPartial << "bytes=150-"
        << "Completed";

    Response refused;
    refused.status = 416;
    refused.setHeader("Content-Range", "bytes */150");
    QTest::newRow("416 at the partial file's length, short of the service's size")
        << refused << 150LL << kFileSize << kChanged << "-" << kChanged;
}

void TestDownloadReplies::namedShapes() {
    QFETCH(Response, reply);
    QFETCH(qint64, onDisk);
    QFETCH(qint64, size);
    QFETCH(QString, failure);
    QFETCH(QString, resumedAt);
    QFETCH(QString, endText);
    const QByteArray truth = serverFile();
    auto download = job(size > 0);
    if (onDisk > 0)
        QVERIFY(DownloadJobFixture::writeFile(download->getPath(), truth.left(int(onDisk))));
    download->setSession(location);
    script(reply);
    JobRecorder run(download.get());
    QVERIFY(run.runToEnd());
    QVERIFY2(run.texts().contains(failure), qPrintable(run.texts().join(" | ")));
    QCOMPARE(download->getStatusText(), endText);
    const auto gets = fixture.locationRequests();
    if (resumedAt == "-") {
        // The server's file is not the one the partial file came from: no retry mends that.
        QCOMPARE(download->getState(), 4);
        QVERIFY(fixture.waits.designed(TimeSource::Wait::Retry).isEmpty());
        QCOMPARE(gets.size(), size_t(1));
        QCOMPARE(run.releases(), 1);
        QCOMPARE(readFile(download->getPath()), truth.left(int(onDisk)));
        return;
    }
    // One failed attempt, then the next resumes from what is on disk.
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), QList<qint64>{10000});
    QCOMPARE(gets.size(), size_t(2));
    QCOMPARE(QString::fromStdString(gets[1].header("Range").value_or("")), resumedAt);
    QCOMPARE(download->getState(), 3);
    QCOMPARE(readFile(download->getPath()), truth);
}

// A file streamed whole in chunks with no length (as an archive made on the fly is) is
// complete when its last chunk came: no second request.
void TestDownloadReplies::wholeAnswerInChunks() {
    const QByteArray truth = serverFile();
    auto download = job(false);
    download->setSession(location);
    Response reply;
    reply.body = truth.toStdString();
    reply.chunked = true;
    script(reply);
    JobRecorder run(download.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(download->getStatusText(), QString("Completed"));
    QCOMPARE(readFile(download->getPath()), truth);
    QCOMPARE(fixture.locationRequests().size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestDownloadReplies)
#include "test_downloadreplies.moc"
