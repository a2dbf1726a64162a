#include "mainwindow/bannernetworkaccess.h"

#include "platform/userfolders.h"

#include <QNetworkRequest>
#include <QSslConfiguration>

BannerNetworkAccess::BannerNetworkAccess(QObject* parent) : QNetworkAccessManager(parent) {
    bundle = QSslCertificate::fromPath(platform::programFolder() + QStringLiteral("/ca.crt"),
                                       QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
    if (bundle.isEmpty())
        qWarning("The banner has no CA bundle (ca.crt); only the system's CAs are trusted");
}

QSslConfiguration BannerNetworkAccess::tlsConfiguration() const {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(bundle);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    return tls;
}

QNetworkReply* BannerNetworkAccess::createRequest(Operation op, const QNetworkRequest& request,
                                                  QIODevice* outgoingData) {
    QNetworkRequest verified(request);
    const QString scheme = verified.url().scheme();
    if (scheme == QLatin1String("https"))
        verified.setSslConfiguration(tlsConfiguration());
    else if (scheme == QLatin1String("http"))
        verified.setUrl(QUrl()); // nothing unencrypted: the request fails at once
    return QNetworkAccessManager::createRequest(op, verified, outgoingData);
}
