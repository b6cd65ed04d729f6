#pragma once

#include <QObject>

class QAbstractItemView;
class QPainter;
class QStyleOptionViewItem;

// The sensor grid's current cell for an operator at the keyboard: a frame around it while the
// grid has the focus and the keyboard is used there (the focus came by Tab, or a key was pressed
// in the grid). A mouse press in the grid puts the frame away, so that the grid looks to the
// mouse as it always has, without a marked cell.
class SensorGridCursor final : public QObject {
    Q_OBJECT
public:
    explicit SensorGridCursor(QAbstractItemView &grid);

    bool shown() const { return m_shown; }
    // Frames the cell painted with option when it is the current cell of the focused grid.
    void paint(QPainter *painter, const QStyleOptionViewItem &option) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(bool shown);

    QAbstractItemView &m_grid;
    QObject *m_viewport;
    bool m_shown = false;
};
