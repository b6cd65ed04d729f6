#pragma once

#include "core/platform/FileSettingsStore.h"
#include "core/platform/Platform.h"
#include "core/platform/SystemLocaleFacts.h"
#include "gui/mainwindow/KorvathApplication.h"
#include "gui/platform/QtDialogs.h"
#include "gui/platform/SystemTones.h"

#include <QTemporaryDir>

// The real platform services for a benchmark, with the settings kept in a scratch folder and
// the given clock.
struct BenchPlatform {
    explicit BenchPlatform(Clock &clock) : platform{clock, tones, dialogs, settings, locale} {}

    SystemLocaleFacts locale;
    SystemTones tones;
    QtDialogs dialogs;
    QTemporaryDir dir;
    FileSettingsStore settings{dir.filePath(QStringLiteral("Ulmora.conf"))};
    Platform platform;
};

// The application object as the program sets it up.
inline void setUpBenchApplication()
{
    QApplication::setApplicationName(QStringLiteral("Korvath Diag"));
    KorvathApplication::useLayoutFonts();
}
