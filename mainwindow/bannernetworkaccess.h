#pragma once
// The network access of the banner view: it loads over https only, and verifies every
// page against the program's CA bundle (ca.crt in the program folder) as well as the
// system's CAs. Plain-http requests fail without going out.
#include <QList>
#include <QNetworkAccessManager>
#include <QSslCertificate>

class BannerNetworkAccess : public QNetworkAccessManager {
    Q_OBJECT
public:
    explicit BannerNetworkAccess(QObject* parent = nullptr);

    // The TLS set-up every request of the view gets.
    QSslConfiguration tlsConfiguration() const;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;

private:
    QList<QSslCertificate> bundle;
};
