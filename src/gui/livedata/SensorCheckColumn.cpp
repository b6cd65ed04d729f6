#include "gui/livedata/SensorCheckColumn.h"

#include "gui/livedata/SensorGridCursor.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>

SensorCheckColumn::SensorCheckColumn(std::function<bool(int)> checked, std::function<bool(int)> hasBox,
                                     const SensorGridCursor &cursor, QObject *parent)
    : QStyledItemDelegate(parent), m_checked(std::move(checked)), m_hasBox(std::move(hasBox)), m_cursor(cursor)
{
}

bool SensorCheckColumn::editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &, const QModelIndex &)
{
    return false;
}

QRect SensorCheckColumn::boxRect(const QRect &cell, const QWidget *widget)
{
    const QStyle *style = widget != nullptr ? widget->style() : QApplication::style();
    // A square no larger than the style's check box; a pixel row and column stay free before
    // the grid lines, so that the box never runs into them or is cut off, whatever size the
    // desktop gives check boxes or the user gives the column.
    const int side = std::min({style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget),
                               style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget), cell.height() - 3,
                               cell.width() - 3});
    return QRect(cell.topLeft() + QPoint(2, 2), QSize(side, side));
}

SensorCheckColumn::Shown SensorCheckColumn::current(int row) const
{
    if (!m_hasBox(row))
        return NoBox;
    return m_checked(row) ? Checked : Unchecked;
}

bool SensorCheckColumn::outdated(int row) const
{
    return row < 0 || std::size_t(row) >= m_shown.size() || m_shown[std::size_t(row)] != current(row);
}

const QPixmap &SensorCheckColumn::boxPicture(bool checked, const QStyleOptionViewItem &option) const
{
    const QRect square = boxRect(QRect(QPoint(), option.rect.size()), option.widget);
    const qint64 palette = option.palette.cacheKey();
    const qreal ratio = option.widget != nullptr ? option.widget->devicePixelRatioF() : 1.0;
    if (palette != m_boxesPalette || m_boxes[0].devicePixelRatio() != ratio || m_boxesSide != square.width()) {
        m_boxesSide = square.width();
        m_boxesPalette = palette;
        const QStyle *style = option.widget != nullptr ? option.widget->style() : QApplication::style();
        for (const bool state : {false, true}) {
            // The box on the cell's background, with the cell's top-left two pixels around it.
            QPixmap &picture = m_boxes[state ? 1 : 0];
            picture = QPixmap((QSizeF(square.size() + QSize(2, 2)) * ratio).toSize());
            picture.setDevicePixelRatio(ratio);
            picture.fill(option.palette.color(QPalette::Base));
            QPainter painter(&picture);
            QStyleOptionButton box;
            box.rect = square;
            box.palette = option.palette;
            box.state = QStyle::State_Enabled | (state ? QStyle::State_On : QStyle::State_Off);
            style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, option.widget);
        }
    }
    return m_boxes[checked ? 1 : 0];
}

void SensorCheckColumn::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Data row r of the grid is table row r - 1; selection and focus are not shown.
    painter->fillRect(option.rect, option.palette.base());
    const int row = index.row() + 1;
    const Shown shown = current(row);
    if (m_shown.size() <= std::size_t(row))
        m_shown.resize(std::size_t(row) + 1, Unknown);
    m_shown[std::size_t(row)] = shown;
    // A column narrowed to a sliver leaves no room for a box.
    if (shown != NoBox && !boxRect(QRect(QPoint(), option.rect.size()), option.widget).isEmpty()) {
        painter->save();
        painter->setClipRect(option.rect);
        painter->drawPixmap(option.rect.topLeft(), boxPicture(shown == Checked, option));
        painter->restore();
    }
    m_cursor.paint(painter, option);
}
