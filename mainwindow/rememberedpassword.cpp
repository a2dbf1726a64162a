#include "mainwindow/rememberedpassword.h"

#include "core/crypto.h"

#include <QHostInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

// Fixed parts of the salt and the passphrase. Changing them makes every remembered
// password unreadable.
constexpr char kSaltHead[] = "bKt9#q";    // 6 characters
constexpr char kSaltTail[] = "z!Lw2v@Rh"; // 9 characters
constexpr char kPhraseHead[] = "Br1sk0%"; // 7 characters

} // namespace

QString RememberedPassword::makeSalt(const QTime& time) {
    return QLatin1String(kSaltHead) + time.toString(QStringLiteral("hh:mm:ss")) +
           QLatin1String(kSaltTail);
}

QString RememberedPassword::machineName() {
    const QString set = qEnvironmentVariable("COMPUTERNAME");
    return set.isEmpty() ? QHostInfo::localHostName() : set;
}

QString RememberedPassword::userName() {
    const QString set = qEnvironmentVariable("USERNAME");
    if (!set.isEmpty())
        return set;
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QByteArray RememberedPassword::passphrase(const QString& salt) {
    return QByteArray(kPhraseHead) + salt.toUtf8() + machineName().toUtf8() + userName().toUtf8();
}

QString RememberedPassword::encipher(const QString& password, const QString& salt) {
    const std::string cipher =
        aesEncrypt(password.toUtf8().toStdString(), passphrase(salt).toStdString());
    return QString::fromLatin1(QByteArray::fromStdString(cipher).toBase64());
}

QString RememberedPassword::decipher(const QString& stored, const QString& salt) {
    const QByteArray text = stored.toLatin1();
    const auto decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray cipher = decoded ? decoded.decoded : text;
    const std::string plain = aesDecrypt(cipher.toStdString(), passphrase(salt).toStdString());
    return QString::fromUtf8(plain.data(), int(plain.size()));
}
