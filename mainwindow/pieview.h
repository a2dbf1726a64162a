#pragma once
// A pie chart of a two-column model: column 1 holds each slice's value, column 0 its colour
// (decoration role, anything that reads as a colour name). Only rows whose value is above
// 0 get a slice. The view draws the pie alone; its user shows the legend.
#include <QAbstractItemView>

class PieView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit PieView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void setModel(QAbstractItemModel* model) override;

protected slots:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QVector<int>& roles = QVector<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void recount();

private:
    QRect itemContentRect(const QModelIndex& index) const;
    int siblingRowCount(const QModelIndex& index) const;
    // The value of a row (column 1); anything that is not a finite number reads as 0.
    double rowValue(int row) const;

    const int margin = 5;
    const int chartSize = 125;
    const int pieDiameter = chartSize - 2 * margin;
    int validRowCount = 0;
    double valueSum = 0.0;
};
