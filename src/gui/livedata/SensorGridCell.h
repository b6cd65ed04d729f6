#pragma once

#include <QStyledItemDelegate>

class SensorGridCursor;

// A text cell of the sensor grid, painted by the grid itself: the grid's own background, the
// text in the grid font's colour at the cell's top-left corner with no margin, clipped to the
// cell. Selection is not shown; the current cell only as the keyboard's cursor shows it.
class SensorGridCell final : public QStyledItemDelegate {
    Q_OBJECT
public:
    SensorGridCell(const SensorGridCursor &cursor, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const SensorGridCursor &m_cursor;
};
