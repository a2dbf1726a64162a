#pragma once
// The password of the remembered account as the settings keep it: enciphered with a
// passphrase made of fixed texts, a salt saved beside it, the machine's name and the
// user's login name, then base64. So a copied settings file is of no use on another
// machine or to another user. No widgets.
#include <QByteArray>
#include <QString>
#include <QTime>

class RememberedPassword {
public:
    // A fresh salt for a save at this time of day: 23 ASCII characters.
    static QString makeSalt(const QTime& time = QTime::currentTime());
    // The passphrase for this salt on this machine and for this user.
    static QByteArray passphrase(const QString& salt);

    // The stored form of a password (its UTF-8 bytes, enciphered, base64).
    static QString encipher(const QString& password, const QString& salt);
    // The password back from its stored form. A stored text that is not valid base64 is
    // deciphered as it stands, which gives no usable password but no error either.
    static QString decipher(const QString& stored, const QString& salt);

    // The machine and user parts of the passphrase: COMPUTERNAME and USERNAME when set,
    // else the host name and the login name.
    static QString machineName();
    static QString userName();
};
