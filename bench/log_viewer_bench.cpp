// Log viewer benchmark: a day of logging (1.5 million rows of the default selection, about
// 100 MB) written to a scratch file, then opened in the viewer three times. Prints the open time
// (reading the file, building the window and its first chart), the resident memory with the log
// open, and the repaint time of the chart at three zoom levels (the whole day, an hour, a minute),
// each the median of three.
#include "BenchPlatform.h"
#include "ProcessMeasures.h"
#include "core/livedata/SensorLog.h"
#include "core/livedata/Windows1250.h"
#include "core/platform/Clock.h"
#include "gui/logview/LogChart.h"
#include "gui/logview/LogViewerWindow.h"

#include <QElapsedTimer>
#include <QFile>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 kRows = 1'500'000;
constexpr double kOpenLimitMs = 2000;
constexpr double kResidentLimitMb = 200;
constexpr double kRepaintLimitMs = 30;

class WallClock final : public Clock {
public:
    void pause(int) override {}
    std::uint32_t tickCount() override { return 0; }
    QDateTime localNow() override { return QDateTime::currentDateTime(); }
    void processEvents() override { QCoreApplication::processEvents(); }
    void processEventsWithoutInput() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The default selection's nine PIDs, one row every 57.6 ms for a day, with values that move.
qint64 writeDayLog(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    file.write(toWindows1250(QStringLiteral("Ulmora Log,03,04,05,06,0C,0D,0E,10,11,\r\n")));
    const QByteArray closedLoop = toWindows1250(QStringLiteral("pętla zamknięta"));
    const QDateTime start(QDate(2026, 12, 7), QTime(6, 0, 0));
    QByteArray chunk;
    for (qint64 row = 0; row < kRows; ++row) {
        const QDateTime when = start.addMSecs(row * 576 / 10);
        const double phase = double(row) / 3000.0;
        const double rpm = 1800 + 1400 * std::sin(phase) + double(row % 97);
        chunk += SensorLog::timeStampField(when).toLatin1();
        chunk += closedLoop;
        chunk += QString::asprintf(",%.2f,%d,%.2f,%d,%d,%.1f,%.2f,%.2f,\r\n", 20 + 15 * std::sin(phase * 1.3),
                                   int(88 + row % 5), std::fmod(double(row) * 0.37, 20.0) - 10, int(rpm), int(rpm / 40),
                                   10 + 5 * std::cos(phase), rpm / 100, 5 + 40 * std::fabs(std::sin(phase)))
                     .toLatin1();
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    return file.size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpBenchApplication();
    WallClock clock;
    BenchPlatform bench(clock);
    const QString path = bench.dir.filePath(QStringLiteral("log20261207060000.csv"));
    const qint64 size = writeDayLog(path);
    if (size < 0) {
        std::printf("cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("log: %lld rows, %.1f MB\n", kRows, double(size) / 1e6);

    std::vector<double> openMs;
    double residentMb = 0;
    struct Level {
        const char *name;
        double seconds;
        std::vector<double> ms;
    } levels[] = {{"whole day", 0, {}}, {"one hour", 3600, {}}, {"one minute", 60, {}}};
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        LogViewerWindow *viewer = LogViewerWindow::open(bench.platform, path, nullptr);
        QCoreApplication::processEvents();
        openMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (viewer == nullptr) {
            std::printf("the log was refused\n");
            return 1;
        }
        residentMb = std::max(residentMb, residentMegabytes());
        const SensorLogData &data = viewer->data();
        const double first = data.times.front();
        const double last = data.times.back();
        for (Level &level : levels) {
            // A different range each run, so every repaint draws its envelope anew.
            const double size = level.seconds == 0 ? last - first : level.seconds;
            const double from = level.seconds == 0 ? first : first + (last - first - size) * (0.3 + 0.2 * run);
            timer.restart();
            viewer->chart().setTimeRange(from, from + size);
            level.ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        viewer->close();
        delete viewer;
        QCoreApplication::processEvents();
    }

    const double open = median(openMs);
    std::printf("open (read, window, first chart): %.0f ms, median of 3 (limit %.0f ms)\n", open, kOpenLimitMs);
    std::printf("resident memory with the log open: %.0f MB (limit %.0f MB)\n", residentMb, kResidentLimitMb);
    bool within = open < kOpenLimitMs && residentMb < kResidentLimitMb;
    for (const Level &level : levels) {
        const double ms = median(level.ms);
        std::printf("chart repaint, %s: %.1f ms, median of 3 (limit %.0f ms)\n", level.name, ms, kRepaintLimitMs);
        within = within && ms < kRepaintLimitMs;
    }
    return within ? 0 : 1;
}
