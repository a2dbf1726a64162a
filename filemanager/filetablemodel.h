#pragma once
// The rows of the file manager's table: one per entry of the listed folder, folders and
// files together, nine columns. Every text and sort key of a row is worked out once, when
// the row is made (on the listing's thread), so that showing and sorting a large folder
// costs the GUI thread almost nothing.
#include "api/file.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace filetable {

enum Column {
    ColSpacer = 0,
    ColName = 1,
    ColSecure = 2,
    ColDirectLink = 3,
    ColPassword = 4,
    ColSize = 5,
    ColDownloads = 6,
    ColCreated = 7,
    ColLink = 8,
    ColumnCount = 9,
};

// The role the sort proxy sorts by.
constexpr int SortRole = Qt::UserRole + 2;
// The image resource behind a cell's icon ("" when it has none); for tests and checks.
constexpr int IconNameRole = Qt::UserRole + 10;

// What the rows need to know besides the records.
struct RowOptions {
    QString webAddress; // "https://www." and the web host: share links start with it
    QString dateFormat; // the translated date format of the creation column
};

// The text shown for an entry without a creation time.
extern const char* const kNoDate;

struct Row {
    bool folder = false;
    QString name;
    QString nameKey;      // type text and the name in lower case: folders sort first
    QString icons[5];     // image resources of the icons of columns 0 to 4
    QVariant iconKeys[5]; // sort keys of columns 0 to 4 (none unless set later)
    QString sizeText;
    qint64 sizeKey = 0; // -1 for folders
    QString downloadsText;
    quint32 downloadsKey = 0; // 0 for folders, the count plus 1 for files
    QString createdText;
    qint64 createdKey = 0; // milliseconds since 1970
    QString link;
    QString linkKey; // the link in lower case, for sorting
};

Row makeRow(const brisko::file& record, const RowOptions& options);
std::vector<Row> makeRows(const std::vector<brisko::file>& records, const RowOptions& options);

// The link code a share link ends with: the text after its last "/" (all of it without
// one; "" for an empty link).
QString linkCodeOf(const QString& link);

class Model : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Model(QObject* parent = nullptr);

    void setHeaderLabels(const QStringList& labels);
    // Replaces every row at once.
    void setRows(std::vector<Row> rows);
    void clear() { setRows({}); }
    const Row& row(int source) const { return rows_[static_cast<size_t>(source)]; }

    // Whether row a sorts before row b by column; the sort proxy's fast path.
    bool keyLess(int a, int b, int column, Qt::CaseSensitivity cs) const;
    // Whether the column's keys are kept as plain values here (see keyLess).
    bool hasPlainKeys(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Takes a new name in column 1, an image resource (text) as the icon of columns 0 to 4
    // and a sort key for columns 0 to 4.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QIcon icon(const QString& resource) const;

    std::vector<Row> rows_;
    QStringList labels_;
    mutable QHash<QString, QIcon> icons_;
};

} // namespace filetable
