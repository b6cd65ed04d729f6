#pragma once

#include "core/livedata/SensorSelection.h"
#include "core/settings/AppSettings.h"
#include "core/vehicle/VehicleLink.h"

#include <memory>
#include <optional>

// The state of the main window that its tabs share: the connection, the run flags of the long
// operations, the settings and the vehicle. The main window owns it; tabs talk to each other
// only through it.
struct MainState {
    bool Connected = false;
    bool SensorsRunning = false;
    bool SensorLogActive = false;
    bool PlotRunning = false;
    bool AccelRunning = false;
    bool DynoRunning = false;
    int BusyCount = 0;
    int PlotSampleCount = 0;

    AppSettings Settings;
    SensorSelection Selection;
    std::unique_ptr<VehicleLink> Vehicle;
    // What the adapter measured on the diagnostic socket when the connection was made; nothing
    // for the simulated vehicle, an unread measure, or no connection.
    std::optional<double> BatteryVolts;

    // While one of these runs, the operator stays on its tab.
    bool holdsTab() const { return SensorLogActive || PlotRunning || AccelRunning || DynoRunning; }

    // Asks every loop running inside a handler to end at its next check.
    void stopAllLoops()
    {
        SensorsRunning = false;
        PlotRunning = false;
        AccelRunning = false;
        DynoRunning = false;
    }
};
