#pragma once

#include "core/platform/SystemLocaleFacts.h"
#include "gui/platform/Platform.h"
#include "support/core/FakeSettingsStore.h"
#include "support/core/FixedSerialPorts.h"
#include "support/core/QtPrinters.h"
#include "support/core/RecordingTones.h"
#include "support/core/ScriptedAdapters.h"
#include "support/core/ScriptedLogFiles.h"
#include "support/core/VirtualClock.h"
#include "support/gui/ScriptedGuiDialogs.h"

// Every platform service as a test double: virtual clock, recorded tones, scripted dialogs,
// a settings store in memory (missing until a test fills it), the Polish locale, no serial
// ports, log files on disk and ELM327 adapter links unless a test scripts them.
struct TestPlatform {
    VirtualClock clock;
    RecordingTones tones{clock};
    ScriptedGuiDialogs dialogs;
    FakeSettingsStore settings = [] {
        FakeSettingsStore store;
        store.present = false;
        return store;
    }();
    SystemLocaleFacts locale{QLocale(QLocale::Polish, QLocale::Poland)};
    FixedSerialPorts ports;
    ScriptedLogFiles logFiles;
    ScriptedAdapters adapters;
    Platform platform{clock, tones, dialogs, settings, locale, ports, logFiles, adapters};
};
