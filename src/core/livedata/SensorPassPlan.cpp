#include "core/livedata/SensorPassPlan.h"

#include "core/livedata/SensorSelection.h"
#include "core/livedata/SensorTable.h"

SensorPassRole SensorPassRoleOf(const SensorSelection &selection, int pid, bool forceMode)
{
    if (!IsLivePid(pid) || !selection.isUsed(std::uint8_t(pid))
        || !(forceMode || selection.IsSupported(std::uint8_t(pid))))
        return SensorPassRole::None;
    return selection.IsSelected(std::uint8_t(pid)) ? SensorPassRole::Read : SensorPassRole::Listed;
}

SensorPassPlan::SensorPassPlan(const SensorSelection &selection) : m_selection(selection), m_lastRow(kLastRow)
{
    for (int pid = kLastPid + 1; pid < SensorSelection::kSize; ++pid)
        m_lastRow += selection.isAnnounced(std::uint8_t(pid)) ? 1 : 0;
}

std::vector<std::uint8_t> SensorPassPlan::reads(bool forceMode) const
{
    std::vector<std::uint8_t> pids;
    for (int pid = 0; pid < SensorSelection::kSize; ++pid)
        if (SensorPassRoleOf(m_selection, pid, forceMode) == SensorPassRole::Read)
            pids.push_back(std::uint8_t(pid));
    return pids;
}

std::optional<std::uint8_t> SensorPassPlan::next(SensorPassRole role, bool forceMode)
{
    while (m_row < m_lastRow && m_pid < SensorSelection::kSize - 1) {
        ++m_pid;
        if (SensorPassRoleOf(m_selection, m_pid, forceMode) == role) {
            ++m_row;
            return std::uint8_t(m_pid);
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> SensorPassPlan::nextRead(bool forceMode)
{
    const std::optional<std::uint8_t> pid = next(SensorPassRole::Read, forceMode);
    m_reads += pid ? 1 : 0;
    return pid;
}

bool SensorPassPlan::endReads()
{
    m_pid = 0;
    if (m_reads == 0)
        return false;
    ++m_row;
    return true;
}

std::optional<std::uint8_t> SensorPassPlan::nextListed(bool forceMode)
{
    const std::optional<std::uint8_t> pid = next(SensorPassRole::Listed, forceMode);
    m_listed += pid ? 1 : 0;
    return pid;
}
