#include "tests/support/devservicefixture.h"

#include "api/appkey.h"
#include "api/curlhandle.h"

#include <QFile>
#include <QtGlobal>

DevServiceFixture::~DevServiceFixture() {
    stop();
}

devservice::ServiceOptions DevServiceFixture::defaultOptions() {
    devservice::ServiceOptions options;
    options.appKey = brisko::application_key();
    options.host = "127.0.0.1";
    options.port = 0;
    return options;
}

bool DevServiceFixture::start(devservice::ServiceOptions options) {
    stop();
    if (!folder_.isValid())
        return fail("no temporary folder");
    service_ = std::make_unique<devservice::Service>(std::move(options));
    std::string error;
    caPath_ = folder_.filePath("ca.crt");
    if (!service_->start(&error) ||
        !service_->writeCaFile(QFile::encodeName(caPath_).toStdString(), &error))
        return fail(error);

    utils::set_ca_path(QFile::encodeName(caPath_).toStdString());
    const QByteArray hostPort = "127.0.0.1:" + QByteArray::number(port());
    qputenv("BRISKO_API_HOST", hostPort);
    qputenv("BRISKO_WEB_HOST", "localhost:" + QByteArray::number(port()));
    qputenv("BRISKO_LOG_HOST", hostPort);
    // Until the stand-in has its own analytics collector, this keeps hits on the loopback.
    qputenv("BRISKO_ANALYTICS_HOST", hostPort);
    error_.clear();
    return true;
}

void DevServiceFixture::stop() {
    if (service_)
        service_->stop();
}

quint16 DevServiceFixture::port() const {
    return service_ ? service_->port() : 0;
}

bool DevServiceFixture::fail(const std::string& message) {
    error_ = QString::fromStdString(message);
    qWarning("devservice did not start: %s", message.c_str());
    return false;
}
