#include "gui/widgets/StringGrid.h"

#include "gui/widgets/PlainCell.h"
#include "gui/widgets/StatusHints.h"

#include <QGroupBox>
#include <QHeaderView>

StringGrid::StringGrid(QWidget *parent, const char *name, const QRect &geometry, int columns, int rows, int rowHeight,
                       std::initializer_list<int> columnWidths)
    : QTableWidget(rows - 1, columns, parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new PlainCell(this));
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab and Shift+Tab move on to the next control, as everywhere
    setTextElideMode(Qt::ElideRight); // a text too long for its cell ends in "…", its tool-tip holds it all
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1); // before the row height, or the style's minimum wins
    verticalHeader()->setDefaultSectionSize(rowHeight);

    QHeaderView *header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setFixedHeight(rowHeight); // the header row is one row like the others
    header->setMinimumSectionSize(1);
    for (int column = 0; column < columns; ++column)
        setHorizontalHeaderItem(column, new QTableWidgetItem(QString()));
    int column = 0;
    for (int width : columnWidths)
        setColumnWidth(column++, width);
}

QString StringGrid::Cells(int column, int row) const
{
    const QTableWidgetItem *cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell == nullptr ? QString() : cell->text();
}

void StringGrid::setCells(int column, int row, const QString &text)
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCountWithHeader())
        return;
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    QTableWidgetItem *cell = item(row - 1, column);
    if (cell == nullptr) {
        if (text.isEmpty())
            return;
        cell = new QTableWidgetItem;
        setItem(row - 1, column, cell);
    }
    cell->setText(text);
    cell->setToolTip(text);
}

void StringGrid::clearDataRows(int firstColumn, int lastColumn)
{
    for (int row = 1; row < rowCountWithHeader(); ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            setCells(column, row, QString());
}

void StringGrid::hideScrollBars()
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void StringGrid::announce()
{
    const auto *box = qobject_cast<const QGroupBox *>(parentWidget());
    const QString caption = box != nullptr ? box->title().trimmed() : QString();
    setAccessibleName(caption.isEmpty() ? objectName() : caption);
    setAccessibleDescription(nearestHint(this));
}
