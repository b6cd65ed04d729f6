#pragma once

#include <QObject>

class QTableView;
class QWidget;

// The widths of the log table's columns: each as wide as its header and the rows on screen need,
// and whatever the table has beyond that shared out among them, so that no header is cut and the
// table's width is used, also in a maximised window; the table scrolls sideways only when the
// columns do not fit. Each change of the table's width sizes the columns again; a column the
// operator resizes keeps its width until then.
class LogTableColumns final : public QObject {
    Q_OBJECT
public:
    explicit LogTableColumns(QTableView &table);

    // Sizes the columns for the table's present width.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView &m_table;
    // The table's viewport, kept so that the events it gets while the table is being destroyed
    // never reach into the table.
    QWidget *m_viewport;
    int m_fittedWidth = -1;
};
