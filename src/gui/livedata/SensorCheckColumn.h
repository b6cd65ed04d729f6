#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

class SensorGridCursor;

// Draws the check boxes of the sensor grid's first column: a standard check box in the
// cell's top-left corner, moved 2 pixels right and down, on every data row that shows a PID.
// It remembers what each row shows on screen, so that only boxes whose state changed since
// need repainting. The boxes are toggled by the grid's own handlers (the mouse on the box, Space
// on the current row), never by the delegate.
class SensorCheckColumn final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // checked(row): whether the row's box is checked; hasBox(row): whether the row shows one;
    // cursor: the keyboard's current cell, framed over the box.
    SensorCheckColumn(std::function<bool(int)> checked, std::function<bool(int)> hasBox, const SensorGridCursor &cursor,
                      QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // The square of the check box in a cell (its painted rectangle, without the grid line), as
    // the mouse handling tests it.
    static QRect boxRect(const QRect &cell, const QWidget *widget);

    // Whether data row `row` shows something else on screen than its box's current state.
    bool outdated(int row) const;

private:
    enum Shown : signed char { Unknown = -1, NoBox, Unchecked, Checked };
    Shown current(int row) const;
    // The look of a box in the current style and palette, drawn once.
    const QPixmap &boxPicture(bool checked, const QStyleOptionViewItem &option) const;

    std::function<bool(int)> m_checked;
    std::function<bool(int)> m_hasBox;
    const SensorGridCursor &m_cursor;
    mutable std::vector<Shown> m_shown;
    mutable QPixmap m_boxes[2];
    mutable qint64 m_boxesPalette = -1;
    mutable int m_boxesSide = 0;
};
