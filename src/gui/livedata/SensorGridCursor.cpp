#include "gui/livedata/SensorGridCursor.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

SensorGridCursor::SensorGridCursor(QAbstractItemView &grid) : QObject(&grid), m_grid(grid), m_viewport(grid.viewport())
{
    m_grid.installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void SensorGridCursor::show(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    const QModelIndex current = m_grid.currentIndex();
    if (current.isValid())
        m_grid.viewport()->update(m_grid.visualRect(current));
}

bool SensorGridCursor::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: while the grid is torn down it must not be touched.
    if (watched == &m_grid) {
        if (event->type() == QEvent::KeyPress)
            show(true);
        else if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
                show(true);
        }
    } else if (watched == m_viewport && event->type() == QEvent::MouseButtonPress) {
        show(false);
    }
    return QObject::eventFilter(watched, event);
}

void SensorGridCursor::paint(QPainter *painter, const QStyleOptionViewItem &option) const
{
    if (!m_shown || !option.state.testFlag(QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Highlight), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
