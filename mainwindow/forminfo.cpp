#include "mainwindow/forminfo.h"

#include "core/globals.h"
#include "core/ruridudi.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FormInfo::FormInfo(QWidget* parent) : QWidget(parent), account(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    account->setTextFormat(Qt::RichText);
    layout->addWidget(account);
    auto* button = new QPushButton(tr("Đăng xuất"), this);
    button->setObjectName(QStringLiteral("pushButton"));
    button->setFixedWidth(120);
    connect(button, &QPushButton::clicked, this, &FormInfo::on_pushButton_clicked);
    layout->addWidget(button);
    layout->addStretch();
    getUserInfo();
}

void FormInfo::getUserInfo() {
    if (!currentUser) {
        account->clear();
        return;
    }
    account->setText(tr("<b>Tài khoản:</b> %1<br><b>Mã thành viên:</b> %2<br>"
                        "<b>Loại thành viên:</b> %3")
                         .arg(currentUser->getEmail().toHtmlEscaped(),
                              currentUserId.toHtmlEscaped(), currentUserLevel.toHtmlEscaped()));
}

void FormInfo::on_pushButton_clicked() {
    emit logout(QString());
}

void FormInfo::update_infor(int) {}
