// Measurement benchmark: the cost of one live-plot timer tick with five 151-point traces (shift
// and repaint), the memory of a 10,000-tick plot run, and the computation and display work of a
// dyno sample apart from its 200 ms pause. Everything runs on a virtual clock: pauses and the
// vehicle's answers take no real time, so only the program's own work is measured.
#include "BenchPlatform.h"
#include "ProcessMeasures.h"
#include "core/platform/Clock.h"
#include "core/platform/Tones.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"
#include "gui/measure/DynoTabPage.h"
#include "gui/measure/PlotTab.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/widgets/PageControl.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr double kTickLimitMs = 1.0;
constexpr double kMemoryGrowthLimitMb = 4.0;
constexpr double kDynoSampleLimitMs = 2.0;
constexpr int kTimedTicks = 2000;
constexpr int kMemoryTicks = 10000;

// Virtual time: a pause moves it on at once; pumping messages processes the real window
// messages and then runs the benchmark's hook.
class BenchClock final : public Clock {
public:
    void pause(int ms) override { m_now += ms; }
    std::uint32_t tickCount() override { return static_cast<std::uint32_t>(m_now); }
    QDateTime localNow() override { return QDateTime::currentDateTime(); }
    void processEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (hook)
            hook();
    }
    void processEventsWithoutInput() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    qint64 now() const { return m_now; }
    std::function<void()> hook;

private:
    qint64 m_now = 0;
};

class SilentTones final : public Tones {
public:
    void beep(int, int) override {}
};

// Processor time of this thread in ms: on a shared machine the wall clock would count the time
// other programs run.
struct Bench {
    BenchClock clock;
    SilentTones tones;
    BenchPlatform real{clock};
    Platform platform{clock, tones, real.dialogs, real.settings, real.locale, real.ports, real.logFiles, real.adapters};
    Workstation workstation{platform};
    TMainForm &main = workstation.mainForm();

    // Connects and opens the tab that `page` picks.
    explicit Bench(QWidget *(*page)(TMainForm &))
    {
        main.resize(1024, 768);
        main.show();
        main.TabMain->ButtonPolacz->click();
        main.Pages->setCurrentWidget(page(main));
    }
};

// Five traces of 151 points, each showing a different PID, the newest values read in.
void chooseFiveParameters(PlotTabPage &page)
{
    for (int k = 0; k < PlotTab::kTraces; ++k)
        page.ComboBoxPlot[k]->setCurrentIndex(k * 3);
}

double plotTickMs()
{
    Bench bench([](TMainForm &main) -> QWidget * { return main.TabPlot; });
    PlotTabPage &page = *bench.main.TabPlot;
    page.ComboBoxSerSize->setCurrentIndex(4);
    double perTick = 0;
    int pumps = 0;
    bench.clock.hook = [&] {
        if (++pumps == 1) {
            chooseFiveParameters(page);
            return;
        }
        if (pumps != 3)
            return;
        const double before = threadCpuMs();
        for (int tick = 0; tick < kTimedTicks; ++tick)
            bench.main.plotTab().TimerTimer();
        perTick = (threadCpuMs() - before) / kTimedTicks;
        page.ButtonPlotStart->click();
    };
    page.ButtonPlotStart->click();
    return perTick;
}

double plotMemoryGrowthMb()
{
    Bench bench([](TMainForm &main) -> QWidget * { return main.TabPlot; });
    PlotTabPage &page = *bench.main.TabPlot;
    page.ComboBoxSerSize->setCurrentIndex(4);
    int ticks = 0;
    qint64 nextTick = -1;
    double startMb = 0;
    double halfMb = 0;
    double growth = 0;
    bench.clock.hook = [&] {
        if (nextTick < 0) {
            chooseFiveParameters(page);
            nextTick = bench.clock.now() + bench.main.plotTab().Timer->interval();
        }
        // The timer's ticks that fell due while the loop waited on the vehicle.
        while (bench.clock.now() >= nextTick && ticks < kMemoryTicks) {
            bench.main.plotTab().TimerTimer();
            nextTick += bench.main.plotTab().Timer->interval();
            if (++ticks == 100)
                startMb = residentMegabytes();
            if (ticks == kMemoryTicks / 2)
                halfMb = residentMegabytes();
        }
        if (ticks >= kMemoryTicks && bench.main.state().PlotRunning) {
            const double endMb = residentMegabytes();
            growth = endMb - startMb;
            // The debug log fills up to its line limit in the first half; then only the plot runs on.
            std::printf("memory growth over the second half of the run: %.2f MB\n", endMb - halfMb);
            page.ButtonPlotStart->click();
        }
    };
    page.ButtonPlotStart->click();
    return growth;
}

double dynoSampleMs()
{
    Bench bench([](TMainForm &main) -> QWidget * { return main.TabDyno; });
    int samples = 0;
    bench.clock.hook = [&] { ++samples; };
    const double before = threadCpuMs();
    bench.main.TabDyno->ButtonStartDyno->click();
    return (threadCpuMs() - before) / (samples - 1); // the last pump follows the end beep
}

} // namespace

int main(int argc, char **argv)
{
    KorvathApplication app(argc, argv);
    setUpBenchApplication();

    const double tick = plotTickMs();
    const double growth = plotMemoryGrowthMb();
    const double sample = dynoSampleMs();

    std::printf(
        "plot timer tick, five 151-point traces (shift and repaint): %.3f ms of processor time (limit %.1f ms)\n", tick,
        kTickLimitMs);
    std::printf("memory growth over a %d-tick plot run: %.2f MB (limit %.1f MB)\n", kMemoryTicks, growth,
                kMemoryGrowthLimitMb);
    std::printf("dyno sample work besides its 200 ms pause: %.3f ms of processor time (limit %.1f ms)\n", sample,
                kDynoSampleLimitMs);
    return tick < kTickLimitMs && growth < kMemoryGrowthLimitMb && sample < kDynoSampleLimitMs ? 0 : 1;
}
