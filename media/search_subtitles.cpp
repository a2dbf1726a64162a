#include "media/search_subtitles.h"

#include "core/userprompt.h"
#include "core/windowshape.h"
#include "media/searchsubtitleonline.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_search_subtitles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

Search_subtitles::Search_subtitles(const QString& videoName, const QString& videoPath,
                                   QWidget* parent)
    : QDialog(parent), ui(new Ui::Search_subtitles), videoPath(videoPath) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->setupUi(this);
    if (SettingsStore().boolean(SettingsKeys::StayOnTop, false))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_subtitle.png"));
    ui->pathSub->setEnabled(false);
    ui->lbVideoName->setText(videoName);
}

Search_subtitles::~Search_subtitles() {
    delete ui;
}

void Search_subtitles::on_selectSub_clicked() {
    const QString start =
        lastFolder.isEmpty() ? SettingsStore().text(SettingsKeys::UploadDir) : lastFolder;
    const QStringList chosen = UserPrompt::current()->openFiles(
        this, tr("Chọn tập tin phụ đề"), start, QStringLiteral("srt files(*.srt)"));
    if (!chosen.isEmpty()) {
        const QString first = chosen.first();
        const int separator = first.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\]")));
        if (separator >= 0)
            lastFolder = first.left(separator);
    }
    ui->pathSub->setText(chosen.join(QLatin1Char(';')));
}

void Search_subtitles::on_searchButton_clicked() {
    auto* search = new SearchSubtitleOnline(false, videoPath, this);
    search->setAttribute(Qt::WA_DeleteOnClose);
    connect(search, &SearchSubtitleOnline::readyGetSubtitleOnline, this,
            &Search_subtitles::getSubtitleOnline);
    // Modal without a nested event loop; the path comes back by the signal.
    search->open();
}

void Search_subtitles::getSubtitleOnline(const QString& path) {
    ui->pathSub->setText(path);
}

void Search_subtitles::on_btn_agreed_clicked() {
    QString path = ui->pathSub->text();
    if (path.isEmpty()) {
        UserPrompt::current()->warning(this, tr("Lỗi"),
                                       tr("Bạn vui lòng chọn đường dẫn tới tập tin phụ đề"),
                                       QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    path = QDir::toNativeSeparators(path);
    if (!QFile::exists(path)) {
        UserPrompt::current()->warning(this, tr("Lỗi"), tr("Tập tin phụ đề không tồn tại"),
                                       QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    emit readyGetPathSubtitle(path);
    close();
}

void Search_subtitles::on_btn_exit_clicked() {
    close();
}

void Search_subtitles::on_btn_cancle_clicked() {
    close();
}

void Search_subtitles::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Search_subtitles::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void Search_subtitles::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
