#include "core/dialogmsg.h"

#include "core/windowposition.h"
#include "core/windowshape.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogmsg.h"

namespace {

constexpr int kCollapsedHeight = 110; // the details pane starts at y 110, outside the window
constexpr int kExpandedHeight = 220;

} // namespace

DialogMsg::DialogMsg(const QString& message, const QString& details, QWidget* parent)
    : QDialog(parent), ui(new Ui::DialogMsg), m_message(message), m_details(details) {
    ui->setupUi(this);
    if (SettingsStore().boolean(SettingsKeys::StayOnTop, false))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_msg.png"));
    windowposition::keepCentredOver(this, parent);
    ui->title->setText(m_message);
    // Details may be a list the program marked up itself (bold labels, line breaks), with
    // every link and server text in it escaped; plain details keep their line breaks.
    ui->listMsg->setText(m_details);
    applyExpanded();
}

DialogMsg::~DialogMsg() {
    delete ui;
}

void DialogMsg::on_showHideMsg_clicked() {
    m_expanded = !m_expanded;
    applyExpanded();
}

void DialogMsg::on_pushButton_clicked() {
    close();
}

void DialogMsg::applyExpanded() {
    setFixedHeight(m_expanded ? kExpandedHeight : kCollapsedHeight);
    ui->showHideMsg->setText(m_expanded ? tr("Thu nhỏ") : tr("Xem chi tiết"));
}

void DialogMsg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    // The form's texts are placeholders for these.
    ui->title->setText(m_message);
    applyExpanded();
}

void DialogMsg::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogMsg::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
