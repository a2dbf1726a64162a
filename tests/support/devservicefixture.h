#pragma once
// Runs the local stand-in of the service inside a test program and points the program
// at it: its CA becomes the CA bundle of every curl handle, and all four hosts move to
// its port.
#include "api/apiresult.h"
#include "tools/devservice/service.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class DevServiceFixture {
public:
    DevServiceFixture() = default;
    ~DevServiceFixture();
    DevServiceFixture(const DevServiceFixture&) = delete;
    DevServiceFixture& operator=(const DevServiceFixture&) = delete;

    // The program's application key, 127.0.0.1, a free port, memory only.
    static devservice::ServiceOptions defaultOptions();

    // Starts a fresh service (a running one is stopped first). False, with a warning
    // and error(), when it can't.
    bool start(devservice::ServiceOptions options = defaultOptions());
    void stop();

    quint16 port() const;
    QString caPath() const { return caPath_; }
    QString error() const { return error_; }
    // Holds back every API reply of the running service this long (0: none).
    void setLatency(std::chrono::milliseconds latency) {
        if (service_)
            service_->setLatency(latency);
    }
    // For scripting faults, reading the request log and reaching the store.
    devservice::Service& service() { return *service_; }

private:
    bool fail(const std::string& message);

    std::unique_ptr<devservice::Service> service_;
    QTemporaryDir folder_;
    QString caPath_;
    QString error_;
};

// A request's JSON body, as the tests read what the program sent.
inline Json::Value bodyOf(const devservice::Request& request) {
    Json::Value body;
    brisko::json::parse(request.body, body);
    return body;
}
