#include "core/vehicle/SimulatedServiceData.h"

namespace SimulatedServiceData {

UnitServiceAnswer Answer(const QByteArray & /*request*/)
{
    UnitServiceAnswer unit;
    unit.unit = kEngineUnit;
    unit.name = QStringLiteral("$F1h");
    return unit;
}

} // namespace SimulatedServiceData
