#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Draws the check boxes of the sensor grid's first column: a standard check box in the
// cell's top-left corner, moved 2 pixels right and down, on every data row that shows a PID.
class SensorCheckColumn final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // checked(row): whether the row's box is checked; hasBox(row): whether the row shows one.
    SensorCheckColumn(std::function<bool(int)> checked, std::function<bool(int)> hasBox, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The square of the check box in a cell, as the mouse handling tests it.
    static QRect boxRect(const QRect &cell, const QWidget *widget);

private:
    std::function<bool(int)> m_checked;
    std::function<bool(int)> m_hasBox;
};

