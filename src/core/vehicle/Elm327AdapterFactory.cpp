#include "core/vehicle/Elm327AdapterFactory.h"

#include "core/settings/AppSettings.h"
#include "core/vehicle/Elm327Vehicle.h"

std::unique_ptr<VehicleLink> Elm327AdapterFactory::makeAdapter(const AppSettings &settings)
{
    if (settings.Interface == VehicleInterface::Elm327Wifi)
        return std::make_unique<Elm327Vehicle>(ElmTcpTarget{settings.WifiHost, quint16(settings.WifiPort)});
    return std::make_unique<Elm327Vehicle>(settings.BaudRate);
}
