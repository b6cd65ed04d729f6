#include "gui/platform/SystemTones.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>

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

void sleepFor(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

void SystemTones::beep(int frequencyHz, int durationMs)
{
    if (durationMs <= 0)
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format) || frequencyHz <= 0) {
        QApplication::beep();
        sleepFor(durationMs);
        return;
    }

    const QByteArray pcm = sineTone(frequencyHz, durationMs);
    QAudioSink sink(device, format);
    sink.setBufferSize(pcm.size() + 4096);
    QIODevice *output = sink.start();
    if (output == nullptr) {
        QApplication::beep();
        sleepFor(durationMs);
        return;
    }
    output->write(pcm);
    sleepFor(durationMs);
    sink.stop();
}
