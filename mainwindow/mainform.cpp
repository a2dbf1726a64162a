#include "mainwindow/mainform.h"

#include "core/briskologger.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "mainwindow/loginform.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kLogIntervalMs = 600000;

void keep(QString& kept, const QString& more) {
    kept = kept.isEmpty() ? more : kept + QLatin1Char('|') + more;
}

} // namespace

MainForm::MainForm(QWidget* parent)
    : QMainWindow(parent), loginForm(new LoginForm(this)), account(new QLabel),
      received(new QListWidget), logTimer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Brisko Tool"));
    resize(640, 400);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(account);
    layout->addWidget(new QLabel(tr("Liên kết và tập tin nhận được:")));
    layout->addWidget(received);
    setCentralWidget(central);
    connect(loginForm, &LoginForm::loginFinish, this, &MainForm::loginDone);
    logTimer->setInterval(kLogIntervalMs);
    connect(logTimer, &QTimer::timeout, this, &MainForm::startSendLogDownload);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Start main form"));
}

MainForm::~MainForm() {
    delete currentUser;
    currentUser = nullptr;
    delete analytics;
    analytics = nullptr;
}

void MainForm::showLogin(bool startup) {
    loginForm->setStartupLogin(startup);
    loginForm->exec();
}

void MainForm::handleMessage(const QString& message) {
    const QString text = message.trimmed();
    if (text.isEmpty())
        return;
    const bool isLinks = text.startsWith(QLatin1String("-d|"));
    const QString items = isLinks ? text.mid(3) : text;
    if (!currentUser) {
        keep(isLinks ? m_links : m_paths, items);
        if (loginForm->isVisible()) {
            emit needtoShow();
            loginForm->activateWindow();
            loginForm->raise();
        }
        return;
    }
    if (isHidden() || isMinimized())
        showNormal();
    else
        raise();
    emit needtoShow();
    handOver(isLinks ? items : QString(), isLinks ? QString() : items);
}

void MainForm::loginDone(RuriDudi& user) {
    delete currentUser;
    currentUser = new RuriDudi(user);
    if (analytics)
        analytics->setUserId(currentUser->getUserId());
    account->setText(tr("Tài khoản: %1").arg(currentUser->getEmail()));
    logTimer->start();
    show();
    handOver(m_links, m_paths);
    m_links.clear();
    m_paths.clear();
}

void MainForm::handOver(const QString& links, const QString& paths) {
    // The transfer tabs take these over once they exist; for now they are listed.
    for (const QString& link : links.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        received->addItem(tr("Tải về: %1").arg(link));
    for (const QString& path : paths.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        received->addItem(tr("Tải lên: %1").arg(path));
}

void MainForm::logout(QString reason) {
    Q_UNUSED(reason);
    if (analytics) {
        GAnalytics::QueryItems end = analytics->buildQuery(QStringLiteral("event"));
        end.append({QStringLiteral("sc"), QStringLiteral("end")});
        analytics->postQuery(end);
    }
    logTimer->stop();
    delete currentUser;
    currentUser = nullptr;
}

void MainForm::startSendLogDownload() {
    // No download runs before the download tab exists, so there is nothing to report.
    m_downloadSpeed = 0;
}
