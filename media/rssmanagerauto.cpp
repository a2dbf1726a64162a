// The category list of the film browser, the categories chosen for auto-download, their
// history file and the timed download of their new films.
#include "core/localpaths.h"
#include "media/partnersites.h"
#include "media/popup_rss_setdownloadfolder.h"
#include "media/rssfilestemp.h"
#include "media/rssmanager.h"
#include "ui_rssmanager.h"

#include <QCryptographicHash>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

namespace {

// A category identifier comes from the feed: the file it is fetched into is named after
// a digest of it, never after the text itself.
QString autoDownloadFileName(const QString& id) {
    return QStringLiteral("autoDownload") +
           QString::fromLatin1(
               QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".xml");
}

} // namespace

void RssManager::on_rssListWidget_itemClicked(QListWidgetItem* item) {
    if (busy()) {
        warn(tr("Đang tải dữ liệu, bạn vui lòng đợi"));
        return;
    }
    emptyFilmTable(false);
    const int row = ui->rssListWidget->row(item);
    if (row < 0 || row >= categories.size())
        return;
    if (!partnersites::hasFeed(currentSite())) {
        warn(tr("Website đang triển khai liên kết với Brisko, mời bạn quay lại sau"));
        return;
    }
    feedFetcher->fetch(QStringLiteral("rssListFilmsTemp.xml"),
                       partnersites::categoryUrl(categories.at(row).guid));
    setBusy(true);
}

void RssManager::parseRssCategoryXml(const QString& path) {
    categories.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setBusy(false);
        critical(tr("Lỗi"), QStringLiteral("Không thể mở tập tin xml"));
        return;
    }
    const rssfeed::CategoryFeed feed = rssfeed::readCategoryFeed(file);
    categories = feed.categories;
    if (!feed.error.isEmpty()) {
        setBusy(false);
        critical(tr("Lỗi đọc tập tin xml"), feed.error);
        return;
    }
    showCategoryList();
}

void RssManager::showCategoryList() {
    readCategoryHistory();
    ui->rssListWidget->clear();
    for (const RssCategory& category : categories) {
        auto* item = new QListWidgetItem(category.title, ui->rssListWidget);
        for (const AutoDownloadCategory& chosen : autoDownloadCategories) {
            if (chosen.id == category.guid)
                item->setData(Qt::BackgroundRole, QColor(Qt::green));
        }
        item->setFlags(item->flags() ^ Qt::ItemIsEditable);
    }
    // Choices kept from an earlier run are downloaded as well as new ones.
    if (!autoDownloadCategories.isEmpty() && !autoDownloadTimer->isActive())
        autoDownloadTimer->start();
    setBusy(false);
}

QString RssManager::categoryHistoryPath() const {
    return tempFolder() + QLatin1Char('/') + partnersites::categoryHistoryFileName(currentSite());
}

void RssManager::readCategoryHistory() {
    const categoryhistory::ReadResult result = categoryhistory::read(categoryHistoryPath());
    autoDownloadCategories = result.categories;
    if (result.openFailed)
        critical(tr("Lỗi"), QStringLiteral("Không thể mở tập tin xml"));
    else if (!result.error.isEmpty())
        critical(tr("Lỗi đọc tập tin xml"), result.error);
}

void RssManager::writeCategoryHistory(QList<AutoDownloadCategory> list) {
    QString error;
    if (!categoryhistory::write(categoryHistoryPath(), list, &error))
        critical(tr("Lỗi"),
                 tr("Không ghi được danh sách thể loại tải xuống tự động: %1").arg(error));
}

int RssManager::currentCategoryRow() const {
    QListWidgetItem* item = ui->rssListWidget->currentItem();
    const int row = item ? ui->rssListWidget->row(item) : -1;
    return row < categories.size() ? row : -1;
}

QMenu* RssManager::buildCategoryMenu() {
    auto* menu = new QMenu(this);
    const int row = currentCategoryRow();
    if (row < 0)
        return menu;
    const QIcon down(QStringLiteral(":/images/bt_down.png"));
    bool chosen = false;
    for (const AutoDownloadCategory& category : autoDownloadCategories) {
        if (category.id != categories.at(row).guid)
            continue;
        chosen = true;
        menu->addSeparator();
        menu->addAction(down, tr("Dừng tải xuống tự động khi có phim mới"), this,
                        &RssManager::rssAutoDownload_unSelectCategory);
    }
    if (!chosen) {
        menu->addSeparator();
        menu->addAction(down, tr("Tải xuống tự động khi có phim mới"), this,
                        &RssManager::rssAutoDownload_selectCategory);
    }
    return menu;
}

void RssManager::on_rssListWidget_customContextMenuRequested(const QPoint& pos) {
    QMenu* menu = buildCategoryMenu();
    menu->exec(ui->rssListWidget->viewport()->mapToGlobal(pos));
    delete menu;
}

void RssManager::rssAutoDownload_selectCategory() {
    if (!passesLevelGate())
        return;
    const int row = currentCategoryRow();
    if (row < 0)
        return;
    pendingAutoDownloadCategory = categories.at(row).guid;
    auto* dialog = new Popup_rss_SetDownloadFolder(ui->rssListWidget->currentItem()->text(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &Popup_rss_SetDownloadFolder::send_downloadFolder, this,
            &RssManager::getDownloadFolder);
    dialog->setWindowTitle(tr("Chọn thư mục tải xuống"));
    // Modal without a nested event loop; the folder comes back through getDownloadFolder.
    dialog->open();
}

void RssManager::getDownloadFolder(const QString& downLoadFolder) {
    autoDownloadCategories.append({pendingAutoDownloadCategory, downLoadFolder});
    if (QListWidgetItem* item = ui->rssListWidget->currentItem())
        item->setData(Qt::BackgroundRole, QColor(Qt::green));
    writeCategoryHistory(autoDownloadCategories);
    if (!autoDownloadTimeKnown)
        lastTimeAutoDownload = QDateTime::currentDateTime();
    if (!autoDownloadTimer->isActive())
        autoDownloadTimer->start();
}

void RssManager::rssAutoDownload_unSelectCategory() {
    const int row = currentCategoryRow();
    if (row < 0)
        return;
    ui->rssListWidget->currentItem()->setData(Qt::BackgroundRole, QColor(Qt::white));
    const QString id = categories.at(row).guid;
    for (int i = 0; i < autoDownloadCategories.size(); ++i) {
        if (autoDownloadCategories.at(i).id == id) {
            autoDownloadCategories.removeAt(i);
            break;
        }
    }
    writeCategoryHistory(autoDownloadCategories);
}

void RssManager::processAutoDownload() {
    autoDownloadTimeKnown = true;
    // Each feed of this tick is judged against the time of the tick before it.
    const QDateTime since = lastTimeAutoDownload;
    const QList<AutoDownloadCategory> chosen = autoDownloadCategories;
    for (const AutoDownloadCategory& category : chosen) {
        if (!partnersites::hasFeed(currentSite())) {
            warn(tr("Website đang triển khai liên kết với Brisko, mời bạn quay lại sau"));
            return;
        }
        auto* fetcher = new RssFilesTemp(this);
        const QString id = category.id;
        connect(fetcher, &RssFilesTemp::autoDownload_readyParseRssListFilmsXml, this,
                [this, id, since](const QString& path) {
                    autoDownload_parseRssListFilmsXml(path, id, since);
                });
        connect(fetcher, &QThread::finished, fetcher, &QObject::deleteLater);
        fetcher->fetch(autoDownloadFileName(id), partnersites::categoryUrl(id));
    }
    lastTimeAutoDownload = QDateTime::currentDateTime();
}

void RssManager::autoDownload_parseRssListFilmsXml(const QString& path, const QString& id,
                                                   const QDateTime& since) {
    autoDownloadLinks.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        critical(tr("Lỗi"), QStringLiteral("Không thể mở tập tin xml"));
        return;
    }
    const rssfeed::AutoDownloadFeed feed = rssfeed::readAutoDownloadFeed(file, since);
    if (!feed.error.isEmpty()) {
        critical(QStringLiteral("parse rssXML error"), feed.error);
        return;
    }
    autoDownloadLinks = feed.links;
    if (autoDownloadLinks.endsWith(QLatin1Char(';')))
        autoDownloadLinks.chop(1);
    if (!autoDownloadLinks.isEmpty())
        sendAutoDownloadLinks(autoDownloadLinks, id);
}

void RssManager::sendAutoDownloadLinks(const QString& links, const QString& id) {
    QString folder;
    for (const AutoDownloadCategory& category : autoDownloadCategories) {
        if (category.id == id) {
            folder = category.folder;
            break;
        }
    }
    emit addDownloadLinks(links, folder, QString());
}
