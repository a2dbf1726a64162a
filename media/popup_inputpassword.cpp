#include "media/popup_inputpassword.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/sizetext.h"
#include "ui_popup_inputpassword.h"

#include <cmath>
#include <limits>

popup_inputPassword::popup_inputPassword(const QString& fileName, const QString& size,
                                         QWidget* parent)
    : QDialog(parent), ui(new Ui::popup_inputPassword) {
    ui->setupUi(this);
    ui->lblFileName->setText(fileName);
    ui->lblFileSize->setText(sizeText(size));
    setWindowTitle(tr("Nhập mật khẩu file %1").arg(fileName));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // After the new flags, which make the window anew and lose the focus.
    ui->txtPassword->setFocus(Qt::OtherFocusReason);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog input password"));
}

popup_inputPassword::~popup_inputPassword() {
    delete ui;
}

QString popup_inputPassword::sizeText(const QString& size) {
    bool number = false;
    const double value = size.toDouble(&number);
    // Converting a value outside qint64 (or NaN) would be undefined.
    const double limit = double(std::numeric_limits<qint64>::max());
    const qint64 bytes =
        number && std::isfinite(value) && std::fabs(value) < limit ? qint64(value) : 0;
    return formatSize(bytes);
}

void popup_inputPassword::on_buttonBox_accepted() {
    emit send_pass(ui->txtPassword->text());
}

void popup_inputPassword::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void popup_inputPassword::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
