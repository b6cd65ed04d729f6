#include "core/vehicle/SimulatedVehicle.h"

#include "core/platform/Clock.h"
#include "core/vehicle/SimulatedServiceData.h"
#include "core/vehicle/SimulatedVehicleData.h"

SimulatedVehicle::SimulatedVehicle(Clock &clock, SimRandom &random) : m_clock(clock), m_random(random)
{
}

PidReply SimulatedVehicle::QueryPid(std::uint8_t /*pid*/, PidMode /*mode*/, int /*byteCount*/)
{
    PidReply reply;
    reply.count = 4; // A, B, C and D, whatever was asked
    for (int i = 0; i < reply.count; ++i)
        reply.bytes[std::size_t(i)] = static_cast<std::uint8_t>(m_random() % 255); // 255 never occurs
    m_clock.pause(kQueryPauseMs);
    reply.ok = true;
    return reply;
}

ServiceAnswers SimulatedVehicle::QueryService(const QByteArray &request)
{
    m_clock.pause(kQueryPauseMs);
    ServiceAnswers answers;
    answers.ok = true;
    answers.units.push_back(SimulatedServiceData::Answer(request));
    return answers;
}

std::optional<double> SimulatedVehicle::ReadBatteryVoltage()
{
    return SimulatedVehicleData::kBatteryVolts;
}
