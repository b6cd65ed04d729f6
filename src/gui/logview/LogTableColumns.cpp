#include "gui/logview/LogTableColumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

LogTableColumns::LogTableColumns(QTableView &table) : QObject(&table), m_table(table), m_viewport(table.viewport())
{
    m_viewport->installEventFilter(this);
}

bool LogTableColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_viewport && m_viewport->width() != m_fittedWidth)
        fit();
    return QObject::eventFilter(watched, event);
}

void LogTableColumns::fit()
{
    QHeaderView *header = m_table.horizontalHeader();
    const int columns = header->count();
    if (columns == 0)
        return;
    m_fittedWidth = m_table.viewport()->width();
    // What each column needs: its header whole, and the texts of the rows in sight.
    const QAbstractItemView &view = m_table;
    QList<int> needed;
    int total = 0;
    for (int column = 0; column < columns; ++column) {
        const int width = std::max(header->sectionSizeHint(column), view.sizeHintForColumn(column));
        needed << width;
        total += width;
    }
    const int spare = std::max(0, m_fittedWidth - total);
    for (int column = 0; column < columns; ++column) {
        // The spare pixels evenly, the last column taking what the division leaves.
        const int share = spare / columns + (column == columns - 1 ? spare % columns : 0);
        header->resizeSection(column, needed[column] + share);
    }
}
