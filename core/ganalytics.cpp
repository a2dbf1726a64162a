#include "core/ganalytics.h"

#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QScreen>
#include <QUrl>
#include <QUuid>
#include <QtGlobal>

#include <sys/utsname.h>

namespace {

// One id per installation and user, kept across runs.
QString storedClientId() {
    SettingsStore settings;
    QString id = settings.text(SettingsKeys::AnalyticsClientId);
    // An empty stored id would make every hit invalid, so it is replaced like a missing one.
    if (id.isEmpty()) {
        id = QUuid::createUuid().toString(); // with braces
        // Written off this thread as the store goes; a failure is logged there.
        settings.setValue(SettingsKeys::AnalyticsClientId, id);
    }
    return id;
}

// The system part of the user agent, such as "X11; Linux x86_64; ".
QString operatingSystem() {
    QString os = QStringLiteral("X11; ");
    utsname kernel{};
    if (uname(&kernel) == 0)
        os += QString::fromLocal8Bit(kernel.sysname) + QLatin1Char(' ') +
              QString::fromLocal8Bit(kernel.machine) + QStringLiteral("; ");
    return os;
}

void addIfSet(GAnalytics::QueryItems& query, const char* key, const QString& value) {
    if (!value.isEmpty())
        query.append({QString::fromLatin1(key), value});
}

} // namespace

GAnalytics::GAnalytics(QObject* parent, QString trackingID, QString clientID)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)),
      m_trackingId(std::move(trackingID)), m_clientId(std::move(clientID)) {
    if (parent) {
        m_appName = QCoreApplication::applicationName();
        m_appVersion = QCoreApplication::applicationVersion();
    }
    if (m_clientId.isEmpty())
        m_clientId = storedClientId();
    connect(m_manager, &QNetworkAccessManager::finished, this, &GAnalytics::postFinished);
}

void GAnalytics::readSystemInfo() {
    readSystemInfo(QLocale::system());
}

void GAnalytics::readSystemInfo(const QLocale& locale) {
    m_language = locale.name().replace(QLatin1Char('_'), QLatin1Char('-'));
    m_userAgent = QStringLiteral("Mozilla/5.0 (") + operatingSystem() + m_language +
                  QStringLiteral(") GAnalytics/1.0 (Qt/") + QString::fromLatin1(qVersion()) +
                  QStringLiteral(" )");
    // Without a GUI (or a screen) the resolution stays unknown and is not sent.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect geometry = screen->geometry();
        m_screenResolution = QString::number(geometry.width()) + QLatin1Char('x') +
                             QString::number(geometry.height());
    }
}

GAnalytics::QueryItems GAnalytics::buildQuery(const QString& hitType) const {
    QueryItems query;
    query.append({QStringLiteral("v"), QStringLiteral("1")});
    query.append({QStringLiteral("tid"), m_trackingId});
    query.append({QStringLiteral("cid"), m_clientId});
    query.append({QStringLiteral("t"), hitType});
    addIfSet(query, "uid", m_userId);
    addIfSet(query, "uip", m_userIp);
    addIfSet(query, "sr", m_screenResolution);
    addIfSet(query, "vp", m_viewportSize);
    addIfSet(query, "ul", m_language.toLower());
    return query;
}

QByteArray GAnalytics::encodeQuery(const QueryItems& query) {
    QByteArray body;
    for (int i = 0; i < query.size(); ++i) {
        if (i > 0)
            body += '&';
        // Everything but the unreserved characters is escaped, "+" and blanks included.
        body += QUrl::toPercentEncoding(query.at(i).first) + '=' +
                QUrl::toPercentEncoding(query.at(i).second);
    }
    return body;
}

void GAnalytics::postQuery(const QueryItems& query) {
    if (m_sendingOff)
        return;
    const QUrl collector(QStringLiteral("http://") +
                         QString::fromStdString(hosts::analyticsHost()) +
                         QStringLiteral("/collect"));
    QNetworkRequest request(collector);
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent.toUtf8());
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    // A redirect is an answer to judge (it switches sending off), never one to follow.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_manager->post(request, encodeQuery(query));
    connect(reply, &QNetworkReply::errorOccurred, this, &GAnalytics::postError);
}

void GAnalytics::sendPageview(QString docHostname, QString page, QString title) {
    QueryItems query = buildQuery(QStringLiteral("pageview"));
    query.append({QStringLiteral("dh"), docHostname});
    query.append({QStringLiteral("dp"), page});
    query.append({QStringLiteral("dt"), title});
    postQuery(query);
}

void GAnalytics::sendEvent(QString eventCategory, QString eventAction, QString eventLabel,
                           int eventValue) {
    QueryItems query = buildQuery(QStringLiteral("event"));
    addIfSet(query, "an", m_appName);
    addIfSet(query, "av", m_appVersion);
    addIfSet(query, "ec", eventCategory);
    addIfSet(query, "ea", eventAction);
    addIfSet(query, "el", eventLabel);
    if (eventValue != 0)
        query.append({QStringLiteral("ev"), QString::number(eventValue)});
    postQuery(query);
}

void GAnalytics::sendTransaction(QString transactionID, QString transactionAffiliation) {
    QueryItems query = buildQuery(QStringLiteral("transaction"));
    query.append({QStringLiteral("ti"), transactionID});
    addIfSet(query, "ta", transactionAffiliation);
    postQuery(query);
}

void GAnalytics::sendItem(QString itemName) {
    QueryItems query = buildQuery(QStringLiteral("item"));
    query.append({QStringLiteral("in"), itemName});
    postQuery(query);
}

void GAnalytics::sendSocial(QString socialNetwork, QString socialAction,
                            QString socialActionTarget) {
    QueryItems query = buildQuery(QStringLiteral("social"));
    query.append({QStringLiteral("sn"), socialNetwork});
    query.append({QStringLiteral("sa"), socialAction});
    query.append({QStringLiteral("st"), socialActionTarget});
    postQuery(query);
}

void GAnalytics::sendException(QString exceptionDescription, bool exceptionFatal) {
    QueryItems query = buildQuery(QStringLiteral("exception"));
    addIfSet(query, "exd", exceptionDescription);
    if (!exceptionFatal)
        query.append({QStringLiteral("exf"), QStringLiteral("0")});
    postQuery(query);
}

void GAnalytics::sendTiming() {
    postQuery(buildQuery(QStringLiteral("timing")));
}

void GAnalytics::sendAppview(QString appName, QString appVersion, QString screenName) {
    QueryItems query = buildQuery(QStringLiteral("appview"));
    // The program's own name and version win over the caller's.
    addIfSet(query, "an", m_appName.isEmpty() ? appName : m_appName);
    addIfSet(query, "av", m_appVersion.isEmpty() ? appVersion : m_appVersion);
    addIfSet(query, "cd", screenName);
    postQuery(query);
}

void GAnalytics::endSession() {
    QueryItems query = buildQuery(QStringLiteral("event"));
    query.append({QStringLiteral("sc"), QStringLiteral("end")});
    postQuery(query);
}

void GAnalytics::postFinished(QNetworkReply* reply) {
    // HTTP statuses of 400 and above arrive as network errors and leave sending on;
    // any other answer outside 2xx (a redirect, no status at all) switches it off.
    if (reply->error() != QNetworkReply::NoError) {
        qDebug("postFinished error: %s", qUtf8Printable(reply->errorString()));
    } else {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status < 200 || status > 299)
            m_sendingOff = true;
    }
    reply->deleteLater();
}

void GAnalytics::postError(QNetworkReply::NetworkError code) {
    qDebug("network error signal: %d", static_cast<int>(code));
}
