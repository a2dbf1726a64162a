#include "mainwindow/pieview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

} // namespace

PieView::PieView(QWidget* parent) : QAbstractItemView(parent) {
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
}

void PieView::setModel(QAbstractItemModel* newModel) {
    if (model()) {
        disconnect(model(), &QAbstractItemModel::rowsRemoved, this, &PieView::recount);
        disconnect(model(), &QAbstractItemModel::modelReset, this, &PieView::recount);
    }
    QAbstractItemView::setModel(newModel);
    // Removed rows and a reset would otherwise leave sums behind that no row adds up to.
    if (newModel) {
        connect(newModel, &QAbstractItemModel::rowsRemoved, this, &PieView::recount);
        connect(newModel, &QAbstractItemModel::modelReset, this, &PieView::recount);
    }
    recount();
}

double PieView::rowValue(int row) const {
    if (!model())
        return 0.0;
    const double value = model()->data(model()->index(row, 1, rootIndex())).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

void PieView::recount() {
    validRowCount = 0;
    valueSum = 0.0;
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    for (int row = 0; row < rows; ++row) {
        const double value = rowValue(row);
        if (value > 0) {
            ++validRowCount;
            valueSum += value;
        }
    }
    viewport()->update();
}

void PieView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                          const QVector<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    recount();
}

void PieView::rowsInserted(const QModelIndex& parent, int start, int end) {
    recount();
    QAbstractItemView::rowsInserted(parent, start, end);
}

QModelIndex PieView::indexAt(const QPoint& point) const {
    if (validRowCount == 0)
        return QModelIndex();
    const int wx = point.x() + horizontalOffset();
    const int wy = point.y() + verticalOffset();
    const int rows = model()->rowCount(rootIndex());
    if (wx < chartSize) {
        const int half = chartSize / 2;
        const double cx = wx - half;
        const double cy = half - wy;
        const double d = std::pow(cx * cx + cy * cy, 0.5);
        if (d == 0 || d > pieDiameter / 2)
            return QModelIndex();
        double angle = std::acos(cx / d) * kDegreesPerRadian;
        if (cy < 0)
            angle = 360 - angle;
        double start = 0.0;
        for (int row = 0; row < rows; ++row) {
            const double value = rowValue(row);
            if (value <= 0)
                continue;
            const double sliceAngle = 360 * value / valueSum;
            if (angle >= start && angle < start + sliceAngle)
                return model()->index(row, 1, rootIndex());
            start += sliceAngle;
        }
        return QModelIndex();
    }
    // Right of the pie lies the column of (undrawn) labels, one line per slice.
    const double lineHeight = QFontMetrics(viewOptions().font).height();
    const int listItem = int((wy - margin) / lineHeight);
    int validRow = 0;
    for (int row = 0; row < rows; ++row) {
        if (rowValue(row) <= 0)
            continue;
        if (validRow == listItem)
            return model()->index(row, 0, rootIndex());
        ++validRow;
    }
    return QModelIndex();
}

QRect PieView::visualRect(const QModelIndex& index) const {
    const QRect rect = itemContentRect(index);
    if (!rect.isValid())
        return rect;
    return rect.translated(-horizontalOffset(), -verticalOffset());
}

QRect PieView::itemContentRect(const QModelIndex& index) const {
    if (!index.isValid())
        return QRect();
    const QModelIndex valueIndex =
        index.column() == 1 ? index : model()->index(index.row(), 1, rootIndex());
    if (rowValue(valueIndex.row()) <= 0)
        return QRect();
    int listItem = 0;
    for (int row = index.row() - 1; row >= 0; --row)
        if (rowValue(row) > 0)
            ++listItem;
    switch (index.column()) {
    case 0: {
        const int lineHeight = QFontMetrics(viewOptions().font).height();
        return QRect(chartSize, margin + listItem * lineHeight, chartSize - margin, lineHeight);
    }
    case 1:
        return viewport()->rect();
    default:
        return QRect();
    }
}

int PieView::siblingRowCount(const QModelIndex& index) const {
    return model()->rowCount(model()->parent(index));
}

void PieView::scrollTo(const QModelIndex& index, ScrollHint) {
    const QRect area = viewport()->rect();
    const QRect rect = visualRect(index);
    if (rect.left() < area.left())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + rect.left() - area.left());
    else if (rect.right() > area.right())
        horizontalScrollBar()->setValue(
            horizontalScrollBar()->value() +
            qMin(rect.right() - area.right(), rect.left() - area.left()));
    if (rect.top() < area.top())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.top() - area.top());
    else if (rect.bottom() > area.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                      qMin(rect.bottom() - area.bottom(), rect.top() - area.top()));
    update();
}

QModelIndex PieView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    QModelIndex current = currentIndex();
    switch (cursorAction) {
    case MoveLeft:
    case MoveUp:
        current = model()->index(current.row() > 0 ? current.row() - 1 : 0, current.column(),
                                 rootIndex());
        break;
    case MoveRight:
    case MoveDown: {
        const int last = siblingRowCount(current) - 1;
        current = model()->index(current.row() < last ? current.row() + 1 : last, current.column(),
                                 rootIndex());
        break;
    }
    default:
        break;
    }
    viewport()->update();
    return current;
}

int PieView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int PieView::verticalOffset() const {
    return verticalScrollBar()->value();
}

bool PieView::isIndexHidden(const QModelIndex&) const {
    return false;
}

// Slices are picked by the current index only; rubber bands and clicks select nothing.
void PieView::setSelection(const QRect&, QItemSelectionModel::SelectionFlags) {}

QRegion PieView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            for (int column = range.left(); column <= range.right(); ++column)
                region += visualRect(model()->index(row, column, rootIndex()));
    return region;
}

void PieView::paintEvent(QPaintEvent* event) {
    const QStyleOptionViewItem options = viewOptions();
    const QBrush background = options.palette.base();
    const QPen foreground(options.palette.color(QPalette::WindowText));
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(event->rect(), background);
    painter.setPen(foreground);
    if (validRowCount == 0)
        return;
    painter.save();
    painter.translate(margin - horizontalOffset(), margin - verticalOffset());
    painter.drawEllipse(0, 0, pieDiameter, pieDiameter);
    const QItemSelectionModel* selections = selectionModel();
    const int rows = model()->rowCount(rootIndex());
    double start = 0.0;
    for (int row = 0; row < rows; ++row) {
        const double value = rowValue(row);
        if (value <= 0)
            continue;
        const double angle = 360 * value / valueSum;
        const QModelIndex colourIndex = model()->index(row, 0, rootIndex());
        const QColor colour(model()->data(colourIndex, Qt::DecorationRole).toString());
        const QModelIndex valueIndex = model()->index(row, 1, rootIndex());
        if (currentIndex() == valueIndex)
            painter.setBrush(QBrush(colour, Qt::Dense4Pattern));
        else if (selections && selections->isSelected(valueIndex))
            painter.setBrush(QBrush(colour, Qt::Dense3Pattern));
        else
            painter.setBrush(QBrush(colour));
        painter.drawPie(QRectF(0, 0, pieDiameter, pieDiameter), int(start * 16), int(angle * 16));
        start += angle;
    }
    painter.restore();
}
