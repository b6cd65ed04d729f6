#pragma once

#include "core/logview/LogRowTexts.h"
#include "core/logview/SensorLogData.h"

#include <QAbstractTableModel>

// The rows of a log for a table: the time, then each PID's value as the log stores it. The
// texts are read from the file as the table shows them.
class LogTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    LogTableModel(const QString &path, const SensorLogData &data, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The value text of a row's column (an index into the log's PIDs), as the file holds it.
    QString valueText(qsizetype row, int column) const;
    // A row's time as the table shows it.
    static QString timeText(double seconds);

private:
    const SensorLogData &m_data;
    mutable LogRowTexts m_texts;
};
