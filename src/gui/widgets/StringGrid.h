#pragma once

#include <QTableWidget>

#include <initializer_list>

// A text grid addressed like the window layouts address it: Cells(column, row), with row 0 the
// fixed header row and rows 1 .. rowCountWithHeader()-1 the data rows. The header row is the table's
// header; the data rows are the table's rows. Columns can be resized and moved by the user.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(QWidget *parent, const char *name, const QRect &geometry, int columns, int rows, int rowHeight,
               std::initializer_list<int> columnWidths);

    // Rows including the header row.
    int rowCountWithHeader() const { return rowCount() + 1; }

    QString Cells(int column, int row) const;
    void setCells(int column, int row, const QString &text);

    // Empties the given columns of every data row; the header row stays.
    void clearDataRows(int firstColumn, int lastColumn);

    // Turns both scroll bars off.
    void hideScrollBars();

    // What screen readers announce for the grid, once its window is built: the caption of its
    // group box (else its own name) and the hint the status bar shows over it. Qt passes
    // neither a grid's surroundings nor its tool-tip on by itself.
    void announce();
};
