#include "media/searchsubtitleonline.h"

#include "core/userprompt.h"
#include "core/windowshape.h"
#include "media/rssfilestemp.h"
#include "media/setfoldersavesubtitle.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_searchsubtitleonline.h"

#include <QFileInfo>
#include <QMovie>
#include <QStandardItemModel>

SearchSubtitleOnline::SearchSubtitleOnline(bool keywordMode, const QString& text, QWidget* parent)
    : QDialog(parent), ui(new Ui::SearchSubtitleOnline), keywordMode(keywordMode) {
    ui->setupUi(this);
    if (SettingsStore().boolean(SettingsKeys::StayOnTop, false))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/searchTitle_1.png"));

    if (keywordMode) {
        ui->fileName->setText(text);
    } else {
        videoPath = text;
        videoFolder = QFileInfo(text).path();
        ui->fileName->setText(QFileInfo(text).completeBaseName());
    }
    ui->tableView->horizontalHeader()->setStyleSheet(
        QStringLiteral("border-top: 1px solid #c4c4c4;background-image: "
                       "url(:/images/bg_title_content_delay.png);"));
    model = new QStandardItemModel(0, 2, this);
    headerLabels = QStringList{tr("Tên phim"), tr("Người upload"), tr("Ngôn ngữ")};
    resetTable();

    folderDialog = new setFolderSaveSubtitle(this);
    connect(folderDialog, &setFolderSaveSubtitle::send_SubDowloadFolder, this,
            &SearchSubtitleOnline::get_SubDowloadFolder);
    extraction = new SubtitleExtraction(this);
    connect(extraction, &SubtitleExtraction::finished, this,
            &SearchSubtitleOnline::extractionFinished);

    auto* loading = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
    loading->setScaledSize(QSize(50, 50));
    ui->img_loading->setMovie(loading);
    setBusy(false);

    if (!keywordMode)
        on_searchButton_clicked();
}

SearchSubtitleOnline::~SearchSubtitleOnline() {
    // All stop together; each fetcher's own destructor then only collects its thread.
    RssFilesTemp::cancelAll(this);
    delete ui;
}

void SearchSubtitleOnline::setKeyword(const QString& keyword) {
    videoFolder.clear();
    ui->fileName->setText(keyword);
}

void SearchSubtitleOnline::clearResults() {
    model->clear();
    ui->tableView->setModel(model);
    entries.clear();
}

void SearchSubtitleOnline::resetTable() {
    model->clear();
    model->setHorizontalHeaderLabels(headerLabels);
    ui->tableView->setModel(model);
    ui->tableView->setColumnWidth(0, 340);
    ui->tableView->setColumnWidth(1, 100);
    ui->tableView->setColumnWidth(2, 100);
    entries.clear();
}

bool SearchSubtitleOnline::busy() const {
    // Hidden with the dialog or not, the label's own flag tells.
    return !ui->img_loading->isHidden();
}

void SearchSubtitleOnline::setBusy(bool busy) {
    ui->img_loading->setVisible(busy);
    // The animation runs only while it shows.
    if (busy)
        ui->img_loading->movie()->start();
    else
        ui->img_loading->movie()->stop();
}

void SearchSubtitleOnline::warn(const QString& title, const QString& text) {
    UserPrompt::current()->warning(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

template <typename Signal, typename Slot>
void SearchSubtitleOnline::fetch(const QString& fileName, const QString& url, Signal ready,
                                 Slot slot) {
    auto* fetcher = new RssFilesTemp(this);
    const int round = fetchRound;
    // A result already queued when the dialog closed still arrives: the round tells.
    connect(fetcher, ready, this, [this, round, slot](const QString& path) {
        if (round == fetchRound)
            (this->*slot)(path);
    });
    connect(fetcher, &RssFilesTemp::fetchFailed, this, [this, round] {
        if (round == fetchRound)
            fetchFailed();
    });
    connect(fetcher, &QThread::finished, fetcher, &QObject::deleteLater);
    fetcher->fetch(fileName, url);
}

void SearchSubtitleOnline::on_searchButton_clicked() {
    // One request chain at a time: both searches and downloads write the same files.
    if (busy()) {
        warn(tr("Thông báo"), tr("Đang tải dữ liệu, bạn vui lòng đợi"));
        return;
    }
    keyword = ui->fileName->text();
    if (keyword.isEmpty()) {
        warn(tr("Thông báo"), tr("Bạn vui lòng nhập từ khóa để tìm phụ đề."));
        return;
    }
    resetTable();
    fetch(QStringLiteral("searchSub.html"), subtitlepages::titleSearchUrl(keyword),
          &RssFilesTemp::readyReadSearchSubtitle, &SearchSubtitleOnline::readSearchSub);
    setBusy(true);
}

void SearchSubtitleOnline::readSearchSub(const QString& path) {
    const QString link = subtitlepages::titleLink(subtitlepages::readFileContent(path));
    const QString url = link.isEmpty() ? subtitlepages::releaseSearchUrl(keyword)
                                       : subtitlepages::absoluteLink(link);
    fetch(QStringLiteral("listSub.html"), url, &RssFilesTemp::readyReadListSubtitle,
          &SearchSubtitleOnline::readListSub);
}

void SearchSubtitleOnline::readListSub(const QString& path) {
    entries =
        subtitlepages::byLanguage(subtitlepages::listEntries(subtitlepages::readFileContent(path)));
    setBusy(false);
    if (entries.isEmpty()) {
        warn(tr("Thông báo"), tr("Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn"));
        return;
    }
    for (int row = 0; row < entries.size(); ++row) {
        const SubtitleEntry& entry = entries.at(row);
        model->setItem(row, 0, new QStandardItem(tr(entry.name.toUtf8().constData())));
        model->setItem(row, 1, new QStandardItem(tr(entry.uploader.toUtf8().constData())));
        model->setItem(row, 2, new QStandardItem(tr(entry.language.toUtf8().constData())));
    }
}

void SearchSubtitleOnline::on_pushButton_clicked() {
    if (videoFolder.isEmpty()) {
        folderDialog->setWindowTitle(tr("Chọn thư mục chứa tập tin phụ đề"));
        // Not a nested event loop: the answer comes back through get_SubDowloadFolder.
        folderDialog->open();
        return;
    }
    if (busy()) {
        warn(tr("Thông báo"), tr("Đang tải dữ liệu, bạn vui lòng đợi"));
        return;
    }
    const QModelIndexList rows = ui->tableView->selectionModel()
                                     ? ui->tableView->selectionModel()->selectedRows(0)
                                     : QModelIndexList();
    if (rows.isEmpty() || rows.first().row() >= entries.size()) {
        warn(tr("Thông báo"), tr("Bạn vui lòng chọn một tập tin phụ đề"));
        return;
    }
    setBusy(true);
    fetch(QStringLiteral("fileLinkSub.html"),
          subtitlepages::absoluteLink(entries.at(rows.first().row()).link),
          &RssFilesTemp::readyDownloadSubtitle, &SearchSubtitleOnline::downloadSubtitle);
}

void SearchSubtitleOnline::downloadSubtitle(const QString& path) {
    // Only the first download link of a page: one archive per download.
    const QString link = subtitlepages::downloadLink(subtitlepages::readFileContent(path));
    if (link.isEmpty()) {
        setBusy(false);
        return;
    }
    fetch(QStringLiteral("tmpSubtitile.zip"), subtitlepages::absoluteLink(link),
          &RssFilesTemp::readyReadSubFile, &SearchSubtitleOnline::readSubtitle);
}

void SearchSubtitleOnline::readSubtitle(const QString& path) {
    extraction->extractZip(path, videoFolder, keywordMode ? QString() : videoPath);
}

void SearchSubtitleOnline::extractionFinished(SubtitleExtraction::Outcome outcome,
                                              const QString& subtitlePath) {
    setBusy(false);
    switch (outcome) {
    case SubtitleExtraction::Done:
        if (!keywordMode)
            emit readyGetSubtitleOnline(subtitlePath);
        close();
        return;
    case SubtitleExtraction::NotFound:
        warn(tr("Lỗi"), tr("Không đổi được tên tập tin phụ đề theo tập tin video"));
        return;
    case SubtitleExtraction::NoSubtitle:
    case SubtitleExtraction::MoveFailed:
        warn(tr("Lỗi"), tr("Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác"));
        return;
    }
}

void SearchSubtitleOnline::fetchFailed() {
    setBusy(false);
    warn(tr("Lỗi"), tr("Không tải được dữ liệu từ trang phụ đề, vui lòng thử lại sau."));
}

void SearchSubtitleOnline::done(int result) {
    ++fetchRound;
    for (auto* fetcher : findChildren<RssFilesTemp*>(QString(), Qt::FindDirectChildrenOnly)) {
        disconnect(fetcher, nullptr, this, nullptr);
        fetcher->cancel();
    }
    // An unpacking under way still ends the busy state when it finishes.
    if (!extraction->isRunning())
        setBusy(false);
    QDialog::done(result);
}

void SearchSubtitleOnline::on_btn_cancle_clicked() {
    close();
}

void SearchSubtitleOnline::on_fileName_returnPressed() {}

void SearchSubtitleOnline::get_SubDowloadFolder(const QString& folder) {
    videoFolder = folder;
    on_pushButton_clicked();
}

void SearchSubtitleOnline::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void SearchSubtitleOnline::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void SearchSubtitleOnline::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
