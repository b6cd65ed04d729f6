#pragma once

#include "core/platform/Platform.h"
#include "core/platform/SystemLocaleFacts.h"
#include "support/FakeSettingsStore.h"
#include "support/QtPrinters.h"
#include "support/RecordingTones.h"
#include "support/ScriptedDialogs.h"
#include "support/VirtualClock.h"

// Every platform service as a test double: virtual clock, recorded tones, scripted dialogs,
// a settings store in memory (missing until a test fills it) and the Polish locale.
struct TestPlatform {
    VirtualClock clock;
    RecordingTones tones{clock};
    ScriptedDialogs dialogs;
    FakeSettingsStore settings = [] {
        FakeSettingsStore store;
        store.present = false;
        return store;
    }();
    SystemLocaleFacts locale{QLocale(QLocale::Polish, QLocale::Poland)};
    Platform platform{clock, tones, dialogs, settings, locale};
};
