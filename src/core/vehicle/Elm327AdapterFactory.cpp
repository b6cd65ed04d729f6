#include "core/vehicle/Elm327AdapterFactory.h"

#include "core/settings/AppSettings.h"
#include "core/vehicle/Elm327Vehicle.h"

std::unique_ptr<VehicleLink> Elm327AdapterFactory::makeAdapter(const AppSettings &settings)
{
    return std::make_unique<Elm327Vehicle>(settings.BaudRate);
}
