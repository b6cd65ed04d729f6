#pragma once

#include "app/KorvathApplication.h"
#include "platform/FileSettingsStore.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/SystemLocaleFacts.h"
#include "platform/SystemTones.h"

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
