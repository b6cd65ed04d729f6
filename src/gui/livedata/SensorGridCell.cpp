#include "gui/livedata/SensorGridCell.h"

#include "gui/livedata/SensorGridCursor.h"

#include <QPainter>

SensorGridCell::SensorGridCell(const SensorGridCursor &cursor, QObject *parent)
    : QStyledItemDelegate(parent), m_cursor(cursor)
{
}

void SensorGridCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->fillRect(option.rect, option.palette.base());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        // A text wider than its cell ends in an ellipsis; the cell's tool-tip holds all of it.
        const QString shown = QFontMetrics(option.font).elidedText(text, Qt::ElideRight, option.rect.width());
        painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
        painter->restore();
    }
    m_cursor.paint(painter, option);
}
