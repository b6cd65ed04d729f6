// Value texts from raw PID bytes: each 7-byte record of the input is one read (PID, mode, success
// flag and answer length, A, B, C, D) on one selection record of a car that announced every PID
// past 0x4E, so failure counts and support flags carry over from read to read; an answer longer
// than four bytes repeats A-D. Every 10 bytes that follow are also formatted directly as a number.
#include "core/livedata/FormatFixed.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/SensorSelection.h"
#include "core/vehicle/FixedDataVehicle.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class FuzzedVehicle final : public FixedDataVehicle {
public:
    PidReply reply;
    PidReply QueryPid(std::uint8_t, PidMode, int byteCount) override
    {
        if (byteCount < 0 || byteCount > kMaxPidBytes)
            std::abort(); // a rule asked for bytes a reply does not have
        return reply;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedVehicle vehicle;
    PidReader reader{vehicle, u',', {}};
    SensorSelection selection;
    for (int pid = 0x4F; pid < SensorSelection::kSize; ++pid)
        selection.announced[std::size_t(pid)] = 1;
    std::size_t at = 0;
    for (; at + 7 <= size && at < 7 * 64; at += 7) {
        const std::uint8_t pid = data[at];
        const PidMode mode = PidMode(data[at + 1] & 1);
        vehicle.reply = {(data[at + 2] & 1) != 0, {}, (data[at + 2] >> 1) % (kMaxPidBytes + 1)};
        for (std::size_t i = 0; i < vehicle.reply.bytes.size(); ++i)
            vehicle.reply.bytes[i] = data[at + 3 + i % 4];
        const QString text = FormatPidValue(reader, selection, pid, mode);
        if (!vehicle.reply.ok && pid > 0x02 && !text.isEmpty())
            std::abort(); // a failed read shows an empty cell
    }
    for (; at + 10 <= size; at += 10) {
        long double x = 0;
        double plain = 0;
        std::memcpy(&plain, data + at, sizeof plain);
        x = plain;
        const QString text = FormatFixed(x, data[at + 8] % 24 - 2, data[at + 9] % 8, u',');
        if (text.size() > 64)
            std::abort(); // a number is never that long on screen
    }
    return 0;
}
