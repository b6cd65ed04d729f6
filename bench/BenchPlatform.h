#pragma once

#include "core/platform/DiskLogFiles.h"
#include "core/platform/FileSettingsStore.h"
#include "core/platform/SystemLocaleFacts.h"
#include "core/platform/SystemSerialPorts.h"
#include "core/vehicle/Elm327AdapterFactory.h"
#include "gui/mainwindow/KorvathApplication.h"
#include "gui/platform/Platform.h"
#include "gui/platform/QtDialogs.h"
#include "gui/platform/SystemTones.h"

#include <QTemporaryDir>

// The real platform services for a benchmark, with the settings kept in a scratch folder and
// the given clock.
struct BenchPlatform {
    explicit BenchPlatform(Clock &clock) : platform{clock, tones, dialogs, settings, locale, ports, logFiles, adapters}
    {
    }

    SystemLocaleFacts locale;
    SystemTones tones;
    QtDialogs dialogs;
    QTemporaryDir dir;
    FileSettingsStore settings{dir.filePath(QStringLiteral("Ulmora.conf"))};
    SystemSerialPorts ports;
    DiskLogFiles logFiles;
    Elm327AdapterFactory adapters;
    Platform platform;
};

// The application object as the program sets it up.
inline void setUpBenchApplication()
{
    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    KorvathApplication::useLayoutFonts();
}
