// The sound output of the workstation's tones, a module of its own: Qt Multimedia and the sound
// server's libraries are loaded with it when the first tone sounds, not when the program starts.
#include "modules/tones/SineTonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kAmplitude = 0.3 * 32767.0;
constexpr int kFadeSamples = kSampleRate / 200; // 5 ms ramps keep the tone free of clicks

QByteArray sineTone(int frequencyHz, int durationMs)
{
    const int count = kSampleRate * durationMs / 1000;
    QByteArray pcm(count * static_cast<int>(sizeof(qint16)), Qt::Uninitialized);
    auto *samples = reinterpret_cast<qint16 *>(pcm.data());
    for (int i = 0; i < count; ++i) {
        const double ramp = std::min({1.0, double(i) / kFadeSamples, double(count - 1 - i) / kFadeSamples});
        const double phase = 2.0 * std::numbers::pi * frequencyHz * i / kSampleRate;
        samples[i] = static_cast<qint16>(kAmplitude * ramp * std::sin(phase));
    }
    return pcm;
}

} // namespace

extern "C" Q_DECL_EXPORT bool korvathPlaySineTone(int frequencyHz, int durationMs)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format) || frequencyHz <= 0 || durationMs <= 0)
        return false;

    const QByteArray pcm = sineTone(frequencyHz, durationMs);
    QAudioSink sink(device, format);
    sink.setBufferSize(pcm.size() + 4096);
    QIODevice *output = sink.start();
    if (output == nullptr)
        return false;
    output->write(pcm);
    std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
    sink.stop();
    return true;
}
