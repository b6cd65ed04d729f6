#include "gui/livedata/SensorCheckCell.h"

#include "core/livedata/SensorTable.h"
#include "gui/livedata/SensorsTab.h"

SensorCheckCell::SensorCheckCell(const SensorsTab &tab, int row) : m_tab(tab), m_row(row)
{
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
}

QVariant SensorCheckCell::data(int role) const
{
    const std::uint8_t pid = m_tab.rowPid(m_row);
    switch (role) {
    case Qt::CheckStateRole:
        if (pid == 0)
            return {};
        return int(m_tab.GetCheckState(m_row) ? Qt::Checked : Qt::Unchecked);
    case Qt::AccessibleTextRole: return pid == 0 ? QString() : PidDescription(pid);
    default: return QTableWidgetItem::data(role);
    }
}
