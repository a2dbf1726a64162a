#include "media/rssmanager.h"

#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "media/partnersites.h"
#include "media/rssfilestemp.h"
#include "media/searchsubtitleonline.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_rssmanager.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QMovie>
#include <QPixmap>
#include <QStandardItemModel>
#include <QTimer>

namespace {

constexpr int kAutoDownloadPeriodMs = 15 * 60 * 1000;
// Enough posters at once to fill the table quickly without a thread per film.
constexpr int kPosterFetches = 4;

int accountLevel() {
    return currentUser ? currentUser->getLevel() : 0;
}

} // namespace

RssManager::RssManager(QWidget* parent) : QDialog(parent), ui(new Ui::RssManager) {
    ui->setupUi(this);
    // Return in the keyword field searches once, through the field's own signal.
    ui->pushButton->setAutoDefault(false);
    fillChooser();
    ui->rssListWidget->setVisible(false);
    ui->ChooseSourceFilm->setVisible(false);
    ui->label_3->setVisible(false);
    ui->label_2->setVisible(false);

    feedFetcher = new RssFilesTemp(this);
    connect(feedFetcher, &RssFilesTemp::readyParseRssCategoryXml, this,
            &RssManager::parseRssCategoryXml);
    connect(feedFetcher, &RssFilesTemp::readyParseRssListFilmsXml, this,
            &RssManager::parseRssListFilmsXml);
    connect(feedFetcher, &RssFilesTemp::fetchFailed, this, &RssManager::feedFetchFailed);

    autoDownloadTimer = new QTimer(this);
    autoDownloadTimer->setInterval(kAutoDownloadPeriodMs);
    connect(autoDownloadTimer, &QTimer::timeout, this, &RssManager::processAutoDownload);

    auto* loading = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
    loading->setScaledSize(QSize(20, 20));
    ui->img_loading->setMovie(loading);

    lastTimeAutoDownload =
        rssfeed::parseStoredTime(SettingsStore().text(SettingsKeys::LastTimeAutoDownload));
    autoDownloadTimeKnown = lastTimeAutoDownload.isValid();

    ui->rssListWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->ListDetail->horizontalHeader()->setStyleSheet(QStringLiteral(
        "border-top-right-radius: 10px;border-bottom-right-radius: 10px;border-top: 1px solid "
        "#c4c4c4;background-image: url(:/images/bg_title_content_delay.png);"));
    filmModel = new QStandardItemModel(0, 6, this);
    filmHeaderLabels = QStringList{tr("Hình"),
                                   tr("Tiêu đề"),
                                   tr("Mô tả"),
                                   tr("Đường dẫn tải xuống"),
                                   tr("Phụ đề tiếng việt"),
                                   tr("Ngày cập nhật"),
                                   tr("Đường dẫn xem chi tiết")};
    filmModel->setHorizontalHeaderLabels(filmHeaderLabels);
    ui->ListDetail->setModel(filmModel);
    setTableColumns();
    applyColumnVisibility();
    setBusy(false);

    subtitleSearch = new SearchSubtitleOnline(true, QString(), this);
}

RssManager::~RssManager() {
    // Every fetch of the tab (feed, posters, auto-download, subtitle search) is told to
    // stop before any of them is waited for, so the waits overlap instead of adding up.
    RssFilesTemp::cancelAll(this);
    for (auto it = posterFetches.cbegin(); it != posterFetches.cend(); ++it) {
        it.key()->wait();
        QFile::remove(it.value()); // a poster that arrived too late to be shown
    }
    SettingsStore settings;
    settings.setValue(SettingsKeys::LastTimeAutoDownload,
                      rssfeed::formatStoredTime(lastTimeAutoDownload));
    settings.setValue(SettingsKeys::SourceFilm, ui->ChooseSourceFilm->currentIndex());
    delete ui;
}

void RssManager::done(int result) {
    if (isWindow())
        QDialog::done(result);
}

void RssManager::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillChooser();
    }
}

void RssManager::fillChooser() {
    ui->ChooseSourceFilm->clear();
    ui->ChooseSourceFilm->addItems(partnersites::homeAddresses());
}

QString RssManager::currentSite() const {
    return ui->ChooseSourceFilm->currentText();
}

void RssManager::on_ChooseSourceFilm_currentIndexChanged(const QString&) {}

void RssManager::setTableColumns() {
    ui->ListDetail->verticalHeader()->setDefaultSectionSize(64);
    const std::pair<int, int> widths[] = {{0, 64},  {1, 420}, {5, 110}, {2, 300},
                                          {3, 350}, {4, 250}, {6, 200}};
    for (const auto& [column, width] : widths)
        ui->ListDetail->setColumnWidth(column, width);
}

void RssManager::applyColumnVisibility() {
    const bool level3 = accountLevel() == 3;
    ui->ListDetail->setColumnHidden(2, true);
    ui->ListDetail->setColumnHidden(4, !level3);
    ui->ListDetail->setColumnHidden(6, true);
}

bool RssManager::busy() const {
    return !ui->img_loading->isHidden();
}

void RssManager::setBusy(bool busy) {
    ui->img_loading->setVisible(busy);
    // The animation runs only while it shows.
    if (busy)
        ui->img_loading->movie()->start();
    else
        ui->img_loading->movie()->stop();
    setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

void RssManager::warn(const QString& text) {
    UserPrompt::current()->warning(this, tr("Thông báo"), text, QMessageBox::Ok,
                                   QMessageBox::NoButton);
}

void RssManager::critical(const QString& title, const QString& text) {
    UserPrompt::current()->critical(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool RssManager::passesLevelGate() {
    if (accountLevel() > 2)
        return true;
    warn(tr("Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn "
            "cần mua tài khoản VIP của") +
         QLatin1Char(' ') + QString::fromStdString(hosts::webHost()));
    return false;
}

void RssManager::emptyFilmTable(bool applyVisibility) {
    dropPosters();
    filmModel->clear();
    filmModel->setHorizontalHeaderLabels(filmHeaderLabels);
    ui->ListDetail->setModel(filmModel);
    setTableColumns();
    if (applyVisibility)
        applyColumnVisibility();
}

void RssManager::on_pushButton_clicked() {
    if (busy()) {
        warn(tr("Đang tải dữ liệu, bạn vui lòng đợi"));
        return;
    }
    emptyFilmTable(true);
    const QString keyword = ui->lineEdit->text().trimmed();
    if (keyword.isEmpty()) {
        warn(tr("Bạn vui lòng nhập từ khóa để tìm phim"));
        return;
    }
    if (!partnersites::hasFeed(currentSite())) {
        warn(tr("Website đang triển khai liên kết với Brisko, mời bạn quay lại sau"));
        return;
    }
    feedFetcher->fetch(QStringLiteral("rssSearchTemp.xml"), partnersites::searchUrl(keyword));
    setBusy(true);
}

void RssManager::on_lineEdit_returnPressed() {
    on_pushButton_clicked();
}

void RssManager::feedFetchFailed() {
    setBusy(false);
    critical(tr("Lỗi"), tr("Không tải được dữ liệu phim, vui lòng thử lại sau."));
}

void RssManager::parseRssListFilmsXml(const QString& path) {
    films.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setBusy(false);
        critical(tr("Lỗi"), QStringLiteral("Không thể mở tập tin xml"));
        return;
    }
    dropPosters();
    const rssfeed::FilmFeed feed = rssfeed::readFilmFeed(
        file, [this](int row, const QString& address) { requestPoster(row, address); });
    films = feed.films;
    if (feed.ok)
        showFilmList();
    else
        setBusy(false);
}

void RssManager::showFilmList() {
    for (int row = 0; row < films.size(); ++row) {
        const RssFilm& film = films.at(row);
        const QDateTime published = rssfeed::parsePubDate(film.pubDate);
        filmModel->setItem(row, 1, new QStandardItem(film.title));
        filmModel->setItem(row, 5,
                           new QStandardItem(published.isValid()
                                                 ? published.toString(tr("dd/MM/yyyy hh:mm"))
                                                 : QString()));
        auto* description = new QStandardItem;
        description->setData(film.description, Qt::DisplayRole);
        filmModel->setItem(row, 2, description);
        filmModel->setItem(row, 3, new QStandardItem(film.linkTitles));
        filmModel->setItem(row, 4, new QStandardItem(film.subtitleLinks));
        filmModel->setItem(row, 6, new QStandardItem(film.pageLink));
    }
    applyColumnVisibility();
    setBusy(false);
}

void RssManager::requestPoster(int row, const QString& address) {
    posterQueue.enqueue({posterGeneration, row, address});
    startPosterFetches();
}

void RssManager::startPosterFetches() {
    while (posterFetches.size() < kPosterFetches && !posterQueue.isEmpty()) {
        const PosterRequest request = posterQueue.dequeue();
        if (request.generation != posterGeneration)
            continue;
        auto* fetcher = new RssFilesTemp(this);
        const QString fileName =
            rssfeed::posterFileName(request.generation, request.row, request.address);
        posterFetches.insert(fetcher, RssFilesTemp::resultPath(fileName));
        connect(fetcher, &RssFilesTemp::readyLoadPresentImage, this,
                [this, request](const QString& path) {
                    if (request.generation == posterGeneration)
                        loadPresentImage(request.row, path);
                    QFile::remove(path);
                });
        connect(fetcher, &QThread::finished, this, [this, fetcher] {
            posterFetches.remove(fetcher);
            fetcher->deleteLater();
            startPosterFetches();
        });
        fetcher->fetch(fileName, request.address);
    }
}

void RssManager::dropPosters() {
    ++posterGeneration; // posters of the old table never land in the new one
    posterQueue.clear();
    for (RssFilesTemp* fetcher : posterFetches.keys())
        fetcher->cancel();
}

void RssManager::loadPresentImage(int row, const QString& imageFile) {
    const QImage image(imageFile);
    if (image.isNull())
        return;
    auto* item = new QStandardItem;
    item->setData(
        QPixmap::fromImage(image.scaled(64, 64, Qt::KeepAspectRatio, Qt::FastTransformation)),
        Qt::DecorationRole);
    filmModel->setItem(row, 0, item);
}

RssFilm RssManager::filmAt(int row) const {
    return row >= 0 && row < films.size() ? films.at(row) : RssFilm();
}
