#include "mainwindow/dialogoption.h"

#include "core/userprompt.h"
#include "core/windowshape.h"
#include "mainwindow/dialogoption_formconnect.h"
#include "mainwindow/dialogoption_formdownload.h"
#include "mainwindow/dialogoption_formgeneral.h"
#include "mainwindow/dialogoption_formupload.h"
#include "mainwindow/settingssavereport.h"
#include "ui_dialogoption.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace {

// Entry texts, by page index; translated in the application-wide context.
const char* const kEntryTexts[] = {
    QT_TRANSLATE_NOOP("QApplication", " Tổng Quát"),
    QT_TRANSLATE_NOOP("QApplication", " Tác vụ tải lên"),
    QT_TRANSLATE_NOOP("QApplication", " Tác vụ tải xuống"),
    QT_TRANSLATE_NOOP("QApplication", " Kết nối"),
};

QString entryText(int index) {
    return QCoreApplication::translate("QApplication", kEntryTexts[index]);
}

} // namespace

DialogOption::DialogOption(int page, QWidget* parent)
    : QDialog(parent), ui(new Ui::DialogOption), initialPage(page) {
    ui->setupUi(this);
    makeFramelessShaped(this, QStringLiteral(":/images/popup_option_container.png"));
    init_Dialogoption();
    applyTexts();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    // After the box's own handling of the click: the dialog is accepted first.
    connect(ui->buttonBox->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &DialogOption::btn_ok_clicked);
    connect(ui->listWidget, &QListWidget::currentItemChanged, this, &DialogOption::subFormChanged);
    restartNeeded = false;
}

DialogOption::~DialogOption() {
    // Taking the entries away moves the list's current entry, which must not show a page
    // that is already gone.
    disconnect(ui->listWidget, nullptr, this, nullptr);
    for (QListWidgetItem* entry : entries)
        delete entry;
    for (OptionsPage* page : pages)
        delete page;
    delete ui;
}

void DialogOption::init_Dialogoption() {
    for (int index = 0; index < kPageCount; ++index) {
        entries[index] = new QListWidgetItem(entryText(index), ui->listWidget);
        entries[index]->setData(Qt::UserRole, index);
    }
    // Built before anything listens to them, so loading their values reports nothing.
    pages[General] = new dialogoption_formgeneral(this);
    pages[Upload] = new dialogoption_formupload(this);
    pages[Download] = new dialogoption_formdownload(this);
    pages[Connection] = new dialogoption_formconnect(this);
    for (OptionsPage* page : pages) {
        connect(page, &OptionsPage::value_changed, this, &DialogOption::value_changed);
        connect(page, &OptionsPage::value_language_Changed, this,
                &DialogOption::value_language_Changed);
        ui->verticalLayout->addWidget(page);
        page->hide();
    }

    if (initialPage == AllPages) {
        showPage(General);
        return;
    }
    for (QListWidgetItem* entry : entries)
        entry->setHidden(true);
    if (initialPage >= 0 && initialPage < kPageCount) {
        entries[initialPage]->setHidden(false);
        showPage(initialPage);
    }
}

// Shows the page of the index alone, titled with its entry text.
void DialogOption::showPage(int index) {
    for (OptionsPage* page : pages)
        page->hide();
    shownPage = index >= 0 && index < kPageCount ? index : -1;
    if (shownPage < 0)
        return;
    ui->lb_title->setText(entries[index]->text());
    pages[index]->show();
}

void DialogOption::subFormChanged(QListWidgetItem* current, QListWidgetItem*) {
    if (current)
        showPage(current->data(Qt::UserRole).toInt());
}

void DialogOption::value_changed() {
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
}

void DialogOption::value_language_Changed() {
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
    restartNeeded = true;
}

void DialogOption::btn_ok_clicked() {
    // Every page, listed or not: an untouched page writes back what it loaded.
    for (int index : {Connection, Download, Upload, General})
        pages[index]->saveSettings();
    emit settingChange();
    if (restartNeeded) {
        restartNeeded = false;
        const auto answer = UserPrompt::current()->warningWithButtons(
            this, tr("Chú ý"),
            tr("Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực."),
            tr("Khởi động lại"), tr("Khởi động sau"));
        restartChosen = answer == QMessageBox::Yes;
    }
    // The writer thread writes what the pages saved; a failure is told over the window
    // this dialog was opened from, which outlives it. A restart writes them itself first,
    // and tells its own failure.
    if (!restartChosen)
        settingssavereport::whenNotSaved(parentWidget());
}

void DialogOption::applyTexts() {
    // Plain text on the buttons' own images, without the style's icons.
    QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel);
    ok->setText(tr("Đồng ý"));
    ok->setIcon(QIcon());
    cancel->setText(tr("Hủy"));
    cancel->setIcon(QIcon());
}

void DialogOption::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    // The button box puts its own texts back when it sees the change, which may come
    // after this one.
    QTimer::singleShot(0, this, &DialogOption::applyTexts);
    for (int index = 0; index < kPageCount; ++index)
        entries[index]->setText(entryText(index));
    // The form puts its placeholder back; the title names the page on view.
    if (shownPage >= 0)
        ui->lb_title->setText(entries[shownPage]->text());
}

void DialogOption::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogOption::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
