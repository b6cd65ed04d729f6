#pragma once

#include "FakeSettingsStore.h"
#include "QtPrinters.h"
#include "RecordingTones.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"
#include "platform/Platform.h"
#include "platform/SystemLocaleFacts.h"

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
