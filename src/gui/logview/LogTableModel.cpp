#include "gui/logview/LogTableModel.h"

#include "core/livedata/SensorTable.h"
#include "core/text/HexByte.h"

#include <QDateTime>

#include <cmath>

LogTableModel::LogTableModel(const QString &path, const SensorLogData &data, QObject *parent)
    : QAbstractTableModel(parent), m_data(data), m_texts(path, data.rowOffsets)
{
}

int LogTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_data.rowCount());
}

int LogTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_data.pids.size()) + 1;
}

QString LogTableModel::timeText(double seconds)
{
    const auto ms = qint64(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString LogTableModel::valueText(qsizetype row, int column) const
{
    return m_texts.row(row).value(column + 1);
}

QVariant LogTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (index.column() == 0)
        return timeText(m_data.times.at(std::size_t(index.row())));
    return valueText(index.row(), index.column() - 1);
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Czas");
    const std::uint8_t pid = m_data.pids.value(section - 1);
    const QString hex = HexByte(pid);
    const QString unit = LivePidUnit(pid);
    if (role == Qt::ToolTipRole)
        return hex + u' ' + LivePidDescription(pid);
    return unit.isEmpty() ? hex + u' ' + LivePidDescription(pid)
                          : hex + u' ' + LivePidDescription(pid) + QStringLiteral(" [") + unit + u']';
}
