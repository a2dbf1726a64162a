#include "mainwindow/dialogoption_formconnect.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogoption_formconnect.h"

#include <QValidator>

namespace {

constexpr int kMaxPort = 65535;

// Digits only, at most 65535; an empty field is allowed and stored as 0.
class PortValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        if (input.isEmpty())
            return Intermediate;
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return input.toInt() <= kMaxPort ? Acceptable : Invalid;
    }
};

enum ProxyChoice { NoProxy = 0, SystemProxy = 1, OwnProxy = 2 };

} // namespace

dialogoption_formconnect::dialogoption_formconnect(QWidget* parent)
    : OptionsPage(parent), ui(new Ui::dialogoption_formconnect) {
    ui->setupUi(this);
    ui->txt_port->setValidator(new PortValidator(ui->txt_port));
    connect(ui->rd_proxy, &QRadioButton::toggled, ui->txt_proxy, &QWidget::setEnabled);
    connect(ui->rd_proxy, &QRadioButton::toggled, ui->txt_port, &QWidget::setEnabled);
    for (QRadioButton* choice : {ui->rd_noproxy, ui->rd_proxy, ui->rd_autodetectproxy})
        connect(choice, &QRadioButton::clicked, this, &OptionsPage::value_language_Changed);
    for (QLineEdit* field : {ui->txt_proxy, ui->txt_port})
        connect(field, &QLineEdit::textChanged, this, &OptionsPage::value_language_Changed);

    // Nobody listens yet, so loading reports nothing.
    const SettingsStore settings;
    switch (settings.integer(SettingsKeys::UseProxy, NoProxy)) {
    case SystemProxy:
        ui->rd_autodetectproxy->setChecked(true);
        break;
    case OwnProxy:
        ui->txt_proxy->setText(settings.text(SettingsKeys::HttpProxy));
        ui->txt_port->setText(QString::number(portNumber(settings.text(SettingsKeys::HttpPort))));
        ui->rd_proxy->setChecked(true);
        break;
    default:
        ui->rd_noproxy->setChecked(true);
        break;
    }
    sendScreenView(QStringLiteral("Dialog option network"));
}

dialogoption_formconnect::~dialogoption_formconnect() {
    delete ui;
}

int dialogoption_formconnect::portNumber(const QString& text) {
    QString digits = text.trimmed();
    int position = 0;
    if (PortValidator().validate(digits, position) != QValidator::Acceptable)
        return 0;
    return digits.toInt();
}

void dialogoption_formconnect::saveSettings() {
    SettingsStore settings;
    if (ui->rd_noproxy->isChecked()) {
        settings.setValue(SettingsKeys::UseProxy, int(NoProxy));
    } else if (ui->rd_autodetectproxy->isChecked()) {
        settings.setValue(SettingsKeys::UseProxy, int(SystemProxy));
    } else if (ui->rd_proxy->isChecked()) {
        settings.setValue(SettingsKeys::UseProxy, int(OwnProxy));
        settings.setValue(SettingsKeys::HttpProxy, ui->txt_proxy->text());
        settings.setValue(SettingsKeys::HttpPort, portNumber(ui->txt_port->text()));
    }
}

void dialogoption_formconnect::retranslate() {
    ui->retranslateUi(this);
}
