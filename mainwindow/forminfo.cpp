#include "mainwindow/forminfo.h"

#include "api/user.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/sizetext.h"
#include "core/userprompt.h"
#include "mainwindow/pieview.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_forminfo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStandardItemModel>

#include <cmath>
#include <limits>

namespace {

constexpr int kLevelStorage = 17;
constexpr int kLevelForever = 18;
constexpr int kLevelBundle = 11;
constexpr int kChartSide = 125;
// Earliest and latest second a date label shows (years 1 to 9999); a date outside reads
// as unknown.
constexpr double kFirstSecond = -62135596800.0;
constexpr double kLastSecond = 253402300799.0;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// A whole number of the record, 0 when the text is not one.
int wholeNumber(const std::string& value) {
    bool ok = false;
    const int number = text(value).toInt(&ok, 10);
    return ok ? number : 0;
}

// A byte count of the record, 0 when the text is not a finite number.
double byteCount(const std::string& value) {
    bool ok = false;
    const double number = text(value).toDouble(&ok);
    return ok && std::isfinite(number) ? number : 0.0;
}

// A byte count as the program writes sizes; a count below zero (used above the quota)
// keeps its sign in front of the size.
QString sizeText(double bytes) {
    constexpr double kLargest = double(std::numeric_limits<qint64>::max());
    const double magnitude = std::min(std::trunc(std::fabs(bytes)), kLargest);
    const QString size = formatSize(qint64(magnitude));
    return bytes <= -1.0 ? QStringLiteral("-") + size : size;
}

// Seconds since 1970 (UTC) in local time, as the system locale writes a short date and
// time; a text that is not a number is 1970 itself.
QString dateText(const std::string& value) {
    const double seconds = std::trunc(byteCount(value));
    if (seconds < kFirstSecond || seconds > kLastSecond)
        return QString();
    return localShortDateTime(qint64(seconds));
}

// The anchor to the service's paid packages around content.
QString purchaseLink(const QString& content) {
    return QStringLiteral("<a href=\"https://") + text(hosts::webHost()) +
           QStringLiteral("/payment/package/?type=vip&_src=bq\">") + content +
           QStringLiteral("</a>");
}

// The name of a level of 3 and above; the account's own type names the levels without a
// name of their own.
QString paidLevelName(int level, const QString& accountType) {
    switch (level) {
    case 3:
    case 4:
    case 5:
    case 6:
        return QStringLiteral("VIP");
    case 7:
        return QStringLiteral("Promo");
    case 8:
        return QStringLiteral("PromoPlus");
    case 9:
        return QStringLiteral("TRVA15");
    case 10:
        return QStringLiteral("TRVA10");
    case kLevelBundle:
        return QStringLiteral("BUNDLE");
    case 16:
        return QStringLiteral("TRVA20");
    case kLevelStorage:
        return FormInfo::tr("Storage");
    case kLevelForever:
        return FormInfo::tr("Forever");
    default:
        return accountType.toHtmlEscaped();
    }
}

bool countsDownloads(int level) {
    return level == 9 || level == 10 || level == 16;
}

} // namespace

FormInfo::FormInfo(QWidget* parent) : QWidget(parent), ui(new Ui::FormInfo) {
    ui->setupUi(this);
    getUserInfo();
}

FormInfo::~FormInfo() {
    delete ui;
}

void FormInfo::getUserInfo() {
    auto* job = new ActionThread;
    connect(job, &ActionThread::getUserInfoSuccess, this,
            [this](const std::shared_ptr<const brisko::user>& user) {
                getUserInfo_Success(user ? new brisko::user(*user) : nullptr);
            });
    connect(job, &ActionThread::getUserInfoError, this, &FormInfo::getUserInfo_Error);
    job->getUserInfo();
}

void FormInfo::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    // The form puts its sample texts back; the account shown stays shown.
    if (shown)
        fill(*shown);
}

void FormInfo::getUserInfo_Success(brisko::user* fuser) {
    std::unique_ptr<brisko::user> account(fuser);
    if (!account)
        return;
    fill(*account);
    fillChart(*account);
    shown = std::move(account);
    startAutomaticUploadOnce();
}

void FormInfo::fill(const brisko::user& account) {
    const QString id = text(account.get_id());
    currentUserId = id;
    currentUserLevel = text(account.get_level());
    const int level = wholeNumber(account.get_level());

    ui->lb_memberid->setText(level == kLevelBundle ? tr("Khách hàng trả sau") : id);
    ui->lblUserName->setText(text(account.get_email()));
    ui->lblUserName->setToolTip(text(account.get_email()));

    const bool downloadCount = level > 2 && countsDownloads(level);
    ui->lblDownloadTimesLabel->setVisible(downloadCount);
    ui->lblDownloadTimes->setVisible(downloadCount);
    QString name;
    if (level <= 2) {
        name = tr("Thành viên thường");
        ui->lb_expire_vip->setText(tr("Không giới hạn"));
    } else {
        name = QStringLiteral("<b>") + paidLevelName(level, text(account.account_type)) +
               QStringLiteral("</b>");
        if (downloadCount)
            ui->lblDownloadTimes->setText(tr("%n lượt", nullptr, account.dl_time_avail));
        ui->lb_expire_vip->setText(level == kLevelForever ? tr("Vĩnh viễn")
                                                          : dateText(account.get_expire_vip()));
    }

    const int points = wholeNumber(account.get_totalpoints());
    ui->lb_user_totalpoints->setText(tr("%n điểm", nullptr, points));
    ui->lb_user_totalpoints->setToolTip(QString());
    if (level != kLevelStorage && level != kLevelForever) {
        name = purchaseLink(name);
        if (points > 999) {
            ui->lb_user_totalpoints->setText(purchaseLink(tr("%n điểm", nullptr, points)));
            ui->lb_user_totalpoints->setToolTip(tr("Click vào để mua VIP"));
        }
    }
    ui->lb_user_level->setText(name);
    ui->lb_user_joindate->setText(dateText(account.get_joindate()));

    const double secure = byteCount(account.get_webspace_secure());
    const double secureUsed = byteCount(account.get_webspace_secure_used());
    ui->lb_user_webspace_secure_used->setText(sizeText(secureUsed));
    // An ordinary account that still holds secured files has no secure storage left.
    ui->lb_user_webspace_secure->setText(level == 2 && secureUsed > 0
                                             ? QStringLiteral("-") + sizeText(secureUsed)
                                             : sizeText(secure - secureUsed));
    const double storage = byteCount(account.get_webspace());
    const double storageUsed = byteCount(account.get_webspace_used());
    ui->lb_user_webspace_used->setText(sizeText(storageUsed));
    ui->lb_user_webspace->setText(sizeText(storage - storageUsed));
    ui->lb_total->setText(sizeText(storage + secure));

    const double traffic = byteCount(account.get_traffic());
    const double trafficUsed = byteCount(account.get_traffic_used());
    ui->lblSumTraffic->setText(sizeText(traffic));
    ui->lblUsedTraffic->setText(sizeText(trafficUsed));
    ui->lblUsesTraffic->setText(sizeText(traffic - trafficUsed));

    // Rows the service no longer fills.
    for (QWidget* unused :
         {static_cast<QWidget*>(ui->label_5), static_cast<QWidget*>(ui->lb_max_upload_size),
          static_cast<QWidget*>(ui->label_14), static_cast<QWidget*>(ui->lb_user_totalfiles_upload),
          static_cast<QWidget*>(ui->label_16), static_cast<QWidget*>(ui->lb_user_totaldownloads),
          static_cast<QWidget*>(ui->lblManageHotLink)})
        unused->hide();
    ui->checkBox->setEnabled(false);
    ui->checkBox->hide();

    if (currentUser)
        currentUser->setLevel(level);
}

void FormInfo::fillChart(const brisko::user& account) {
    if (!chartModel) {
        chartView = new PieView(ui->widget);
        chartModel = new QStandardItemModel(0, 2, this);
        chartView->setModel(chartModel);
        // The pie takes its square at the host's top-left corner, as tall as the host.
        chartView->setGeometry(0, 0, kChartSide, kChartSide);
        chartView->show();
        chartModel->insertRows(0, 4);
    }
    const double secure = byteCount(account.get_webspace_secure());
    const double secureUsed = byteCount(account.get_webspace_secure_used());
    const double storage = byteCount(account.get_webspace());
    QString storageUsed = text(account.get_webspace_used());
    if (storageUsed == QLatin1String("0"))
        storageUsed = QStringLiteral("1");
    const struct {
        const char* name;
        QString value;
        const char* colour;
    } slices[] = {
        {"DL bảo đảm còn lại", QString::number(secure - secureUsed, 'g', 6), "#58ACB8"},
        {"DL bảo đảm đã dùng", QString::number(secureUsed, 'g', 6), "#186D78"},
        {"DL không bảo đảm còn lại",
         QString::number(storage - byteCount(account.get_webspace_used()), 'g', 6), "orange"},
        {"DL không bảo đảm đã dùng", storageUsed, "#996f00"},
    };
    int row = 0;
    for (const auto& slice : slices) {
        chartModel->setData(chartModel->index(row, 0), QString::fromUtf8(slice.name));
        chartModel->setData(chartModel->index(row, 1), slice.value);
        chartModel->setData(chartModel->index(row, 0), QColor(QLatin1String(slice.colour)),
                            Qt::DecorationRole);
        ++row;
    }
}

void FormInfo::startAutomaticUploadOnce() {
    SettingsStore settings;
    if (settings.boolean(SettingsKeys::AutoUploaded) || !settings.boolean(SettingsKeys::AutoUpload))
        return;
    settings.setValue(SettingsKeys::AutoUploaded, true);
    emit loadInfoComplete();
}

void FormInfo::getUserInfo_Error(int errorCode, QString errorMsg) {
    UserPrompt::current()->critical(this, tr("Lỗi ") + QStringLiteral("(%1)").arg(errorCode),
                                    errorMsg, QMessageBox::Ok, QMessageBox::NoButton);
}

void FormInfo::on_pushButton_clicked() {
    emit logout(QString());
}

void FormInfo::showLogoutError(int code, const QString& message) {
    UserPrompt::current()->critical(
        this,
        QCoreApplication::translate("QApplication",
                                    QT_TRANSLATE_NOOP("QApplication", "Logout error!")),
        message + QStringLiteral(" (%1)").arg(code), QMessageBox::Ok, QMessageBox::NoButton);
}

void FormInfo::on_lblManageHotLink_linkActivated(QString link) {
    if (link.startsWith(QLatin1String("/managerZidUdarDirectLink")))
        emit managerZidUdarDirectLink();
}

void FormInfo::update_infor(int) {}
