#pragma once
// Usage analytics: Measurement Protocol (version 1) hits posted to the analytics
// collector. Hits are fire-and-forget; nothing in the program waits for them.
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPair>
#include <QString>

class QLocale;
class QNetworkAccessManager;

class GAnalytics : public QObject {
    Q_OBJECT
public:
    // The parameters of one hit, in the order they are sent.
    using QueryItems = QList<QPair<QString, QString>>;

    // An empty clientID takes the installation's id from the settings, making one on
    // the first run.
    GAnalytics(QObject* parent, QString trackingID, QString clientID);

    // Language, user agent and screen resolution of this machine.
    void readSystemInfo();
    void readSystemInfo(const QLocale& locale);

    // The account id after a login; sent as "uid" with every later hit.
    void setUserId(const QString& userId) { m_userId = userId; }
    QString userId() const { return m_userId; }
    QString clientId() const { return m_clientId; }

    // The common parameters of every hit of this type.
    QueryItems buildQuery(const QString& hitType) const;
    // Sends one hit, unless sending has been switched off.
    void postQuery(const QueryItems& query);

public slots:
    void sendPageview(QString docHostname, QString page, QString title);
    void sendEvent(QString eventCategory = QString(), QString eventAction = QString(),
                   QString eventLabel = QString(), int eventValue = 0);
    void sendTransaction(QString transactionID, QString transactionAffiliation = QString());
    void sendItem(QString itemName);
    void sendSocial(QString socialNetwork, QString socialAction, QString socialActionTarget);
    void sendException(QString exceptionDescription, bool exceptionFatal = true);
    void sendTiming();
    void sendAppview(QString appName, QString appVersion = QString(),
                     QString screenName = QString());
    void endSession();

private slots:
    void postFinished(QNetworkReply* reply);
    void postError(QNetworkReply::NetworkError code);

private:
    // The form body of a hit: UTF-8, percent-encoded, "+" as %2B so that no collector
    // reads it as a blank.
    static QByteArray encodeQuery(const QueryItems& query);

    QNetworkAccessManager* m_manager;
    QString m_trackingId;
    QString m_clientId;
    QString m_userId;
    QString m_userIp;
    QString m_userAgent;
    QString m_appName;
    QString m_appVersion;
    QString m_screenResolution;
    QString m_viewportSize;
    QString m_language;
    bool m_sendingOff = false;
};
