#include "core/crypto.h"
#include "core/opensslthreads.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <openssl/crypto.h>

class TestCrypto : public QObject {
    Q_OBJECT
private slots:
    void hex_data();
    void hex();
    void sha256Vectors_data();
    void sha256Vectors();
    void sha256OfFiles();
    void utf8Conversions();
    void cipherMatchesOpenssl_data();
    void cipherMatchesOpenssl();
    void cipherRoundTrip_data();
    void cipherRoundTrip();
    void passphraseCoversEveryByte();
    void threadLockTable();
};

namespace {

std::string bytes(const QByteArray& a) {
    return std::string(a.constData(), size_t(a.size()));
}
QByteArray qbytes(const std::string& s) {
    return QByteArray(s.data(), int(s.size()));
}

// Key and IV worked out with another SHA-256 implementation than the one under test.
QByteArray derived(const QByteArray& text, int length) {
    return QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(length);
}

QByteArray opensslEnc(const QByteArray& input, const QByteArray& passphrase, bool decrypt) {
    QProcess openssl;
    QStringList args{"enc",
                     "-aes-256-cfb",
                     "-nosalt",
                     "-K",
                     derived(passphrase, 32).toHex(),
                     "-iv",
                     derived("vec_pf_" + passphrase, 16).toHex()};
    if (decrypt)
        args << "-d";
    openssl.start("openssl", args);
    openssl.write(input);
    openssl.closeWriteChannel();
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        return "openssl failed: " + openssl.readAllStandardError();
    return openssl.readAllStandardOutput();
}

QByteArray patterned(int length) {
    QByteArray data(length, '\0');
    for (int i = 0; i < length; ++i)
        data[i] = char((i * 131 + 7) % 256); // zero bytes included
    return data;
}

} // namespace

void TestCrypto::hex_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("none") << QByteArray() << QByteArray();
    QTest::newRow("edge bytes") << QByteArray("\x00\x0f\xa0\xff", 4) << QByteArray("000fa0ff");
    // Only the first 510 bytes are converted.
    QTest::newRow("511 bytes") << QByteArray(511, '\x5a') << QByteArray(510, '\x5a').toHex();
}

void TestCrypto::hex() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const std::string hex =
        toHex(reinterpret_cast<const unsigned char*>(input.constData()), input.size());
    QCOMPARE(qbytes(hex), expected);
}

void TestCrypto::sha256Vectors_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("empty")
        << QByteArray()
        << QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray(
                                "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    QTest::newRow("448 bits")
        << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
        << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    QTest::newRow("million a")
        << QByteArray(1000000, 'a')
        << QByteArray("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    QTest::newRow("embedded zero")
        << QByteArray("a\0b", 3)
        << QCryptographicHash::hash(QByteArray("a\0b", 3), QCryptographicHash::Sha256).toHex();
}

void TestCrypto::sha256Vectors() {
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, digest);
    QCOMPARE(qbytes(sha256String(bytes(message))), digest);
}

void TestCrypto::sha256OfFiles() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString empty = dir.filePath("empty");
    QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
    QCOMPARE(sha256File(QFile::encodeName(empty).toStdString()), sha256String(""));

    // Larger than one read block and not a multiple of it, with a UTF-8 name.
    const QByteArray content = patterned(3 * 32768 + 123);
    const QString big = dir.filePath("tệp lớn.bin");
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    QCOMPARE(qbytes(sha256File(QFile::encodeName(big).toStdString())),
             QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());

    QCOMPARE(sha256File(QFile::encodeName(dir.filePath("missing")).toStdString()), std::string());
    QCOMPARE(sha256File(QFile::encodeName(dir.path()).toStdString()), std::string());
}

void TestCrypto::utf8Conversions() {
    const QString text = QStringLiteral("Tải xuống ✓");
    const std::string utf8 = toUtf8StdString(text);
    QCOMPARE(qbytes(utf8), text.toUtf8());
    QCOMPARE(fromUtf8StdString(utf8), text);
    QCOMPARE(fromUtf8StdString(std::string("a\0b", 3)).size(), 3);
}

void TestCrypto::cipherMatchesOpenssl_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("passphrase");
    QTest::newRow("one byte") << QByteArray("x") << QByteArray("quiet harbor lantern seven");
    QTest::newRow("block and a bit") << patterned(17) << QByteArray("p");
    QTest::newRow("password text") << QByteArray("mật khẩu 123") << QByteArray("Qsyn-user@x.vn");
    QTest::newRow("long") << patterned(70000) << QByteArray("\x01\xff passphrase\0z", 15);
}

void TestCrypto::cipherMatchesOpenssl() {
    if (QStandardPaths::findExecutable("openssl").isEmpty())
        QSKIP("the openssl command is not installed");
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, passphrase);
    const QByteArray cipher = qbytes(aesEncrypt(bytes(plain), bytes(passphrase)));
    QCOMPARE(cipher.size(), plain.size());
    QCOMPARE(cipher, opensslEnc(plain, passphrase, false));
    QCOMPARE(qbytes(aesDecrypt(bytes(opensslEnc(plain, passphrase, false)), bytes(passphrase))),
             plain);
}

void TestCrypto::cipherRoundTrip_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("large") << 5 * 1024 * 1024 + 3;
}

void TestCrypto::cipherRoundTrip() {
    QFETCH(int, length);
    const std::string plain = bytes(patterned(length));
    const std::string cipher = aesEncrypt(plain, "pass");
    QCOMPARE(cipher.size(), plain.size());
    QCOMPARE(aesDecrypt(cipher, "pass"), plain);
    QCOMPARE(aesEncrypt(plain, "pass"), cipher); // the IV depends on the passphrase only
    if (length > 0) {
        QVERIFY(cipher != plain);
        const std::string wrong = aesDecrypt(cipher, "Pass");
        QCOMPARE(wrong.size(), plain.size());
        QVERIFY(wrong != plain);
    }
}

void TestCrypto::passphraseCoversEveryByte() {
    const std::string plain = "the same secret text";
    const std::string a = aesEncrypt(plain, "passphrase-1");
    QVERIFY(aesEncrypt(plain, "passphrase-2") != a);  // differs after the first bytes
    QVERIFY(aesEncrypt(plain, "passphrase-1x") != a); // a tail appended
    QVERIFY(aesDecrypt(a, "passphrase-1x") != plain);
    QVERIFY(aesEncrypt(plain, std::string("pass\0a", 6)) != aesEncrypt(plain, "pass"));
}

void TestCrypto::threadLockTable() {
    QCOMPARE(opensslThreadCleanup(), 0); // nothing set up yet
    QVERIFY(opensslLocks == nullptr);
    QCOMPARE(opensslThreadSetup(), 1);
    QVERIFY(opensslLocks != nullptr);
    QCOMPARE(opensslLockCount(), CRYPTO_num_locks());
    QVERIFY(opensslIdCallback() != 0);

    opensslLockingCallback(1, 0, __FILE__, __LINE__);
    QVERIFY(!opensslLocks[0]->tryLock());
    opensslLockingCallback(0, 0, __FILE__, __LINE__);
    QVERIFY(opensslLocks[0]->tryLock()); // free again
    opensslLocks[0]->unlock();
    opensslLockingCallback(1, opensslLockCount(), __FILE__, __LINE__); // out of range: ignored
    opensslLockingCallback(1, -1, __FILE__, __LINE__);

    QCOMPARE(opensslThreadCleanup(), 1);
    QVERIFY(opensslLocks == nullptr);
    QCOMPARE(opensslThreadCleanup(), 0);
    opensslLockingCallback(1, 0, __FILE__, __LINE__); // no table: nothing to lock
}

QTEST_GUILESS_MAIN(TestCrypto)
#include "test_crypto.moc"
