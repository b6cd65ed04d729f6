#include "gui/platform/SystemTones.h"

#include "modules/tones/SineTonePlayer.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

#include <chrono>
#include <thread>

namespace {

using PlayTone = bool (*)(int, int);

// The tone module beside the program, loaded on the first tone and kept until the program ends;
// null where it cannot be loaded.
PlayTone tonePlayer()
{
    static const PlayTone player = [] {
        QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kToneModuleName)));
        return reinterpret_cast<PlayTone>(module.resolve(kPlaySineToneSymbol));
    }();
    return player;
}

} // namespace

void SystemTones::beep(int frequencyHz, int durationMs)
{
    if (durationMs <= 0)
        return;
    if (frequencyHz > 0) {
        if (const PlayTone play = tonePlayer(); play != nullptr && play(frequencyHz, durationMs))
            return;
    }
    QApplication::beep();
    std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
}
