#include "core/ruridudi.h"

RuriDudi* currentUser = nullptr;

RuriDudi::RuriDudi(const QString& userId, const QString& email, const QString& sessionId,
                   const QString& password, int level, double value)
    : m_userId(userId), m_email(email), m_sessionId(sessionId), m_password(password),
      m_level(level), m_value2(value) {}

RuriDudi::RuriDudi(const RuriDudi& other) {
    *this = other;
}

RuriDudi& RuriDudi::operator=(const RuriDudi& other) {
    if (this == &other)
        return *this;
    // Copy out under the source's lock, then store under ours: never both at once.
    QMutexLocker source(&other.m_mutex);
    const QString userId = other.m_userId, email = other.m_email;
    const QString sessionId = other.m_sessionId, password = other.m_password;
    const int level = other.m_level;
    const double v1 = other.m_value1, v2 = other.m_value2, v3 = other.m_value3;
    const double last = other.m_lastValue;
    source.unlock();
    QMutexLocker lock(&m_mutex);
    m_userId = userId;
    m_email = email;
    m_sessionId = sessionId;
    m_password = password;
    m_level = level;
    m_value1 = v1;
    m_value2 = v2;
    m_value3 = v3;
    m_lastValue = last;
    return *this;
}

QString RuriDudi::getUserId() const {
    return read(m_userId);
}
void RuriDudi::setUserId(const QString& v) {
    write(m_userId, v);
}

QString RuriDudi::getEmail() const {
    return read(m_email);
}
void RuriDudi::setEmail(const QString& v) {
    write(m_email, v);
}

QString RuriDudi::getSessionId() const {
    return read(m_sessionId);
}
void RuriDudi::setSessionId(const QString& v) {
    write(m_sessionId, v);
}

QString RuriDudi::getPassword() const {
    return read(m_password);
}
void RuriDudi::setPassword(const QString& v) {
    write(m_password, v);
}

int RuriDudi::getLevel() const {
    return read(m_level);
}
void RuriDudi::setLevel(int v) {
    write(m_level, v);
}

double RuriDudi::getValue1() const {
    return read(m_value1);
}
void RuriDudi::setValue1(double v) {
    write(m_value1, v);
}

double RuriDudi::getValue2() const {
    return read(m_value2);
}
void RuriDudi::setValue2(double v) {
    write(m_value2, v);
}

double RuriDudi::getValue3() const {
    return read(m_value3);
}
void RuriDudi::setValue3(double v) {
    write(m_value3, v);
}

double RuriDudi::getLastValue() const {
    return read(m_lastValue);
}
void RuriDudi::setLastValue(double v) {
    write(m_lastValue, v);
}
