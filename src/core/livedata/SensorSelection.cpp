#include "core/livedata/SensorSelection.h"

#include "core/livedata/SensorTable.h"
#include "core/vehicle/VehicleLink.h"

namespace {

constexpr std::uint8_t kFreezeFrameCodePid = 0x02;
constexpr std::uint8_t kObdStandardPid = 0x1C;

// The seven PIDs never offered: the support bitmaps, the monitor status, the freeze frame's trigger
// code and the OBD standard, which the main tab shows.
bool neverListed(int pid)
{
    return IsSupportBitmapPid(pid) || IsMonitorStatusPid(pid) || pid == kFreezeFrameCodePid || pid == kObdStandardPid;
}

constexpr std::uint8_t kDefaultSelection[] = {0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11};

} // namespace

SensorSelection::SensorSelection()
{
    ClearUndisplayablePids(true);
    for (std::uint8_t pid : kDefaultSelection)
        Selected[pid] = 1;
}

bool SensorSelection::IsSelected(std::uint8_t pid) const
{
    return pid <= kLastPid && Selected[pid] != 0;
}

void SensorSelection::SetSelected(std::uint8_t pid, bool value)
{
    if (pid <= kLastPid)
        Selected[pid] = value ? 1 : 0;
}

void SensorSelection::SelectAll()
{
    for (int pid = 0; pid <= kLastPid; ++pid)
        Selected[pid] = 1;
}

void SensorSelection::DeselectAll()
{
    for (int pid = 0; pid <= kLastPid; ++pid)
        Selected[pid] = 0;
}

void SensorSelection::InvertSelection()
{
    for (int pid = 0; pid <= kLastPid; ++pid)
        Selected[pid] = Selected[pid] != 0 ? 0 : 1;
}

bool SensorSelection::IsSupported(std::uint8_t pid) const
{
    return pid <= kLastPid && Supported[pid] != 0;
}

void SensorSelection::SetSupported(std::uint8_t pid, bool value)
{
    if (pid <= kLastPid)
        Supported[pid] = value ? 1 : 0;
}

void SensorSelection::ClearUndisplayablePids(bool markAll)
{
    for (int pid = 0; pid <= kLastPid; ++pid) {
        if (markAll)
            Supported[pid] = 1;
        FailCount[pid] = 0;
        if (neverListed(pid))
            Supported[pid] = 0;
    }
}

void DetectSupportedPids(SensorSelection &selection, VehicleLink &link)
{
    for (const std::uint8_t base : kSupportBitmapPids) {
        const PidReply reply = link.QueryPid(base, CurrentData, 4);
        std::uint32_t word = 0;
        if (reply.ok)
            word = std::uint32_t(reply.bytes[0]) << 24 | std::uint32_t(reply.bytes[1]) << 16
                   | std::uint32_t(reply.bytes[2]) << 8 | std::uint32_t(reply.bytes[3]);
        // The top bit of A describes PID base + 1.
        for (int j = 0; j < 32 && base + j + 1 <= kLastPid; ++j)
            selection.Supported[base + j + 1] = (word >> (31 - j)) & 1u;
    }
    selection.ClearUndisplayablePids(false);
}
