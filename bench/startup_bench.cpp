// Start-up benchmark: the time from starting the program to the first painted main window,
// and the resident memory of the idle, connected main window.
//
// Run without arguments it starts itself as a child five times and prints the median figures;
// the child builds the workstation as the program does, reports when the main window has been
// painted, connects, and reports its resident memory.
#include "BenchPlatform.h"
#include "ProcessMeasures.h"
#include "core/platform/SystemClock.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr double kStartLimitSeconds = 0.3;
constexpr double kMemoryLimitMb = 80.0;

// Prints "painted" once the main window has been painted for the first time.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : m_then(std::move(then)) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(0, m_then);
        }
        return false;
    }

private:
    std::function<void()> m_then;
    bool m_seen = false;
};

int child(int argc, char **argv)
{
    KorvathApplication app(argc, argv);
    setUpBenchApplication();
    SystemClock clock;
    BenchPlatform bench(clock);

    Workstation workstation(bench.platform);
    FirstPaint paint([&] {
        workstation.mainForm().TabMain->ButtonPolacz->click();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        std::printf("rss %.1f\n", residentMegabytes());
        std::fflush(stdout);
        std::exit(0);
    });
    workstation.mainForm().installEventFilter(&paint);
    workstation.mainForm().show();
    return QApplication::exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    std::vector<double> starts;
    std::vector<double> memories;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setProgram(QCoreApplication::applicationFilePath());
        process.setArguments({QStringLiteral("--child")});
        QElapsedTimer timer;
        timer.start();
        process.start();
        double startSeconds = -1;
        QByteArray output;
        while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
            process.waitForReadyRead(100);
            output += process.readAllStandardOutput();
            if (startSeconds < 0 && output.contains("painted"))
                startSeconds = timer.nsecsElapsed() / 1e9;
            if (process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
                break;
        }
        const qsizetype at = output.indexOf("rss ");
        if (startSeconds < 0 || at < 0) {
            std::fprintf(stderr, "run %d failed: %s\n", run, output.constData());
            return 1;
        }
        starts.push_back(startSeconds);
        memories.push_back(output.mid(at + 4).trimmed().toDouble());
    }
    const double start = median(starts);
    const double memory = median(memories);
    std::printf("start-up to first painted main window: %.3f s (limit %.1f s)\n", start, kStartLimitSeconds);
    std::printf("resident memory, idle connected window: %.1f MB (limit %.0f MB)\n", memory, kMemoryLimitMb);
    return start < kStartLimitSeconds && memory < kMemoryLimitMb ? 0 : 1;
}
