#include "filemanager/filetablemodel.h"

#include "core/sizetext.h"

#include <QDateTime>
#include <QRegularExpression>

namespace filetable {

const char* const kNoDate = "   -   ";

namespace {

const char* const kFolderIcon = ":/images/folder_qlfile_on.png";
const char* const kFileIcon = ":/images/icon_file.png";

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

bool isIconColumn(int column) {
    return column >= ColSpacer && column <= ColPassword;
}

// The date texts of a listing. Working out local dates one by one costs a large folder
// most of its preparation, so the offset from UTC is looked up once per quarter hour
// (time zones change their offsets on quarter hours) and each day's text is made once.
class DateTexts {
public:
    explicit DateTexts(const QString& format)
        : format_(format),
          dateOnly_(!format.contains(QRegularExpression(QStringLiteral("[hHmszaApPt]")))) {}

    QString text(qint64 secs) {
        if (!dateOnly_)
            return QDateTime::fromSecsSinceEpoch(secs, Qt::LocalTime).toString(format_);
        const qint64 quarter = floorDiv(secs, 900);
        auto offset = offsets_.constFind(quarter);
        if (offset == offsets_.constEnd())
            offset = offsets_.insert(
                quarter,
                QDateTime::fromSecsSinceEpoch(quarter * 900, Qt::LocalTime).offsetFromUtc());
        const qint64 day = floorDiv(secs + *offset, 86400);
        auto found = days_.constFind(day);
        if (found == days_.constEnd())
            found = days_.insert(day, QDate(1970, 1, 1).addDays(day).toString(format_));
        return *found;
    }

private:
    static qint64 floorDiv(qint64 a, qint64 b) { return a / b - (a % b < 0 ? 1 : 0); }

    QString format_;
    bool dateOnly_;
    QHash<qint64, int> offsets_;
    QHash<qint64, QString> days_;
};

Row makeRow(const brisko::file& record, const RowOptions& options, DateTexts& dates) {
    Row row;
    const QString type = text(record.get_type());
    row.folder = type == QLatin1String("0");
    row.name = text(record.get_name());
    row.nameKey = type + row.name.toLower();
    row.icons[ColName] = QLatin1String(row.folder ? kFolderIcon : kFileIcon);
    if (!row.folder) {
        row.icons[ColSecure] =
            QLatin1String(record.get_secure() == "1" ? ":/images/lock.png" : ":/images/unlock.png");
        row.icons[ColDirectLink] =
            QLatin1String(record.get_directlink() == "1" ? ":/images/direct_link.png"
                                                         : ":/images/undirect_link.png");
        row.icons[ColPassword] = QLatin1String(record.get_pwd().empty() ? ":/images/unpassword.png"
                                                                        : ":/images/password.png");
        row.sizeText = formatSize(record.get_size());
        row.sizeKey = record.get_size();
        row.downloadsText = text(record.get_downloadcount());
        row.downloadsKey = row.downloadsText.toUInt() + 1;
    } else {
        row.sizeKey = -1;
    }
    const QString created = text(record.get_created());
    const qint64 secs = created.toInt(); // 32-bit; not a number counts as 0
    row.createdKey = secs * 1000;
    row.createdText = created.trimmed().isEmpty() ? QString::fromLatin1(kNoDate) : dates.text(secs);
    // The service's own entries (ids below 100) have no page of their own.
    if (static_cast<std::uint64_t>(record.get_id()) >= 100)
        row.link = options.webAddress + QLatin1String(row.folder ? "/folder/" : "/file/") +
                   text(record.get_linkcode());
    row.linkKey = row.link.toLower();
    return row;
}

} // namespace

Row makeRow(const brisko::file& record, const RowOptions& options) {
    DateTexts dates(options.dateFormat);
    return makeRow(record, options, dates);
}

std::vector<Row> makeRows(const std::vector<brisko::file>& records, const RowOptions& options) {
    DateTexts dates(options.dateFormat);
    std::vector<Row> rows;
    rows.reserve(records.size());
    for (const brisko::file& record : records)
        rows.push_back(makeRow(record, options, dates));
    return rows;
}

QString linkCodeOf(const QString& link) {
    return link.mid(link.lastIndexOf(QLatin1Char('/')) + 1);
}

Model::Model(QObject* parent) : QAbstractTableModel(parent) {}

void Model::setHeaderLabels(const QStringList& labels) {
    labels_ = labels;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void Model::setRows(std::vector<Row> rows) {
    beginResetModel();
    rows_.swap(rows);
    endResetModel();
    // The old rows go here, after the views have let go of them.
}

int Model::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int Model::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QIcon Model::icon(const QString& resource) const {
    auto found = icons_.constFind(resource);
    if (found == icons_.constEnd())
        found = icons_.insert(resource, QIcon(resource));
    return *found;
}

QVariant Model::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& r = rows_[static_cast<size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case ColName:
            return r.name;
        case ColSize:
            return r.sizeText;
        case ColDownloads:
            return r.downloadsText;
        case ColCreated:
            return r.createdText;
        case ColLink:
            return r.link;
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return column == ColName ? QVariant(r.name) : QVariant();
    case Qt::DecorationRole:
        if (isIconColumn(column) && !r.icons[column].isEmpty())
            return icon(r.icons[column]);
        return {};
    case IconNameRole:
        return isIconColumn(column) ? QVariant(r.icons[column]) : QVariant();
    case Qt::TextAlignmentRole:
        if (column == ColSize) // centred in the row's height, as the row's other texts
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ColDownloads || column == ColCreated)
            return static_cast<int>(Qt::AlignCenter);
        return {};
    case SortRole:
        switch (column) {
        case ColName:
            return r.nameKey;
        case ColSize:
            return r.sizeKey;
        case ColDownloads:
            return r.downloadsKey;
        case ColCreated:
            return QDateTime::fromMSecsSinceEpoch(r.createdKey, Qt::LocalTime);
        case ColLink:
            return r.link;
        default:
            return isIconColumn(column) ? r.iconKeys[column] : QVariant();
        }
    default:
        return {};
    }
}

bool Model::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    Row& r = rows_[static_cast<size_t>(index.row())];
    const int column = index.column();
    if (column == ColName && (role == Qt::EditRole || role == Qt::DisplayRole))
        r.name = value.toString();
    else if (isIconColumn(column) && role == Qt::DecorationRole)
        r.icons[column] = value.toString();
    else if (isIconColumn(column) && role == SortRole)
        r.iconKeys[column] = value;
    else
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags Model::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == ColName)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant Model::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < labels_.size())
        return labels_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool Model::hasPlainKeys(int column) const {
    return column == ColName || column == ColSize || column == ColDownloads ||
           column == ColCreated || column == ColLink;
}

bool Model::keyLess(int a, int b, int column, Qt::CaseSensitivity cs) const {
    const Row& l = rows_[static_cast<size_t>(a)];
    const Row& r = rows_[static_cast<size_t>(b)];
    switch (column) {
    case ColName:
        // Already lower case: a plain comparison orders it as a case-insensitive one.
        return l.nameKey.compare(r.nameKey) < 0;
    case ColSize:
        return l.sizeKey < r.sizeKey;
    case ColDownloads:
        return l.downloadsKey < r.downloadsKey;
    case ColCreated:
        return l.createdKey < r.createdKey;
    case ColLink:
        return (cs == Qt::CaseInsensitive ? l.linkKey.compare(r.linkKey) : l.link.compare(r.link)) <
               0;
    default:
        return false;
    }
}

} // namespace filetable
