#include "filemanager/formmanage.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/linkparser.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/filesortproxy.h"
#include "filemanager/filetablemodel.h"
#include "filemanager/folderloadjob.h"
#include "filemanager/folderpicktree.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_formmanage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMovie>
#include <QShortcut>
#include <QTreeWidgetItem>

#include <algorithm>
#include <deque>

namespace {

const char* const kRootKey = ";";

} // namespace

QString FormManage::appText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

FormManage::FormManage(QWidget* parent)
    : QWidget(parent), ui(new Ui::FormManage), calls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    setUpTable();
    ui->btnDel_2->setShortcut(QKeySequence::Delete);
    ui->txt_linkFolder->setReadOnly(true);
    setUpTree();
    shownPlace = {QString::fromLatin1(kRootKey), {}, {}, {}};

    loadingMovie = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
    ui->img_loading->setMovie(loadingMovie);
    loadingMovie->start();
    loadingMovie->setPaused(true);
    ui->img_loading->hide();

    auto* rename = new QShortcut(QKeySequence(tr("F2", "&Rename")), this);
    rename->setContext(Qt::WindowShortcut);
    connect(rename, &QShortcut::activated, this, &FormManage::context_Edit_Filename);
    auto* download = new QShortcut(QKeySequence(tr("Ctrl+D", "&Download")), this);
    download->setContext(Qt::WindowShortcut);
    connect(download, &QShortcut::activated, this, &FormManage::DownloadFile);
}

FormManage::~FormManage() {
    // An editor still open commits its text while the view goes: no rename then.
    disconnect(proxyModel, nullptr, this, nullptr);
    delete ui;
}

void FormManage::setUpTable() {
    ui->tableManage->horizontalHeader()->setStyleSheet(
        QStringLiteral("border-top: 1px solid #c4c4c4;"
                       "background-image: url(:/images/bg_title_content_delay.png);"));
    model = new filetable::Model(this);
    proxyModel = new filetable::SortProxy(this);
    proxyModel->setSourceModel(model);
    ui->tableManage->setModel(proxyModel);
    ui->tableManage->setIconSize(QSize(60, 18));
    // Rows stand in the service's order until the user clicks a header.
    ui->tableManage->sortByColumn(-1, Qt::AscendingOrder);
    const QStringList headerLabels{QString(),     tr("Tên tập tin"), QString(),
                                   QString(),     QString(),         tr("Dung lượng"),
                                   tr("Lần tải"), tr("Ngày tạo"),    tr("Đường dẫn")};
    model->setHeaderLabels(headerLabels);
    connectRename();
    const bool english = SettingsStore().text(QString::fromLatin1(SettingsKeys::Language)) ==
                         QLatin1String("brisko_en.qm");
    const int widths[filetable::ColumnCount] = {1,   200, 25, 25, 25, 100, english ? 135 : 80,
                                                100, 200};
    QHeaderView* header = ui->tableManage->horizontalHeader();
    // The toolkit holds every column at least at the header's minimum size, which would
    // widen the narrow columns and push the last titles past the table's right edge.
    header->setMinimumSectionSize(1);
    ui->tableManage->ensurePolished(); // the header measures in the style sheet's terms
    for (int column = 0; column < filetable::ColumnCount; ++column) {
        // A title wider than its column (in another language, or the desktop's font)
        // widens the column, so that it shows whole, also with the sort arrow beside it.
        // The last column stretches over what is left of the table: it needs no more
        // than its title.
        const int title = headerLabels.at(column).isEmpty() ? 0 : header->sectionSizeHint(column);
        const bool last = column == filetable::ColumnCount - 1;
        ui->tableManage->setColumnWidth(column, last ? title : std::max(widths[column], title));
    }
}

QTreeWidgetItem* FormManage::makeRootItem() {
    auto* root = new QTreeWidgetItem(ui->treeWidgetFolder);
    root->setText(0, QStringLiteral("Brisko"));
    root->setIcon(0, QIcon(QStringLiteral(":/images/home.png")));
    root->setData(0, Qt::UserRole, QString::fromLatin1(kRootKey));
    return root;
}

void FormManage::setUpTree() {
    QTreeWidget* tree = ui->treeWidgetFolder;
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->clear();
    tree->setCurrentItem(makeRootItem());
    tree->setEnabled(true);
    tree->show();
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void FormManage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void FormManage::setFolderIsUse(bool) {}

void FormManage::openFolder(QString, QString) {}

void FormManage::sendEvent(const char* action, const char* label) {
    if (analytics)
        analytics->sendEvent(QStringLiteral("FormManage"), QString::fromLatin1(action),
                             QString::fromLatin1(label), 0);
}

void FormManage::showError(int code, const QString& message) {
    UserPrompt::current()->critical(this, tr("Lỗi ") + '(' + QString::number(code) + ')', message,
                                    QMessageBox::Ok);
}

// ---- busy state

// While busy the tab takes no clicks and shows its loading animation, which only runs then.
void FormManage::setBusy(bool busy) {
    for (QWidget* w : {static_cast<QWidget*>(ui->tableManage), static_cast<QWidget*>(ui->btnMove),
                       static_cast<QWidget*>(ui->btnCreate_2), static_cast<QWidget*>(ui->btnDel_2),
                       static_cast<QWidget*>(ui->btnUpdate), static_cast<QWidget*>(ui->btnUpLoad),
                       static_cast<QWidget*>(ui->treeWidgetFolder)})
        w->setEnabled(!busy);
    ui->img_loading->setVisible(busy);
    loadingMovie->setPaused(!busy);
}

void FormManage::disableForm() {
    setBusy(true);
}

void FormManage::enableForm() {
    // A service call of the tab still running keeps it busy.
    if (calls->isBusy())
        return;
    setBusy(false);
}

void FormManage::loadFileInFolderAfterMoveOrDel() {
    disableForm();
}

// ---- folder loads

filetable::RowOptions FormManage::rowOptions() const {
    return {shareSite(), tr("dd/MM/yyyy")};
}

QTreeWidgetItem* FormManage::findItem(const QString& key) const {
    std::deque<QTreeWidgetItem*> queue;
    for (int i = 0; i < ui->treeWidgetFolder->topLevelItemCount(); ++i)
        queue.push_back(ui->treeWidgetFolder->topLevelItem(i));
    while (!queue.empty()) {
        QTreeWidgetItem* item = queue.front();
        queue.pop_front();
        if (item->data(0, Qt::UserRole).toString() == key)
            return item;
        for (int i = 0; i < item->childCount(); ++i)
            queue.push_back(item->child(i));
    }
    return nullptr;
}

void FormManage::CallWSLoadFolderTree(int dirFlag, bool flag) {
    setCursor(Qt::WaitCursor);
    QTreeWidgetItem* current = ui->treeWidgetFolder->currentItem();
    LoadRequest request;
    request.dirFlag = dirFlag;
    request.place.itemKey =
        current ? current->data(0, Qt::UserRole).toString() : QString::fromLatin1(kRootKey);
    request.place.path = flag ? currentFolderPath : QString();
    request.place.linkCode = flag ? currentFolderLinkCode : QString();
    request.place.linkText = flag ? ui->txt_linkFolder->text() : QString();
    // One load at a time. A request made meanwhile waits for the load in flight and the
    // last one wins: dropping it could leave the tab showing a folder nobody asked for.
    if (loadLock) {
        pendingLoad = request;
        return;
    }
    startLoad(request);
}

void FormManage::startLoad(const LoadRequest& request) {
    loadLock = request;
    disableForm();
    FolderLoadJob* job = FolderLoadJob::prepare(request.dirFlag, request.place.path, rowOptions());
    connect(job, &FolderLoadJob::listed, this, &FormManage::loadFolderTree_success);
    connect(job, &FolderLoadJob::failed, this, &FormManage::loadFolderTree_error);
    job->start();
}

void FormManage::endLoad() {
    loadLock.reset();
    if (pendingLoad) {
        const LoadRequest next = *pendingLoad;
        pendingLoad.reset();
        startLoad(next);
        return;
    }
    setCursor(Qt::ArrowCursor);
}

void FormManage::loadFolderTree_success(FolderListingPtr loaded) {
    if (!loadLock)
        return;
    const LoadRequest done = *loadLock;
    listing = std::move(loaded);
    // The folders become children of the item the load was made for; when that item is
    // gone (the tree was rebuilt meanwhile) the tree is left alone.
    QTreeWidgetItem* target = findItem(done.place.itemKey);
    if (target)
        qDeleteAll(target->takeChildren());
    if (target && !listing->folders.empty())
        loadFolders(target);
    getFilesInFolder(listing->rows);
    shownPlace = done.place;
    endLoad();
}

void FormManage::loadFolders(QTreeWidgetItem* parent) {
    addFolderItems(parent, listing->folders);
    parent->setExpanded(true);
}

void FormManage::loadFolderTree_error(int errorCode, QString errorMsg) {
    if (!loadLock)
        return;
    // A failed load puts the tab back where it stood, unless another load is waiting.
    if (!pendingLoad)
        restorePlace(shownPlace);
    enableForm();
    if (errorCode == 11)
        UserPrompt::current()->critical(this, appText("Lỗi!"), tr("Lỗi kết nối mạng !"),
                                        QMessageBox::Ok);
    else
        showError(errorCode, errorMsg);
    endLoad();
}

void FormManage::restorePlace(const Place& place) {
    if (QTreeWidgetItem* item = findItem(place.itemKey))
        ui->treeWidgetFolder->setCurrentItem(item);
    currentFolderPath = place.path;
    currentFolderLinkCode = place.linkCode;
    ui->txt_linkFolder->setText(place.linkText);
}

void FormManage::on_btnUpdate_clicked() {
    CallWSLoadFolderTree(0, true);
}

void FormManage::on_treeWidgetFolder_itemClicked(QTreeWidgetItem* item, int) {
    item->setExpanded(true);
    const folderkey::Parts parts = folderkey::split(item->data(0, Qt::UserRole).toString());
    currentFolderPath = parts.path;
    currentFolderLinkCode = parts.linkCode;
    if (parts.path == parts.linkCode)
        ui->txt_linkFolder->clear();
    else
        ui->txt_linkFolder->setText(shareSite() + QStringLiteral("/folder/") + parts.linkCode);
    CallWSLoadFolderTree(0, true);
}

void FormManage::resetToRootFolder() {
    ui->treeWidgetFolder->setCurrentItem(ui->treeWidgetFolder->topLevelItem(0));
    currentFolderPath.clear();
    currentFolderLinkCode.clear();
    ui->txt_linkFolder->clear();
    CallWSLoadFolderTree(0, false);
}

void FormManage::moveFileSuccess(QString atParentLinkcode) {
    if (atParentLinkcode.isEmpty()) {
        ui->treeWidgetFolder->clear();
        ui->treeWidgetFolder->setCurrentItem(makeRootItem());
        ui->treeWidgetFolder->setEnabled(true);
        currentFolderPath.clear();
        currentFolderLinkCode.clear();
    }
    CallWSLoadFolderTree(0, true);
}

// ---- the table

void FormManage::getFilesInFolder(std::vector<filetable::Row> rows) {
    model->setRows(std::move(rows));
    enableForm();
}

const brisko::file* FormManage::recordAt(int viewRow) const {
    const QModelIndex source = proxyModel->mapToSource(proxyModel->index(viewRow, 0));
    if (!source.isValid() || static_cast<size_t>(source.row()) >= listing->entries.size())
        return nullptr;
    return &listing->entries[static_cast<size_t>(source.row())];
}

void FormManage::on_tableManage_doubleClicked(QModelIndex index) {
    QTableView* view = ui->tableManage;
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QString code = filetable::linkCodeOf(
        view->model()->index(index.row(), filetable::ColLink).data().toString());
    const QString name = view->model()->index(index.row(), filetable::ColName).data().toString();
    const std::string code8 = code.toStdString();
    for (const brisko::file& entry : listing->entries) {
        if (!code.isEmpty() && entry.get_linkcode() == code8 && entry.get_type() != "0") {
            // A file: the view's own double-click handling opens the name editor.
            view->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
            return;
        }
    }
    const brisko::file* folder = nullptr;
    for (const brisko::file& entry : listing->folders) {
        if (code.isEmpty() ? QString::fromStdString(entry.get_name()) == name
                           : entry.get_linkcode() == code8) {
            folder = &entry;
            break;
        }
    }
    QTreeWidgetItem* current = ui->treeWidgetFolder->currentItem();
    if (!folder || !current)
        return;
    const QString key = folderkey::of(*folder);
    for (int i = 0; i < current->childCount(); ++i) {
        QTreeWidgetItem* child = current->child(i);
        const QString childKey = child->data(0, Qt::UserRole).toString();
        if (childKey == key || (!code.isEmpty() && folderkey::split(childKey).linkCode == code)) {
            ui->treeWidgetFolder->setCurrentItem(child);
            child->setData(0, Qt::UserRole, key);
            on_treeWidgetFolder_itemClicked(child, 0);
            return;
        }
    }
}
