#pragma once

#include "core/vehicle/VehicleLink.h"

#include <QByteArray>

// The simulated vehicle's fixed answers to the diagnostic services that only the newer tabs ask for
// (on-board monitor tests, vehicle information, permanent codes), so that those tabs can be tried
// without a car. They come from its one engine unit, in the CAN layouts of the services. A request
// without fixed data is not answered (the unit stays silent).
namespace SimulatedServiceData {

inline constexpr std::uint32_t kEngineUnit = 0xF1; // the module address its identification names

UnitServiceAnswer Answer(const QByteArray &request);

} // namespace SimulatedServiceData
