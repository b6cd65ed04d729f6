#pragma once

#include "core/livedata/FormatPidValue.h"
#include "core/state/MainState.h"
#include "gui/platform/Platform.h"

// What a tab of the main window may reach: the platform services, the state the tabs share
// (connection, run flags, settings, selection, vehicle) and the PID reader, whose every read
// goes to the debug log. The main window creates it and outlives every tab built on it.
struct TabContext {
    Platform &platform;
    MainState &state;
    PidReader &pidReader;
};
