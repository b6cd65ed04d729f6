#pragma once

#include <QStyledItemDelegate>

// A text cell of the sensor grid, painted by the grid itself: the grid's own background, the
// text in the grid font's colour at the cell's top-left corner with no margin, clipped to the
// cell. Selection and focus are not shown.
class SensorGridCell final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
