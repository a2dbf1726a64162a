// The film table's context menu and the link actions of its entries.
#include "transfer/downloadlocation.h"
#include "media/partnersites.h"
#include "media/rssmanager.h"
#include "media/searchsubtitleonline.h"
#include "platform/systemactions.h"
#include "ui_rssmanager.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QStandardItemModel>
#include <QUrl>

namespace {

// The lines of a text that ends with a line break (empty: none).
QStringList linesOf(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

QString cellText(const QModelIndex& index) {
    return index.data(Qt::DisplayRole).toString();
}

} // namespace

QMenu* RssManager::buildFilmMenu() {
    selectedTitles.clear();
    selectedLinks.clear();
    copyLinks.clear();
    links720p.clear();
    links1080p.clear();
    linksOther.clear();
    selectedSubLinks.clear();
    selectedPageLinks.clear();

    auto* menu = new QMenu(this);
    QItemSelectionModel* selection = ui->ListDetail->selectionModel();
    const QModelIndexList cells = selection->selectedIndexes();
    for (const QModelIndex& cell : cells) {
        const QString text = cellText(cell);
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (cell.column() == 1)
            selectedTitles += trimmed + QLatin1Char('\n');
        else if (cell.column() == 4)
            selectedSubLinks += trimmed + QLatin1Char('\n');
        else if (cell.column() == 6)
            selectedPageLinks += text + QLatin1Char('\n');
    }
    if (cells.isEmpty())
        return menu;

    const QModelIndexList rows = selection->selectedRows();
    auto filmLinksOfRows = [&] {
        QString text;
        for (const QModelIndex& row : rows)
            text += filmAt(row.row()).links + QLatin1Char('\n');
        return text;
    };
    copyLinks = filmLinksOfRows();
    const QIcon down(QStringLiteral(":/images/bt_down.png"));
    menu->addAction(QIcon(QStringLiteral(":/images/bt_exportfile_on.png")),
                    tr("Sao chép đường dẫn tải xuống"), this, &RssManager::copyDownloadLinks);

    if (cells.size() == filmModel->columnCount()) {
        // One film: its links sorted by the formats their titles name.
        for (const QModelIndex& cell : cells) {
            if (cell.column() == 3 && !cellText(cell).trimmed().isEmpty())
                selectedLinks += cellText(cell).trimmed() + QLatin1Char('\n');
        }
        const QStringList titles = linesOf(selectedLinks);
        const QStringList links = filmAt(cells.first().row()).links.split(QLatin1Char('\n'));
        // A title without a link of its own is passed over.
        for (int i = 0; i < titles.size() && i < links.size(); ++i) {
            QString& target = titles.at(i).contains(QLatin1String("720p"))    ? links720p
                              : titles.at(i).contains(QLatin1String("1080p")) ? links1080p
                                                                              : linksOther;
            target += links.at(i) + QLatin1Char('\n');
        }
        if (!links720p.isEmpty() || !links1080p.isEmpty()) {
            QMenu* formats = menu->addMenu(down, tr("Tải xuống"));
            if (!links720p.isEmpty())
                formats->addAction(down, tr("Định dạng 720p"), this,
                                   &RssManager::download_720pType);
            if (!links1080p.isEmpty())
                formats->addAction(down, tr("Định dạng 1080p"), this,
                                   &RssManager::download_1080pType);
            if (!linksOther.isEmpty())
                formats->addAction(down, tr("Định dạng khác"), this,
                                   &RssManager::download_otherType);
        } else {
            selectedLinks = filmLinksOfRows();
            menu->addSeparator();
            menu->addAction(down, tr("Tải xuống"), this, &RssManager::download_otherType_2);
        }
        menu->addSeparator();
        if (!selectedSubLinks.isEmpty())
            menu->addAction(down, tr("Tải phụ đề tiếng việt"), this, &RssManager::downloadSubViet);
        else
            menu->addAction(QIcon(QStringLiteral(":/images/search.png")),
                            tr("Tìm phụ đề trực tuyến"), this, &RssManager::searchSubOnline);
    } else {
        selectedLinks = filmLinksOfRows();
        menu->addSeparator();
        menu->addAction(down, tr("Tải xuống"), this,
                        qOverload<>(&RssManager::downloadOrViewOnline));
    }

    if (currentSite() == partnersites::homeAddresses().first()) {
        mailLinks = filmLinksOfRows();
        if (!mailLinks.isEmpty())
            mailLinks.chop(1);
        menu->addSeparator();
        menu->addAction(QIcon(QStringLiteral(":/images/sendEmail.png")),
                        tr("Gửi đường dẫn tải xuống cho bạn bè"), this,
                        &RssManager::sendLinksViaMail);
    }
    return menu;
}

void RssManager::on_ListDetail_customContextMenuRequested(const QPoint& pos) {
    QMenu* menu = buildFilmMenu();
    menu->exec(ui->ListDetail->viewport()->mapToGlobal(pos));
    delete menu;
}

void RssManager::emitLinks(const QString& text) {
    if (passesLevelGate())
        emit downloadOrViewOnline(linesOf(text));
}

void RssManager::downloadOrViewOnline() {
    emitLinks(selectedLinks + selectedSubLinks);
}

void RssManager::downloadSubViet() {
    emitLinks(selectedSubLinks);
}

void RssManager::download_720pType() {
    emitLinks(links720p);
}

void RssManager::download_1080pType() {
    emitLinks(links1080p);
}

void RssManager::download_otherType() {
    emitLinks(linksOther);
}

void RssManager::download_otherType_2() {
    emitLinks(selectedLinks);
}

void RssManager::copyDownloadLinks() {
    if (passesLevelGate())
        QGuiApplication::clipboard()->setText(copyLinks + selectedSubLinks, QClipboard::Clipboard);
}

void RssManager::sendLinksViaMail() {
    if (!passesLevelGate())
        return;
    const QString body = mailLinks + QLatin1Char('\n') + selectedSubLinks;
    platform::openUrl(QStringLiteral("mailto:?subject=") +
                      QString::fromLatin1(QUrl::toPercentEncoding(tr("Phim hay tren brisko"))) +
                      QStringLiteral("&body=") +
                      QString::fromLatin1(QUrl::toPercentEncoding(body)));
}

void RssManager::goToPageFilm() {
    if (!passesLevelGate())
        return;
    for (const QString& line : linesOf(selectedPageLinks)) {
        const QString location = line.trimmed();
        if (isFetchableLocation(location))
            platform::openUrl(QUrl(location).toString(QUrl::FullyEncoded));
    }
}

void RssManager::searchSubOnline() {
    if (!passesLevelGate())
        return;
    if (selectedTitles.endsWith(QLatin1Char('\n')))
        selectedTitles.chop(1);
    subtitleSearch->setKeyword(selectedTitles);
    subtitleSearch->clearResults();
    // Modal to the tab without a nested event loop.
    subtitleSearch->open();
}
