#pragma once

#include "core/platform/AdapterFactory.h"

// ELM327-compatible adapters on a serial port at the settings' line speed, or on Wi-Fi at the
// settings' address and TCP port.
class Elm327AdapterFactory final : public AdapterFactory {
public:
    std::unique_ptr<VehicleLink> makeAdapter(const AppSettings &settings) override;
};
