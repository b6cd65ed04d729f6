#pragma once

#include <memory>

struct AppSettings;
class VehicleLink;

// Makes the link to a diagnostic adapter for one connection, set up as the settings say.
class AdapterFactory {
public:
    virtual ~AdapterFactory() = default;
    virtual std::unique_ptr<VehicleLink> makeAdapter(const AppSettings &settings) = 0;
};
