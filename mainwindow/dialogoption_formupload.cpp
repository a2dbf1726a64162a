#include "mainwindow/dialogoption_formupload.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogoption_formupload.h"

namespace {

constexpr int kDefaultThreads = 2;
constexpr int kDefaultTries = 100;

} // namespace

dialogoption_formupload::dialogoption_formupload(QWidget* parent)
    : OptionsPage(parent), ui(new Ui::dialogoption_formupload) {
    ui->setupUi(this);

    // The spin boxes bring the numbers into their ranges (1..4 and 1..1500).
    const SettingsStore settings;
    ui->sBUploadThreads->setValue(
        storedNumber(settings, SettingsKeys::UploadThreads, kDefaultThreads));
    ui->sBTryFail->setValue(storedNumber(settings, SettingsKeys::UploadFailTry, kDefaultTries));
    ui->chck_AutoUpload->setChecked(settings.boolean(SettingsKeys::AutoUpload));
    ui->chck_AutoShutdown->setChecked(settings.boolean(SettingsKeys::UploadAutoShutdown));
    ui->chckspeedlimit->setChecked(settings.boolean(SettingsKeys::UseUploadLimit));
    showSpeedLimit(ui->txt_speedlimit, settings.text(SettingsKeys::UploadLimit));
    ui->txt_Upload_Dir->setText(settings.text(SettingsKeys::UploadDir));

    // Only now, so that loading reports no change.
    for (QSpinBox* box : {ui->sBUploadThreads, ui->sBTryFail})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &OptionsPage::value_changed);
    for (QCheckBox* box : {ui->chck_AutoUpload, ui->chck_AutoShutdown, ui->chckspeedlimit})
        connect(box, &QCheckBox::clicked, this, &OptionsPage::value_changed);
    for (QLineEdit* field : {ui->txt_speedlimit, ui->txt_Upload_Dir})
        connect(field, &QLineEdit::textChanged, this, &OptionsPage::value_changed);
    sendScreenView(QStringLiteral("Dialog option upload"));
}

dialogoption_formupload::~dialogoption_formupload() {
    delete ui;
}

void dialogoption_formupload::on_btn_chon_clicked() {
    chooseFolderInto(tr("Chọn thư mục"), ui->txt_Upload_Dir);
}

void dialogoption_formupload::saveSettings() {
    SettingsStore settings;
    settings.setValue(SettingsKeys::UploadThreads, ui->sBUploadThreads->value());
    settings.setValue(SettingsKeys::UploadFailTry, ui->sBTryFail->value());
    settings.setValue(SettingsKeys::UploadAutoShutdown, ui->chck_AutoShutdown->isChecked());
    settings.setValue(SettingsKeys::AutoUpload, ui->chck_AutoUpload->isChecked());
    settings.setValue(SettingsKeys::UseUploadLimit, ui->chckspeedlimit->isChecked());
    // Kept whether or not the limit is switched on.
    settings.setValue(SettingsKeys::UploadLimit, speedLimitValue(ui->txt_speedlimit));
    settings.setValue(SettingsKeys::UploadDir, ui->txt_Upload_Dir->text());
}

void dialogoption_formupload::retranslate() {
    ui->retranslateUi(this);
}
