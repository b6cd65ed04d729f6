// Live-data benchmark: the work of the acquisition loop besides waiting for the vehicle
// (formatting, grid updates, repaints, log lines) per read, and the processor time the loop
// uses while it waits on the vehicle.
#include "BenchPlatform.h"
#include "core/platform/SystemClock.h"
#include "core/vehicle/SimulatedVehicle.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"
#include "gui/widgets/PageControl.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr double kOverheadLimitMs = 2.0;
constexpr double kWaitingCpuLimit = 0.05;

// The real clock without the vehicle's waiting: pauses return at once.
class NoPauseClock final : public Clock {
public:
    void pause(int) override {}
    std::uint32_t tickCount() override { return m_clock.tickCount(); }
    QDateTime localNow() override { return m_clock.localNow(); }
    void processEvents() override { m_clock.processEvents(); }

private:
    SystemClock m_clock;
};

// A vehicle that answers at once, counting the reads.
class InstantVehicle final : public FixedDataVehicle {
public:
    PidReply QueryPid(std::uint8_t, PidMode, int) override
    {
        ++queries;
        return {true, {0xFF, 0xA0, 0x12, 0x34}};
    }
    long queries = 0;
};

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Connects, opens "Czujniki", starts the loop and stops it when `stop` says so.
template <class StopWhen>
void runLoop(Workstation &workstation, const QString &logDirectory, bool logging, StopWhen stop)
{
    TMainForm &main = workstation.mainForm();
    main.show();
    main.TabMain->ButtonPolacz->click();
    main.Pages->setCurrentWidget(main.TabSensors);
    main.state().Settings.LogDirectory = logDirectory;
    SensorsTabPage &page = *main.TabSensors;
    auto *poll = new QTimer(&main);
    bool logStarted = false;
    QObject::connect(poll, &QTimer::timeout, &main, [&] {
        if (logging && !logStarted && main.state().SensorsRunning) {
            logStarted = true;
            page.ButtonLogToFile->click();
        }
        if (stop() && main.state().SensorsRunning)
            page.ButtonStart->click();
    });
    poll->start(10);
    page.ButtonStart->click();
    poll->stop();
}

} // namespace

int main(int argc, char **argv)
{
    KorvathApplication app(argc, argv);
    setUpBenchApplication();
    QTemporaryDir logs;

    // 1. Work per read, without the vehicle's waiting: 2000 passes over the nine default PIDs.
    double perReadMs = 0;
    {
        NoPauseClock clock;
        BenchPlatform bench(clock);
        auto vehicle = std::make_unique<InstantVehicle>();
        InstantVehicle *counter = vehicle.get();
        Workstation workstation(bench.platform, std::move(vehicle));
        QElapsedTimer timer;
        timer.start();
        runLoop(workstation, logs.path(), true, [&] { return counter->queries >= 3 + 2000 * 9; });
        perReadMs = double(timer.elapsed()) / double(counter->queries - 3);
    }

    // 2. Processor time while the loop waits on the vehicle: three seconds of real reading.
    double waitingShare = 0;
    {
        SystemClock clock;
        BenchPlatform bench(clock);
        Workstation workstation(bench.platform);
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = processorSeconds();
        runLoop(workstation, logs.path(), true, [&] { return timer.elapsed() >= 3000; });
        waitingShare = (processorSeconds() - cpuBefore) / (timer.elapsed() / 1000.0);
    }

    std::printf("loop work per read besides the vehicle's 100 ms: %.3f ms (limit %.1f ms)\n", perReadMs,
                kOverheadLimitMs);
    std::printf("processor use while waiting on the vehicle: %.1f %% of a core (limit %.0f %%)\n",
                waitingShare * 100, kWaitingCpuLimit * 100);
    return perReadMs < kOverheadLimitMs && waitingShare < kWaitingCpuLimit ? 0 : 1;
}
