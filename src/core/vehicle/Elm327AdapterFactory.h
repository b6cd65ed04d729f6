#pragma once

#include "core/platform/AdapterFactory.h"

// ELM327-compatible adapters on a serial port at the settings' line speed.
class Elm327AdapterFactory final : public AdapterFactory {
public:
    std::unique_ptr<VehicleLink> makeAdapter(const AppSettings &settings) override;
};
