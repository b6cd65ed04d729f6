#pragma once

#include "core/livedata/FormatPidValue.h"
#include "core/vehicle/VehicleLink.h"

#include <cstdint>
#include <optional>
#include <vector>

// The reads of one pass of a live loop. The pass names the PIDs it is about to read, in its
// order; each is asked of the vehicle when the pass first needs it, together with the next ones
// as far as the link can carry them in one request, and the pass then takes each value in its
// turn as if it had asked for it alone. On a link that reads one PID a request this is exactly a
// query a value. A PID the pass did not name, reads again, or reads in another mode or length is
// asked for alone, and so is one whose length is unknown (a PID past 0x4E without a rule).
class PassPidReads {
public:
    PassPidReads(VehicleLink &link, const std::vector<std::uint8_t> &plan);

    PidReply read(std::uint8_t pid, PidMode mode, int byteCount);
    // read() as FormatPidValue takes it.
    PidQuery query();

private:
    VehicleLink &m_link;
    std::vector<PidRequest> m_plan;
    std::vector<std::optional<PidReply>> m_replies;
    std::size_t m_next = 0;
};
