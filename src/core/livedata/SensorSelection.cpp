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

bool SensorSelection::isUsed(std::uint8_t pid) const
{
    return pid <= kLastPid || isAnnounced(pid);
}

bool SensorSelection::IsSelected(std::uint8_t pid) const
{
    return isUsed(pid) && Selected[pid] != 0;
}

void SensorSelection::SetSelected(std::uint8_t pid, bool value)
{
    if (isUsed(pid))
        Selected[pid] = value ? 1 : 0;
}

void SensorSelection::SelectAll()
{
    for (int pid = 0; pid < kSize; ++pid)
        SetSelected(std::uint8_t(pid), true);
}

void SensorSelection::DeselectAll()
{
    for (int pid = 0; pid < kSize; ++pid)
        SetSelected(std::uint8_t(pid), false);
}

void SensorSelection::InvertSelection()
{
    for (int pid = 0; pid < kSize; ++pid)
        SetSelected(std::uint8_t(pid), !IsSelected(std::uint8_t(pid)));
}

bool SensorSelection::IsSupported(std::uint8_t pid) const
{
    return isUsed(pid) && Supported[pid] != 0;
}

void SensorSelection::SetSupported(std::uint8_t pid, bool value)
{
    if (isUsed(pid))
        Supported[pid] = value ? 1 : 0;
}

void SensorSelection::ClearUndisplayablePids(bool markAll)
{
    for (int pid = 0; pid < kSize; ++pid) {
        if (!isUsed(std::uint8_t(pid)))
            continue;
        if (markAll)
            Supported[pid] = 1;
        FailCount[pid] = 0;
        if (neverListed(pid))
            Supported[pid] = 0;
    }
}

namespace {

std::uint32_t bitmapWord(const PidReply &reply)
{
    if (!reply.ok)
        return 0;
    return std::uint32_t(reply.bytes[0]) << 24 | std::uint32_t(reply.bytes[1]) << 16
           | std::uint32_t(reply.bytes[2]) << 8 | std::uint32_t(reply.bytes[3]);
}

// The bitmap of base says whether PID base + j + 1 is supported in bit 31 - j.
bool bitmapBit(std::uint32_t word, int j)
{
    return (word >> (31 - j)) & 1u;
}

constexpr std::uint8_t kLastSupportBitmap = 0xE0;
constexpr std::uint8_t kScalingPid = 0x4F;

// The bitmaps after 0x40 as far as the car announces them, from the word it gave at 0x40.
void readAnnouncedPids(SensorSelection &selection, VehicleLink &link, std::uint32_t word)
{
    for (int base = 0x40;; base += 0x20) {
        for (int j = 0; j < 32 && base + j + 1 < SensorSelection::kSize; ++j) {
            const int pid = base + j + 1;
            if (pid > kLastPid && IsLivePid(pid) && bitmapBit(word, j)) {
                selection.announced[std::size_t(pid)] = 1;
                selection.Supported[std::size_t(pid)] = 1;
            }
        }
        // The last bit names the next bitmap.
        if (base == kLastSupportBitmap || !bitmapBit(word, 31))
            break;
        word = bitmapWord(link.QueryPid(std::uint8_t(base + 0x20), CurrentData, 4));
    }
    if (!selection.isAnnounced(kScalingPid))
        return;
    const PidReply scaling = link.QueryPid(kScalingPid, CurrentData, 4);
    if (scaling.ok)
        selection.scaling = {scaling.bytes[0], scaling.bytes[1], scaling.bytes[2]};
}

} // namespace

void DetectSupportedPids(SensorSelection &selection, VehicleLink &link)
{
    std::uint32_t word = 0;
    for (const std::uint8_t base : kSupportBitmapPids) {
        word = bitmapWord(link.QueryPid(base, CurrentData, 4));
        // The top bit of A describes PID base + 1.
        for (int j = 0; j < 32 && base + j + 1 <= kLastPid; ++j)
            selection.Supported[base + j + 1] = bitmapBit(word, j);
    }
    selection.announced.fill(0);
    selection.scaling = {};
    for (int pid = kLastPid + 1; pid < SensorSelection::kSize; ++pid)
        selection.Supported[std::size_t(pid)] = 0;
    if (link.CarAnnouncesSupport())
        readAnnouncedPids(selection, link, word);
    selection.ClearUndisplayablePids(false);
}
