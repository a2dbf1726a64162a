#include "mainwindow/dialogoption_formgeneral.h"

#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "ui_dialogoption_formgeneral.h"

#include <QDir>

namespace {

struct Language {
    const char* file;
    const char* name;
    const char* icon;
    bool translated; // the Vietnamese name only
};

const Language kLanguages[] = {
    {"brisko_vi.qm", QT_TRANSLATE_NOOP("dialogoption_formgeneral", "Tiếng Việt"),
     ":/images/vna.png", true},
    {"brisko_en.qm", "English", ":/images/gb.png", false},
    {"brisko_ja.qm", "Japan", nullptr, false},
};

const Language* languageOfFile(const QString& fileName) {
    for (const Language& language : kLanguages) {
        if (fileName == QLatin1String(language.file))
            return &language;
    }
    return nullptr;
}

QString languageName(const Language& language) {
    if (language.translated)
        return dialogoption_formgeneral::tr(language.name);
    return QString::fromUtf8(language.name);
}

} // namespace

dialogoption_formgeneral::dialogoption_formgeneral(QWidget* parent)
    : OptionsPage(parent), ui(new Ui::dialogoption_formgeneral) {
    ui->setupUi(this);
    fillLanguages();

    const SettingsStore settings;
    ui->chk_autostart->setChecked(settings.boolean(SettingsKeys::AutoStart));
    ui->chk_autologin->setChecked(settings.boolean(SettingsKeys::AutoLogin));
    ui->chk_minimized->setChecked(settings.boolean(SettingsKeys::SystrayMinimized));
    ui->chk_ontop->setChecked(settings.boolean(SettingsKeys::StayOnTop));
    ui->chk_remember_acc->setChecked(settings.boolean(SettingsKeys::RememberAccount));
    // An entry that is not listed (its file is gone) leaves the list without a choice.
    ui->cmbLanguage->setCurrentIndex(
        ui->cmbLanguage->findData(settings.text(SettingsKeys::Language), Qt::UserRole,
                                  Qt::MatchExactly | Qt::MatchCaseSensitive));

    for (QCheckBox* box : {ui->chk_autostart, ui->chk_autologin, ui->chk_minimized, ui->chk_ontop,
                           ui->chk_remember_acc})
        connect(box, &QCheckBox::toggled, this, &OptionsPage::value_changed);
    connect(ui->cmbLanguage, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OptionsPage::value_language_Changed);
    sendScreenView(QStringLiteral("Dialog option genaral"));
}

dialogoption_formgeneral::~dialogoption_formgeneral() {
    delete ui;
}

void dialogoption_formgeneral::fillLanguages() {
    // Only the translations the program carries, by their exact file names.
    const QDir folder(platform::programFolder() + QStringLiteral("/lang/"));
    const QStringList entries = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& entry : entries) {
        const Language* language = languageOfFile(entry);
        if (!language)
            continue;
        const QIcon icon = language->icon ? QIcon(QLatin1String(language->icon)) : QIcon();
        ui->cmbLanguage->addItem(icon, languageName(*language), entry);
    }
}

void dialogoption_formgeneral::saveSettings() {
    SettingsStore settings;
    if (ui->chk_autologin->isEnabled())
        settings.setValue(SettingsKeys::AutoLogin, ui->chk_autologin->isChecked());
    else
        settings.remove(SettingsKeys::AutoLogin);
    settings.setValue(SettingsKeys::AutoStart, ui->chk_autostart->isChecked());
    settings.setValue(SettingsKeys::SystrayMinimized, ui->chk_minimized->isChecked());
    settings.setValue(SettingsKeys::StayOnTop, ui->chk_ontop->isChecked());
    settings.setValue(SettingsKeys::RememberAccount, ui->chk_remember_acc->isChecked());
    if (!ui->chk_remember_acc->isChecked()) {
        settings.remove(SettingsKeys::AccountEmail);
        settings.remove(SettingsKeys::AccountPassword);
    }
    // No choice stores an empty name; the next start then falls back to Vietnamese.
    settings.setValue(SettingsKeys::Language, ui->cmbLanguage->currentData().toString());
}

void dialogoption_formgeneral::retranslate() {
    ui->retranslateUi(this);
    for (int i = 0; i < ui->cmbLanguage->count(); ++i) {
        if (const Language* language = languageOfFile(ui->cmbLanguage->itemData(i).toString()))
            ui->cmbLanguage->setItemText(i, languageName(*language));
    }
}
