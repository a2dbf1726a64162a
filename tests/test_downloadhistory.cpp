// The download history file: its format, the round trip of every field and password, the
// bound on finished entries, sizes written in floating point, broken files, saves that
// cannot complete (no room, an interrupted write), and saves off the GUI thread: asked
// for during a save or while a failure is shown, and the last one at closing.
#include "core/backgroundsaver.h"
#include "core/crypto.h"
#include "platform/atomicfile.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "tests/downloadtabprobe.h"
#include "tests/downloadtabsession.h"
#include "tests/helddisk.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/demoaccount.h"
#include "transfer/transferenvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace {

const std::string kPassphrase = "quiet harbor lantern seven";

// A job whose transfer tracker stands at a given fraction, as during a run.
class JobAt : public DownloadFile {
public:
    JobAt(const QString& name, qint64 size, double fraction)
        : DownloadFile(name, "/d/" + name, {}, {}, "1", "false", "https://u/" + name, {}, size) {
        TransferProgress tracker(10);
        tracker.setTotalSize(size);
        tracker.setStartOffset(static_cast<qint64>(fraction * double(size)));
        setTracker(tracker);
    }
};

using Jobs = std::vector<std::unique_ptr<DownloadFile>>;

DownloadFile* job(Jobs& owned, const QString& name, bool finished, const QString& password = {}) {
    auto* made = new DownloadFile(name, QString::fromUtf8("/tải về/") + name, "code",
                                  QString::fromUtf8("mô tả\tcó tab\nvà dòng"), "1", "false",
                                  "https://www.example/file/" + name, password, 1048576);
    made->setFinished(finished);
    if (!finished)
        made->setSession("https://dl.example/" + name + "?a=1&b=2");
    owned.emplace_back(made);
    return made;
}

QList<DownloadFile*> raw(const Jobs& owned) {
    QList<DownloadFile*> list;
    for (const auto& j : owned)
        list << j.get();
    return list;
}

QStringList names(const QList<DownloadFile*>& jobs) {
    QStringList list;
    for (const DownloadFile* j : jobs)
        list << j->getName();
    return list;
}

void deleteAll(const QList<DownloadFile*>& jobs) {
    qDeleteAll(jobs);
}

// The attributes of the first "file" element of a document.
QXmlStreamAttributes firstEntry(const QByteArray& document) {
    QXmlStreamReader reader(document);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("file"))
            return reader.attributes();
    }
    return {};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool cipherHoldsControlByte(const QString& password) {
    for (const char c : aesEncrypt(password.toLatin1().toStdString(), kPassphrase)) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
            return true;
    }
    return false;
}

// The first of a bounded run of generated passwords whose cipher holds a byte XML can't
// carry (or, without `control`, holds none); "" when none of them does.
QString passwordWhoseCipher(bool control, const std::function<QString(QRandomGenerator&)>& make) {
    for (quint32 seed = 1; seed <= 10000; ++seed) {
        QRandomGenerator random(seed);
        const QString candidate = make(random);
        if (cipherHoldsControlByte(candidate) == control)
            return candidate;
    }
    return QString();
}

// Eight characters of the given code point range.
QString word(QRandomGenerator& random, char16_t first, char16_t last) {
    QString text;
    for (int i = 0; i < 8; ++i)
        text += QChar(char16_t(random.bounded(int(first), int(last) + 1)));
    return text;
}

// Free space as the test says, and the folder it was asked about.
class SpaceOf : public TransferEnvironment {
public:
    SpaceOf() : replaced(TransferEnvironment::install(this)) {}
    ~SpaceOf() override { TransferEnvironment::install(replaced); }
    bool diskSpace(const QString& folder, qint64& total, qint64& freeForCaller) override {
        asked << folder;
        total = freeBytes * 2;
        freeForCaller = freeBytes;
        return true;
    }
    qint64 freeBytes = qint64(1) << 40;
    QStringList asked;

private:
    TransferEnvironment* replaced;
};

// Answers like the scripted prompt, after running a hook at each critical box: what a
// nested event loop might do while the box is open.
class PromptWithHook : public ScriptedUserPrompt {
public:
    std::function<void()> atCritical;
    QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override {
        if (atCritical)
            atCritical();
        return ScriptedUserPrompt::critical(parent, title, text, buttons, defaultButton);
    }
};

// Counts the warnings logged that contain a text, while it lives.
class WarningWatch {
public:
    explicit WarningWatch(const char* text) {
        watched = text;
        seen = 0;
        previous = qInstallMessageHandler(&WarningWatch::handle);
    }
    ~WarningWatch() { qInstallMessageHandler(previous); }
    int count() const { return seen.load(); }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.contains(QLatin1String(watched)))
            ++seen;
        previous(type, context, text);
    }
    static inline const char* watched = nullptr;
    static inline std::atomic<int> seen{0};
    static inline QtMessageHandler previous = nullptr;
};

} // namespace

class TestDownloadHistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void documentFormat();
    void documentAsQtWritesIt();
    void unpairedSurrogateKeepsTheDocumentWhole();
    void roundTripWithMoreThanFiveHundredFinished();
    void carriageReturnsInNamesSurvive();
    void progressAttribute_data();
    void progressAttribute();
    void restoredProgress_data();
    void restoredProgress();
    void passwords_data();
    void passwords();
    void readerBoundsFinishedEntries();
    void scientificSizes_data();
    void scientificSizes();
    void brokenOrForeignFiles_data();
    void brokenOrForeignFiles();
    void truncatedFileAtLoginShowsBoxAndKeepsEarlierEntries();
    void saveWithoutRoomKeepsOldFile();
    void interruptedSaveKeepsOldFile_data();
    void interruptedSaveKeepsOldFile();
    void saveAskedWhileAFailureIsShownIsWritten();
    void savesAskedDuringASaveAreCoalesced();
    void nextTabWritesAfterTheClosedOne();
    void handedOverSaveFailureIsLogged();

private:
    std::unique_ptr<DownloadTabSession> session;
};

void TestDownloadHistory::init() {
    session = std::make_unique<DownloadTabSession>();
    QVERIFY(session->start());
}

void TestDownloadHistory::cleanup() {
    session.reset();
}

void TestDownloadHistory::documentFormat() {
    Jobs owned;
    job(owned, "a & b <c>.txt", false, "s3cret pass");
    job(owned, "done.bin", true);
    const QDateTime created(QDate(2016, 5, 31), QTime(14, 3, 27));
    const QByteArray document = DownloadHistory::document(raw(owned), "demo@brisko.local", created);
    const QString pwd =
        QString::fromLatin1(QByteArray::fromStdString(aesEncrypt("s3cret pass", kPassphrase)));
    QByteArray escapedPwd = pwd.toUtf8();
    escapedPwd.replace("&", "&amp;")
        .replace("<", "&lt;")
        .replace(">", "&gt;")
        .replace("\"", "&quot;")
        .replace("\t", "&#9;")
        .replace("\n", "&#10;")
        .replace("\r", "&#13;");
    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<downloadfiles created=\"2016-05-31T14:03:27\" user=\"demo@brisko.local\">\n"
        "    <file path=\"/t\xe1\xba\xa3i v\xe1\xbb\x81/a &amp; b &lt;c&gt;.txt\" desc=\"m\xc3\xb4 "
        "t\xe1\xba\xa3&#9;c\xc3\xb3 tab&#10;v\xc3\xa0 d\xc3\xb2ng\" "
        "url=\"https://www.example/file/a &amp; b &lt;c&gt;.txt\" size=\"1048576\" type_file=\"1\" "
        "session=\"https://dl.example/a &amp; b &lt;c&gt;.txt?a=1&amp;b=2\" pwd=\"" +
        escapedPwd +
        "\">a &amp; b &lt;c&gt;.txt</file>\n"
        "    <file path=\"/t\xe1\xba\xa3i v\xe1\xbb\x81/done.bin\" desc=\"m\xc3\xb4 "
        "t\xe1\xba\xa3&#9;c\xc3\xb3 tab&#10;v\xc3\xa0 d\xc3\xb2ng\" "
        "url=\"https://www.example/file/done.bin\" size=\"1048576\" type_file=\"1\" "
        "status=\"true\">done.bin</file>\n"
        "</downloadfiles>\n";
    const QStringList lines = QString::fromUtf8(document).split('\n');
    const QStringList expectedLines = QString::fromUtf8(expected).split('\n');
    for (int i = 0; i < std::min(lines.size(), expectedLines.size()); ++i)
        QCOMPARE(lines.at(i), expectedLines.at(i));
    QCOMPARE(lines.size(), expectedLines.size());

    const QByteArray empty = DownloadHistory::document(QList<DownloadFile*>{}, "u", created);
    QCOMPARE(empty, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<downloadfiles created=\"2016-05-31T14:03:27\" user=\"u\"/>\n"));
    QVERIFY(writeAll(session->historyPath(), empty));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY(!loaded.broken);
    QVERIFY(loaded.jobs.isEmpty());
}

void TestDownloadHistory::documentAsQtWritesIt() {
    // Every character of the basic plane outside the surrogates, and pairs beyond it, in
    // each kind of field: the document is byte for byte what QXmlStreamWriter writes.
    QStringList texts;
    QString all;
    for (char16_t u = 1; u < 0xfffe; ++u) {
        if (!QChar::isSurrogate(u))
            all += QChar(u);
    }
    for (int i = 0; i < all.size(); i += 4096)
        texts << all.mid(i, 4096);
    texts << QString::fromUtf8("😀 𝄞 \r\n") << QString();
    Jobs owned;
    for (int i = 0; i < texts.size(); ++i) {
        const QString& text = texts.at(i);
        auto* made = new JobAt(text, 1000 + i, i % 2 ? 0.25 : 0.0);
        made->setPath(text);
        made->setSession(text);
        made->setPassword(i % 3 ? text.left(20) : QString());
        made->setFinished(i % 4 == 0);
        owned.emplace_back(made);
    }
    const QDateTime created = QDateTime::currentDateTime();
    QByteArray reference;
    QXmlStreamWriter writer(&reference);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement("downloadfiles");
    writer.writeAttribute("created", created.toString(Qt::ISODate));
    writer.writeAttribute("user", texts.first());
    for (const auto& j : owned) {
        writer.writeStartElement("file");
        writer.writeAttribute("path", j->getPath());
        writer.writeAttribute("desc", j->getDesc());
        writer.writeAttribute("url", j->getUrl());
        writer.writeAttribute("size", QString::number(j->getSize()));
        writer.writeAttribute("type_file", j->getTypeFile());
        if (j->progress() > 0 && j->progress() < 1)
            writer.writeAttribute("progress", QString::number(j->progress(), 'g', 6));
        if (j->isFinished())
            writer.writeAttribute("status", "true");
        else
            writer.writeAttribute("session", j->getSession());
        const auto password = DownloadHistory::passwordAttribute(j->getPassword());
        if (!password.first.isEmpty())
            writer.writeAttribute(password.first, password.second);
        // A carriage return in text goes as a reference, which survives reading.
        const QStringList lines = j->getName().split('\r');
        for (int k = 0; k < lines.size(); ++k) {
            if (k > 0)
                writer.writeEntityReference("#13");
            writer.writeCharacters(lines.at(k));
        }
        writer.writeEndElement();
    }
    writer.writeEndDocument(); // (it reports the characters it left out as an error)
    const QByteArray document = DownloadHistory::document(raw(owned), texts.first(), created);
    QCOMPARE(document.size(), reference.size());
    QVERIFY(document == reference);
}

void TestDownloadHistory::unpairedSurrogateKeepsTheDocumentWhole() {
    Jobs owned;
    job(owned, QString("a") + QChar(0xd800) + "b", false);
    job(owned, QString("c") + QChar(0xdc00), true);
    job(owned, "after", false);
    QVERIFY(writeAll(session->historyPath(), DownloadHistory::document(raw(owned), "u")));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY2(!loaded.broken, qPrintable(loaded.error));
    QCOMPARE(names(loaded.jobs),
             QStringList({QString::fromUtf8("a\uFFFDb"), QString::fromUtf8("c\uFFFD"), "after"}));
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::carriageReturnsInNamesSurvive() {
    Jobs owned;
    const QString name = QStringLiteral("a\rb\r\nc\n.mkv");
    job(owned, name, false);
    job(owned, name, true);
    QCOMPARE(DownloadHistory::write(session->historyPath(),
                                    DownloadHistory::document(raw(owned), "demo@brisko.local")),
             DownloadHistory::SaveResult::Saved);
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY(!loaded.broken);
    QCOMPARE(loaded.jobs.size(), 2);
    QCOMPARE(loaded.jobs.at(0)->getName(), name);
    QCOMPARE(loaded.jobs.at(1)->getName(), name);
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::roundTripWithMoreThanFiveHundredFinished() {
    // 505 finished (newest first) with 7 unfinished among them, as the tab saves them.
    Jobs owned;
    for (int i = 0; i < 512; ++i) {
        const bool unfinished = i % 73 == 5;
        job(owned, QString::fromUtf8("tệp %1 \"x\".mkv").arg(i), !unfinished,
            i % 3 ? QString() : QStringLiteral("pw%1").arg(i));
    }
    const QList<DownloadFile*> saved = raw(owned);
    QCOMPARE(DownloadHistory::write(session->historyPath(),
                                    DownloadHistory::document(saved, "demo@brisko.local")),
             DownloadHistory::SaveResult::Saved);

    QList<DownloadFile*> expected;
    int finished = 0;
    for (DownloadFile* j : saved) {
        if (!j->isFinished() || ++finished <= 500)
            expected << j;
    }
    QCOMPARE(expected.size(), 507);
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY(!loaded.broken);
    QCOMPARE(loaded.jobs.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const DownloadFile* want = expected.at(i);
        const DownloadFile* got = loaded.jobs.at(i);
        QCOMPARE(got->getName(), want->getName());
        QCOMPARE(got->getPath(), want->getPath());
        QCOMPARE(got->getDesc(), want->getDesc());
        QCOMPARE(got->getUrl(), want->getUrl());
        QCOMPARE(got->getSize(), want->getSize());
        QCOMPARE(got->getTypeFile(), want->getTypeFile());
        QCOMPARE(got->getSession(), want->getSession());
        QCOMPARE(got->getPassword(), want->getPassword());
        QCOMPARE(got->isFinished(), want->isFinished());
        QCOMPARE(got->getState(), int(DownloadFile::StateIdle));
        QVERIFY(got->getStatusText().isEmpty());
    }
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::progressAttribute_data() {
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("written");
    QTest::newRow("not started") << 0.0 << QString();
    QTest::newRow("under way") << 0.42 << "0.42";
    QTest::newRow("six digits") << 0.1234567 << "0.123457";
    QTest::newRow("complete") << 1.0 << QString();
}

void TestDownloadHistory::progressAttribute() {
    QFETCH(double, fraction);
    QFETCH(QString, written);
    JobAt at("f", 10000000, fraction);
    const QXmlStreamAttributes entry = firstEntry(DownloadHistory::document({&at}, "u"));
    QCOMPARE(entry.hasAttribute("progress"), !written.isEmpty());
    QCOMPARE(entry.value("progress").toString(), written);
}

void TestDownloadHistory::restoredProgress_data() {
    QTest::addColumn<QString>("attribute"); // the stored progress attribute, if any
    QTest::addColumn<int>("onDisk");        // bytes of the partial file; -1: no file
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("savedAgain");
    QTest::newRow("stored fraction") << "0.42" << -1 << 0.42 << "0.42";
    QTest::newRow("stored fraction over the file") << "0.42" << 2500 << 0.42 << "0.42";
    QTest::newRow("no fraction: the bytes on disk") << QString() << 2500 << 0.25 << "0.25";
    QTest::newRow("nothing at all") << QString() << -1 << 0.0 << QString();
    QTest::newRow("a file of the whole size") << QString() << 10000 << 0.0 << QString();
}

// A queue read back shows how far each download had come, and saving it again keeps that.
void TestDownloadHistory::restoredProgress() {
    QFETCH(QString, attribute);
    QFETCH(int, onDisk);
    QFETCH(double, shown);
    QFETCH(QString, savedAgain);
    QTemporaryDir folder;
    const QString path = folder.filePath("phim.mkv");
    if (onDisk >= 0)
        QVERIFY(writeAll(path, QByteArray(onDisk, 'x')));
    QString entry = "<file path=\"" + path.toHtmlEscaped() +
                    "\" url=\"https://u/phim\" size=\"10000\" type_file=\"1\"";
    if (!attribute.isEmpty())
        entry += " progress=\"" + attribute + "\"";
    QVERIFY(writeAll(session->historyPath(),
                     ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<downloadfiles user=\"u\">" +
                      entry + " session=\"\">phim.mkv</file></downloadfiles>\n")
                         .toUtf8()));

    const auto loaded = DownloadHistory::load(session->historyPath());
    QCOMPARE(loaded.jobs.size(), 1);
    std::unique_ptr<DownloadFile> job(loaded.jobs.at(0));
    QVERIFY2(qAbs(job->progress() - shown) < 1e-9, qPrintable(QString::number(job->progress())));
    const QXmlStreamAttributes saved = firstEntry(DownloadHistory::document({job.get()}, "u"));
    QCOMPARE(saved.value("progress").toString(), savedAgain);
}

void TestDownloadHistory::passwords_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("attribute"); // "pwd", "pwd_b64" or "" (none)
    QTest::addColumn<QString>("restored");
    const QString control =
        passwordWhoseCipher(true, [](QRandomGenerator& r) { return word(r, 0x21, 0x7e); });
    const QString latin1Control =
        passwordWhoseCipher(true, [](QRandomGenerator& r) { return word(r, 0xa1, 0xff); });
    // Blanks or tabs around it; which of them the cipher can carry depends on the key.
    const QString blanks = passwordWhoseCipher(false, [](QRandomGenerator& r) {
        const QString space = r.bounded(2) ? QStringLiteral(" ") : QStringLiteral("\t");
        return space + word(r, 0x21, 0x7e) + space;
    });
    QVERIFY(!control.isEmpty() && !latin1Control.isEmpty() && !blanks.isEmpty());
    // The other rows that expect "pwd" hold passwords whose cipher XML can carry.
    QVERIFY(!cipherHoldsControlByte("s3cret pass"));
    QVERIFY(!cipherHoldsControlByte(QString::fromUtf8("pässwörd ©")));

    QTest::newRow("ascii") << "s3cret pass"
                           << "pwd"
                           << "s3cret pass";
    QTest::newRow("latin-1") << QString::fromUtf8("pässwörd ©") << "pwd"
                             << QString::fromUtf8("pässwörd ©");
    QTest::newRow("vietnamese") << QString::fromUtf8("mật khẩu") << "pwd_b64"
                                << QString::fromUtf8("mật khẩu");
    QTest::newRow("ascii, cipher with control bytes") << control << "pwd_b64" << control;
    QTest::newRow("latin-1, cipher with control bytes")
        << latin1Control << "pwd_b64" << latin1Control;
    QTest::newRow("spaces only") << "   "
                                 << ""
                                 << "";
    QTest::newRow("surrounding blanks kept") << blanks << "pwd" << blanks;
}

void TestDownloadHistory::passwords() {
    QFETCH(QString, password);
    QFETCH(QString, attribute);
    QFETCH(QString, restored);
    Jobs owned;
    job(owned, "f", false, password);
    const QByteArray document = DownloadHistory::document(raw(owned), "u");
    const QXmlStreamAttributes entry = firstEntry(document);
    QCOMPARE(entry.hasAttribute("pwd"), attribute == "pwd");
    QCOMPARE(entry.hasAttribute("pwd_b64"), attribute == "pwd_b64");
    if (attribute == "pwd") // as designed: the cipher bytes as Latin-1 characters
        QCOMPARE(entry.value("pwd").toString(),
                 QString::fromLatin1(QByteArray::fromStdString(
                     aesEncrypt(password.toLatin1().toStdString(), kPassphrase))));
    if (attribute == "pwd_b64")
        QCOMPARE(entry.value("pwd_b64").toString(),
                 QString::fromLatin1(QByteArray::fromStdString(
                                         aesEncrypt(password.toUtf8().toStdString(), kPassphrase))
                                         .toBase64()));

    QVERIFY(writeAll(session->historyPath(), document));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY2(!loaded.broken, qPrintable(loaded.error));
    QCOMPARE(loaded.jobs.size(), 1);
    QCOMPARE(loaded.jobs.at(0)->getPassword(), restored);
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::readerBoundsFinishedEntries() {
    // 600 finished entries with unfinished ones before, among and after them.
    QByteArray document = "<?xml version=\"1.0\"?>\n<downloadfiles>\n";
    const auto entry = [&](const QByteArray& name, bool finished) {
        document += "<file path=\"/d/" + name + "\" size=\"1\" " +
                    (finished ? "status=\"true\"" : "session=\"\"") + ">" + name + "</file>\n";
    };
    entry("u-first", false);
    for (int i = 0; i < 600; ++i) {
        entry("f" + QByteArray::number(i), true);
        if (i == 499 || i == 500)
            entry("u" + QByteArray::number(i), false);
    }
    entry("u-last", false);
    document += "</downloadfiles>\n";
    QVERIFY(writeAll(session->historyPath(), document));

    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY(!loaded.broken);
    QStringList finished, unfinished;
    for (const DownloadFile* j : loaded.jobs)
        (j->isFinished() ? finished : unfinished) << j->getName();
    QCOMPARE(unfinished, QStringList({"u-first", "u499", "u500", "u-last"}));
    QCOMPARE(finished.size(), 500);
    QCOMPARE(finished.first(), QStringLiteral("f0"));
    QCOMPARE(finished.last(), QStringLiteral("f499"));
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::scientificSizes_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("link"); // "demo": the demo account's 5 MiB file
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<int>("lookups");
    QTest::newRow("finished, floating point")
        << "1.23457e+09" << true << "demo" << qint64(1234570000) << 0;
    QTest::newRow("unfinished, asks the service")
        << "1.23457e+09" << false << "demo" << qint64(5 * 1024 * 1024) << 1;
    QTest::newRow("unfinished, unknown link")
        << "1.23457e+09" << false << "unknown" << qint64(0) << 1;
    QTest::newRow("decimal") << "1048576" << false << "demo" << qint64(1048576) << 0;
    QTest::newRow("not a number") << "abc" << false << "demo" << qint64(0) << 0;
    QTest::newRow("missing") << "" << true << "demo" << qint64(0) << 0;
}

void TestDownloadHistory::scientificSizes() {
    QFETCH(QString, size);
    QFETCH(bool, finished);
    QFETCH(QString, link);
    QFETCH(qint64, expected);
    QFETCH(int, lookups);
    const QString url =
        link == "demo" ? session->linkOf(devservice::demo::kBigFile) : session->link("NOSUCHCODE");
    const QString sizeAttribute = size.isEmpty() ? QString() : " size=\"" + size + "\"";
    const QString document = "<downloadfiles><file url=\"" + url + "\"" + sizeAttribute +
                             (finished ? " status=\"true\"" : "") + ">n</file></downloadfiles>";
    QVERIFY(writeAll(session->historyPath(), document.toUtf8()));

    const auto loaded = DownloadHistory::load(session->historyPath());
    QCOMPARE(loaded.jobs.size(), 1);
    QCOMPARE(loaded.jobs.at(0)->getSize(), expected);
    QCOMPARE(int(session->service().requests().forPath("/api/fileops/get").size()), lookups);
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::brokenOrForeignFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("broken");
    const QByteArray three = "<?xml version=\"1.0\"?>\n<downloadfiles>\n"
                             "<file status=\"true\">a</file>\n<file session=\"\">b</file>\n"
                             "<file status=\"TRUE\">c</file>\n";
    QTest::newRow("cut inside an entry")
        << three + "<file path=\"/d/x\" sta" << QStringList{"a", "b", "c"} << true;
    QTest::newRow("cut after an entry") << three << QStringList{"a", "b", "c"} << true;
    QTest::newRow("not XML") << QByteArray("garbage\x01") << QStringList() << true;
    QTest::newRow("another root") << QByteArray("<other><file status=\"true\">a</file></other>")
                                  << QStringList() << false;
    QTest::newRow("empty element text")
        << QByteArray("<downloadfiles><file/></downloadfiles>") << QStringList{""} << false;
}

void TestDownloadHistory::brokenOrForeignFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, names);
    QFETCH(bool, broken);
    QVERIFY(writeAll(session->historyPath(), content));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QStringList got;
    for (const DownloadFile* j : loaded.jobs)
        got << j->getName();
    QCOMPARE(got, names);
    QCOMPARE(loaded.broken, broken);
    QCOMPARE(loaded.error.isEmpty(), !broken);
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::truncatedFileAtLoginShowsBoxAndKeepsEarlierEntries() {
    Jobs owned;
    job(owned, "queued-1", false);
    job(owned, "done-1", true);
    job(owned, "queued-2", false);
    job(owned, "done-2", true);
    job(owned, "lost", false);
    const QByteArray document = DownloadHistory::document(raw(owned), "u");
    QVERIFY(writeAll(session->historyPath(), document.left(document.indexOf("/lost"))));

    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    FormDownload tab(nullptr);
    QCOMPARE(prompt.asked().size(), 1);
    const auto& box = prompt.asked().at(0);
    QCOMPARE(box.kind, ScriptedUserPrompt::Kind::Critical);
    QVERIFY2(box.title.startsWith(QString::fromUtf8("Lỗi thông tin tải xuống: ")) &&
                 box.title.size() > 26,
             qPrintable(box.title));
    QCOMPARE(box.text, QString::fromUtf8("Danh sách các tập tin tải xuống bị lỗi\n"
                                         "Vui lòng thêm lại vào danh sách"));
    QCOMPARE(box.parent.data(), &tab);

    QStringList queued;
    for (const DownloadFile* j : DownloadTabProbe::model(tab)->getJobs())
        queued << j->getName();
    QCOMPARE(queued, QStringList({"queued-1", "queued-2"}));
    QStringList finished;
    for (const DownloadFile* j : DownloadTabProbe::finished(tab))
        finished << j->getName();
    QCOMPARE(finished, QStringList({"done-1", "done-2"}));
    auto* table = tab.findChild<QTableWidget*>("tableDownloaded");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("done-2"));
    QCOMPARE(table->item(1, 3)->text(), QString::fromUtf8("/tải về/done-2"));

    // The first save keeps the unreadable file beside the new one, which reads whole.
    tab.saveAllDownloads();
    tab.waitForSaves();
    QCOMPARE(readAll(platform::damagedCopyPath(session->historyPath())),
             document.left(document.indexOf("/lost")));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QVERIFY(!loaded.broken);
    QCOMPARE(loaded.jobs.size(), 4);
    deleteAll(loaded.jobs);
}

void TestDownloadHistory::saveWithoutRoomKeepsOldFile() {
    const QByteArray old = DownloadHistory::document(QList<DownloadFile*>{}, "old");
    QVERIFY(writeAll(session->historyPath(), old));
    ScriptedUserPrompt prompt;
    FormDownload tab(nullptr);
    Jobs owned;
    for (int i = 0; i < 200; ++i)
        DownloadTabProbe::model(tab)->addJob(job(owned, QString::number(i), false));
    const int documentSize =
        DownloadHistory::document(DownloadTabProbe::model(tab)->getJobs(), "demo@brisko.local")
            .size();

    SpaceOf space;
    space.freeBytes = documentSize - DownloadHistory::kFreeSpaceSlack - 100;
    prompt.answer(QMessageBox::Ok);
    tab.saveAllDownloads();
    tab.waitForSaves();
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().at(0).kind, ScriptedUserPrompt::Kind::Critical);
    QCOMPARE(prompt.asked().at(0).title, QString::fromUtf8("Lỗi"));
    QCOMPARE(prompt.asked().at(0).text,
             QString::fromUtf8("Không đủ dung lượng trống để lưu danh sách tải xuống"));
    QCOMPARE(readAll(session->historyPath()), old);
    // The volume asked about is the one of the list file, not the program's.
    QCOMPARE(space.asked.value(0), QFileInfo(session->historyPath()).absolutePath());

    space.freeBytes = documentSize - DownloadHistory::kFreeSpaceSlack + 100; // just enough
    tab.saveAllDownloads();
    tab.waitForSaves();
    QCOMPARE(prompt.asked().size(), 1);
    const DownloadHistory::Loaded saved = DownloadHistory::load(session->historyPath());
    const int savedCount = saved.jobs.size();
    deleteAll(saved.jobs);
    QCOMPARE(savedCount, 200);
    DownloadTabProbe::model(tab)->removeRows(0, 200);
}

void TestDownloadHistory::interruptedSaveKeepsOldFile_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("limit");
    QTest::newRow("large document, cut on the way") << 500 << 16384;
    // Qt writes its last 16 KiB only when the file is closed, where a failure went unseen.
    QTest::newRow("small document, cut in the last flush") << 20 << 1024;
}

void TestDownloadHistory::interruptedSaveKeepsOldFile() {
    QFETCH(int, count);
    QFETCH(int, limit);
    Jobs owned;
    const QByteArray old = DownloadHistory::document(QList<DownloadFile*>{job(owned, "kept", false)}, "old");
    QVERIFY(writeAll(session->historyPath(), old));
    ScriptedUserPrompt prompt;
    FormDownload tab(nullptr);
    for (int i = 0; i < count; ++i)
        DownloadTabProbe::model(tab)->addJob(job(owned, QString::number(i), false));

    // Writes past the limit fail, as on a disk that fills up or goes away mid-write.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = rlim_t(limit);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    prompt.answer(QMessageBox::Ok);
    tab.saveAllDownloads();
    tab.waitForSaves();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().at(0).kind, ScriptedUserPrompt::Kind::Critical);
    QCOMPARE(prompt.asked().at(0).title, QString::fromUtf8("Lỗi"));
    QCOMPARE(prompt.asked().at(0).text, QString::fromUtf8("Lỗi lưu danh sách tải xuống"));
    QCOMPARE(readAll(session->historyPath()), old);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(QFileInfo(session->historyPath()).absolutePath())
                 .entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(session->historyPath()).fileName()});
    // Only this test's jobs leave the tab; the one it read from the file stays its own.
    QCOMPARE(DownloadTabProbe::model(tab)->getJobs().at(0)->getName(), QStringLiteral("kept"));
    DownloadTabProbe::model(tab)->removeRows(1, count);
}

void TestDownloadHistory::saveAskedWhileAFailureIsShownIsWritten() {
    PromptWithHook prompt;
    FormDownload tab(nullptr);
    Jobs owned;
    DownloadTabProbe::model(tab)->addJob(job(owned, "first", false));
    SpaceOf space;
    space.freeBytes = -DownloadHistory::kFreeSpaceSlack - 1; // the first save finds no room
    int hooks = 0;
    prompt.atCritical = [&] {
        ++hooks;
        // The failure is told on the GUI thread; while its box is open the user goes on.
        QCOMPARE(QThread::currentThread(), qApp->thread());
        space.freeBytes = qint64(1) << 40;
        DownloadTabProbe::model(tab)->addJob(job(owned, "added while the box was open", false));
        tab.saveAllDownloads();
        tab.waitForSaves();
        const auto written = DownloadHistory::load(session->historyPath());
        deleteAll(written.jobs);
        QCOMPARE(written.jobs.size(), 2);
    };
    prompt.answer(QMessageBox::Ok);
    tab.saveAllDownloads();
    tab.waitForSaves();
    QCOMPARE(hooks, 1);
    const auto loaded = DownloadHistory::load(session->historyPath());
    QCOMPARE(loaded.jobs.size(), 2);
    QCOMPARE(loaded.jobs.at(1)->getName(), QStringLiteral("added while the box was open"));
    deleteAll(loaded.jobs);
    DownloadTabProbe::model(tab)->removeRows(0, 2);
}

void TestDownloadHistory::savesAskedDuringASaveAreCoalesced() {
    ScriptedUserPrompt prompt;
    FormDownload tab(nullptr);
    Jobs owned;
    HeldDisk disk;
    DownloadTabProbe::model(tab)->addJob(job(owned, "0", false));
    tab.saveAllDownloads();
    QCoreApplication::processEvents(); // the lists are copied once the event is handled
    QVERIFY(disk.waitUntilAsked(1));   // the first save is under way, held
    for (int i = 1; i <= 3; ++i) {
        DownloadTabProbe::model(tab)->addJob(job(owned, QString::number(i), false));
        tab.saveAllDownloads(); // returns at once
        QCoreApplication::processEvents();
    }
    QVERIFY(!QFile::exists(session->historyPath()));
    disk.release();
    tab.waitForSaves();
    // One more write after the held one, with the lists as they were at the last request.
    QCOMPARE(disk.askedCount(), 2);
    const auto loaded = DownloadHistory::load(session->historyPath());
    QCOMPARE(loaded.jobs.size(), 4);
    QCOMPARE(loaded.jobs.at(3)->getName(), QStringLiteral("3"));
    deleteAll(loaded.jobs);
    QVERIFY(prompt.asked().isEmpty());
    DownloadTabProbe::model(tab)->removeRows(0, 4);
}

// A logout closes the tab while its last save is still on the disk's way: closing does
// not wait for it, the next login's tab reads the list it handed over, and that tab's own
// save is written after it, never overwritten by it.
void TestDownloadHistory::nextTabWritesAfterTheClosedOne() {
    ScriptedUserPrompt prompt;
    HeldDisk disk(HeldDisk::FirstOnly);
    QElapsedTimer closing;
    {
        FormDownload tab(nullptr);
        // The tab owns and frees these.
        Jobs made;
        DownloadTabProbe::model(tab)->addJob(job(made, "queued", false));
        DownloadTabProbe::model(tab)->addJob(job(made, "added last", false));
        DownloadTabProbe::finished(tab).append(job(made, "finished", true));
        for (auto& j : made)
            j.release();
        tab.saveAllDownloads();
        QCoreApplication::processEvents();
        QVERIFY(disk.waitUntilAsked(1)); // held until the next tab has saved
        DownloadTabProbe::model(tab)->moveItem(1, 0);
        closing.start();
    }
    // (It used to wait for the disk, here up to its ten-second bound.)
    QVERIFY2(closing.elapsed() < 5000, qPrintable(QString::number(closing.elapsed())));
    {
        FormDownload next(nullptr);
        QStringList names;
        for (const DownloadFile* j : DownloadTabProbe::model(next)->getJobs())
            names << j->getName();
        for (const DownloadFile* j : DownloadTabProbe::finished(next))
            names << j->getName();
        QCOMPARE(names, QStringList({"added last", "queued", "finished"}));
        Jobs made;
        DownloadTabProbe::model(next)->addJob(job(made, "next login", false));
        made.front().release();
        next.saveAllDownloads();
        QCoreApplication::processEvents();
        disk.release();
        next.waitForSaves();
    }
    QVERIFY(historyfile::waitForWrites(20000));
    const auto loaded = DownloadHistory::load(session->historyPath());
    QStringList names;
    for (const DownloadFile* j : loaded.jobs)
        names << j->getName();
    QCOMPARE(names, QStringList({"added last", "queued", "next login", "finished"}));
    deleteAll(loaded.jobs);
    QVERIFY(prompt.asked().isEmpty());
}

// A list handed over by a tab that is going is written after the tab went: nothing is
// reported to it any more (the report would reach a half-destroyed tab, or be dropped with
// it), and a failure is logged instead.
void TestDownloadHistory::handedOverSaveFailureIsLogged() {
    WarningWatch warnings("could not be written");
    QObject tab;
    auto* saver = new BackgroundSaver([] { return BackgroundSaver::Task([] { return 2; }); }, &tab);
    QSignalSpy reported(saver, &BackgroundSaver::saved);
    saver->handOver();
    QVERIFY(saver->flush(20000)); // the write has ended
    QCoreApplication::processEvents();
    QTRY_COMPARE_WITH_TIMEOUT(warnings.count(), 1, 20000);
    QCOMPARE(reported.count(), 0);
}

QTEST_MAIN(TestDownloadHistory)
#include "test_downloadhistory.moc"
