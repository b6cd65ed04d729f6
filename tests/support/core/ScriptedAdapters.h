#pragma once

#include "core/platform/AdapterFactory.h"
#include "core/settings/AppSettings.h"
#include "core/vehicle/Elm327AdapterFactory.h"
#include "core/vehicle/VehicleLink.h"

#include <deque>
#include <vector>

// Adapter links for tests: the links queued in `links`, one per connection, and then real
// ELM327 links (which tests point at the adapter stand-in); the settings of each request are
// recorded.
class ScriptedAdapters final : public AdapterFactory {
public:
    std::unique_ptr<VehicleLink> makeAdapter(const AppSettings &settings) override
    {
        requests.push_back(settings);
        if (links.empty())
            return m_elm327.makeAdapter(settings);
        std::unique_ptr<VehicleLink> link = std::move(links.front());
        links.pop_front();
        return link;
    }

    std::deque<std::unique_ptr<VehicleLink>> links;
    std::vector<AppSettings> requests;

private:
    Elm327AdapterFactory m_elm327;
};
