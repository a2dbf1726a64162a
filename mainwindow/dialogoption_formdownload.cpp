#include "mainwindow/dialogoption_formdownload.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogoption_formdownload.h"

namespace {

constexpr int kMinThreads = 1;
constexpr int kMaxThreads = 10;
constexpr int kDefaultThreads = 2;
constexpr int kDefaultTries = 10;

} // namespace

dialogoption_formdownload::dialogoption_formdownload(QWidget* parent)
    : OptionsPage(parent), ui(new Ui::dialogoption_formdownload) {
    ui->setupUi(this);
    ui->sBDownloadThreads->clear();
    for (int n = kMinThreads; n <= kMaxThreads; ++n)
        ui->sBDownloadThreads->addItem(QString::number(n));

    const SettingsStore settings;
    // Chosen by its number, so "02" shows "2" and the page never saves an empty count.
    const int threads =
        qBound(kMinThreads, storedNumber(settings, SettingsKeys::DownloadThreads, kDefaultThreads),
               kMaxThreads);
    ui->sBDownloadThreads->setCurrentIndex(threads - kMinThreads);
    ui->sBTryFail->setValue(storedNumber(settings, SettingsKeys::DownloadFailTry, kDefaultTries));
    ui->chkAutoShutdown->setChecked(settings.boolean(SettingsKeys::DownloadAutoShutdown));
    ui->chkAutoDownload->setChecked(settings.boolean(SettingsKeys::AutoDownload));
    ui->chckspeedlimit->setChecked(settings.boolean(SettingsKeys::UseDownloadLimit));
    showSpeedLimit(ui->txt_speedlimit, settings.text(SettingsKeys::DownloadLimit));
    ui->txt_Download_Dir->setText(settings.text(SettingsKeys::DownloadDir));
    // The companions capture while a switch is missing; the page shows them that way.
    ui->chkCaptureFirefox->setChecked(settings.boolean(SettingsKeys::FirefoxCapture, true));
    ui->chkCaptureIE->setChecked(settings.boolean(SettingsKeys::IeCapture, true));
    ui->chkCaptureChrome->setChecked(settings.boolean(SettingsKeys::ChromeCapture, true));

    // Only now, so that loading reports no change.
    connect(ui->sBDownloadThreads, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OptionsPage::value_changed);
    connect(ui->sBTryFail, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &OptionsPage::value_changed);
    for (QCheckBox* box : {ui->chkAutoShutdown, ui->chkAutoDownload, ui->chckspeedlimit,
                           ui->chkCaptureFirefox, ui->chkCaptureIE, ui->chkCaptureChrome})
        connect(box, &QCheckBox::clicked, this, &OptionsPage::value_changed);
    for (QLineEdit* field : {ui->txt_speedlimit, ui->txt_Download_Dir})
        connect(field, &QLineEdit::textChanged, this, &OptionsPage::value_changed);
    sendScreenView(QStringLiteral("Dialog option download"));
}

dialogoption_formdownload::~dialogoption_formdownload() {
    delete ui;
}

void dialogoption_formdownload::on_btn_chon_clicked() {
    chooseFolderInto(tr("Chọn thư mục"), ui->txt_Download_Dir);
}

void dialogoption_formdownload::saveSettings() {
    SettingsStore settings;
    settings.setValue(SettingsKeys::DownloadThreads, ui->sBDownloadThreads->currentText());
    settings.setValue(SettingsKeys::DownloadFailTry, ui->sBTryFail->value());
    settings.setValue(SettingsKeys::DownloadAutoShutdown, ui->chkAutoShutdown->isChecked());
    settings.setValue(SettingsKeys::AutoDownload, ui->chkAutoDownload->isChecked());
    settings.setValue(SettingsKeys::UseDownloadLimit, ui->chckspeedlimit->isChecked());
    // Kept whether or not the limit is switched on.
    settings.setValue(SettingsKeys::DownloadLimit, speedLimitValue(ui->txt_speedlimit));
    settings.setValue(SettingsKeys::DownloadDir, ui->txt_Download_Dir->text());
    // Numbers, the form the companions read.
    settings.setValue(SettingsKeys::FirefoxCapture, ui->chkCaptureFirefox->isChecked() ? 1 : 0);
    settings.setValue(SettingsKeys::IeCapture, ui->chkCaptureIE->isChecked() ? 1 : 0);
    settings.setValue(SettingsKeys::ChromeCapture, ui->chkCaptureChrome->isChecked() ? 1 : 0);
}

void dialogoption_formdownload::retranslate() {
    ui->retranslateUi(this);
}
