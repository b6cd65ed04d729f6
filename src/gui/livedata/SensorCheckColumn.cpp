#include "gui/livedata/SensorCheckColumn.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

SensorCheckColumn::SensorCheckColumn(std::function<bool(int)> checked, std::function<bool(int)> hasBox,
                                     QObject *parent)
    : QStyledItemDelegate(parent), m_checked(std::move(checked)), m_hasBox(std::move(hasBox))
{
}

QRect SensorCheckColumn::boxRect(const QRect &cell, const QWidget *widget)
{
    const QStyle *style = widget != nullptr ? widget->style() : QApplication::style();
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    return QRect(cell.topLeft() + QPoint(2, 2), QSize(width, height));
}

void SensorCheckColumn::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Data row r of the grid is table row r - 1; selection and focus are not shown.
    painter->fillRect(option.rect, option.palette.base());
    const int row = index.row() + 1;
    if (!m_hasBox(row))
        return;
    QStyleOptionButton box;
    box.rect = boxRect(option.rect, option.widget);
    box.state = QStyle::State_Enabled | (m_checked(row) ? QStyle::State_On : QStyle::State_Off);
    const QStyle *style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
}
