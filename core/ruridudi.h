#pragma once
// The logged-in account as the user interface keeps it, with the credentials used to
// log in again when the service reports an expired session.
#include <QMutex>
#include <QMutexLocker>
#include <QString>

class RuriDudi {
public:
    RuriDudi(const QString& userId, const QString& email, const QString& sessionId,
             const QString& password, int level, double value);
    RuriDudi(const RuriDudi& other);
    RuriDudi& operator=(const RuriDudi& other);

    QString getUserId() const;
    void setUserId(const QString& userId);
    QString getEmail() const;
    void setEmail(const QString& email);
    QString getSessionId() const;
    void setSessionId(const QString& sessionId);
    QString getPassword() const;
    void setPassword(const QString& password);
    int getLevel() const;
    void setLevel(int level);

    double getValue1() const;
    void setValue1(double value);
    double getValue2() const;
    void setValue2(double value);
    double getValue3() const;
    void setValue3(double value);
    double getLastValue() const;
    void setLastValue(double value);

private:
    template <typename T> T read(const T& field) const {
        QMutexLocker lock(&m_mutex);
        return field;
    }
    template <typename T> void write(T& field, const T& value) {
        QMutexLocker lock(&m_mutex);
        field = value;
    }

    // Workers read the record while the GUI thread may change it (the level after an
    // account refresh), so every field is read and written under the lock.
    mutable QMutex m_mutex;
    QString m_userId;
    QString m_email;
    QString m_sessionId;
    QString m_password;
    int m_level = 0;
    double m_value1 = 0;
    double m_value2 = 0;
    double m_value3 = 0;
    double m_lastValue = 0;
};

// The logged-in account; null while nobody is logged in. Set and released by the
// main window on the GUI thread.
extern RuriDudi* currentUser;
