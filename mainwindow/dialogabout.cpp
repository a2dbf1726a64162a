#include "mainwindow/dialogabout.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/windowshape.h"
#include "platform/hostconfig.h"
#include "platform/systemactions.h"
#include "ui_dialogabout.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>

namespace {

constexpr const char* kBuildNumber = "174";
// The day this version was released, in the compiler's date format.
constexpr const char* kBuildDate = "Feb 14 2017";

} // namespace

dialogabout::dialogabout(QWidget* parent) : QDialog(parent), ui(new Ui::dialogabout) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    makeFramelessShaped(this, QStringLiteral(":/images/popup_about.png"));
    ui->lb_value_version->setText(versionText());
    ui->lb_value_release->setText(releaseDateText(QLatin1String(kBuildDate)));
    applyContactLink();
    // To the desktop's browser through the program's one door to other programs.
    connect(ui->lb_contact, &QLabel::linkActivated, this,
            [](const QString& link) { platform::openUrl(link); });
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog about"));
}

dialogabout::~dialogabout() {
    delete ui;
}

QString dialogabout::versionText() {
    return QCoreApplication::applicationVersion() + QStringLiteral(" build ") +
           QLatin1String(kBuildNumber);
}

QString dialogabout::releaseDateText(const QString& buildDate) {
    const QDate date = QLocale(QStringLiteral("en_US"))
                           .toDate(buildDate.simplified(), QStringLiteral("MMM d yyyy"));
    return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")) : QString();
}

void dialogabout::applyContactLink() {
    const QString site = QStringLiteral("www.") + QString::fromStdString(hosts::webHost());
    ui->lb_contact->setText(
        tr("Liên hệ:") +
        QStringLiteral(" <a style=\"color: #18517a;text-decoration: none;font-weight: bold;\" "
                       "href=\"https://%1/support\">%1</a>")
            .arg(site.toHtmlEscaped()));
}

void dialogabout::on_lb_value_version_linkActivated(QString link) {
    platform::openUrl(link);
}

void dialogabout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    applyContactLink();
}

void dialogabout::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void dialogabout::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
