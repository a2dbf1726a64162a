#pragma once
// Sets an environment variable (or unsets it, for a null value) for the lifetime of the
// object, and puts back what was there before.
#include <QByteArray>
#include <QtGlobal>

class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name(name), old(qgetenv(name)), had(qEnvironmentVariableIsSet(name)) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvironmentValue() { had ? qputenv(name, old) : qunsetenv(name); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* name;
    QByteArray old;
    bool had;
};
