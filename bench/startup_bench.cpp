// Start-up benchmark: the time from starting the program to the first painted main window,
// compared with the time a bare Qt window takes on the same machine in the same run, and the
// resident memory of the idle, connected main window.
//
// Run without arguments it starts itself as a child three times, each time after the bare window
// (startup_bare_window beside it) and each start on a settled display, and prints the median
// figures and the ratio of the medians. The child starts as the program does (background warm-up,
// language tables, workstation built paint first), reports when the main window has been painted,
// connects, and reports its resident memory.
#include "BenchPlatform.h"
#include "ProcessMeasures.h"
#include "core/catalogue/LanguageModule.h"
#include "core/catalogue/ToolkitTranslation.h"
#include "core/platform/SystemClock.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/StartWarmUp.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr int kRuns = 3;
// After a program ends, the X server goes on tearing down its windows for some tens of
// milliseconds; a start in that time pays for it, and the bare window after the workstation would
// pay more than the workstation after the bare window. Each start waits until that is done.
constexpr std::chrono::milliseconds kSettle{300};
constexpr double kStartLimitSeconds = 0.1;
// The bare window is a yardstick, not the same work: every window with a menu bar, its first fonts
// and a full first tab pays what is left. The limit guards against the start growing again.
constexpr double kRatioLimit = 1.8;
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
    StartWarmUp warmUp;
    KorvathApplication app(argc, argv);
    setUpBenchApplication();
    warmUp.applicationReady();
    SystemLocaleFacts locale;
    const std::unique_ptr<LanguageModule> module =
        LanguageModule::choose(QCoreApplication::applicationFilePath(), locale.languageAbbreviation());
    LanguageModule::activate(module.get());
    installToolkitTranslation(module.get());
    SystemClock clock;
    BenchPlatform bench(clock);

    Workstation workstation(bench.platform, nullptr, Workstation::Start::PaintFirst);
    FirstPaint paint([&] {
        // What the program builds right after its first paint, before anyone can click.
        workstation.mainForm().buildAllParts();
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

struct Run {
    double paintedSeconds = -1;
    QByteArray output;
};

// Starts program with arguments and waits for it to end, noting when it printed "painted".
Run runChild(const QString &program, const QStringList &arguments)
{
    Run run;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QElapsedTimer timer;
    timer.start();
    process.start();
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        process.waitForReadyRead(100);
        run.output += process.readAllStandardOutput();
        if (run.paintedSeconds < 0 && run.output.contains("painted"))
            run.paintedSeconds = timer.nsecsElapsed() / 1e9;
        if (process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
            break;
    }
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("startup_bare_window"));
    std::vector<double> starts;
    std::vector<double> bareStarts;
    std::vector<double> memories;
    for (int run = 0; run < kRuns; ++run) {
        std::this_thread::sleep_for(kSettle);
        const Run yardstick = runChild(bare, {});
        std::this_thread::sleep_for(kSettle);
        const Run workstation = runChild(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        const qsizetype at = workstation.output.indexOf("rss ");
        if (yardstick.paintedSeconds < 0 || workstation.paintedSeconds < 0 || at < 0) {
            std::fprintf(stderr, "run %d failed: %s%s\n", run, yardstick.output.constData(),
                         workstation.output.constData());
            return 1;
        }
        bareStarts.push_back(yardstick.paintedSeconds);
        starts.push_back(workstation.paintedSeconds);
        memories.push_back(workstation.output.mid(at + 4).trimmed().toDouble());
    }
    const double start = median(starts);
    const double bareStart = median(bareStarts);
    const double ratio = start / bareStart;
    const double memory = median(memories);
    std::printf("starts, bare window / workstation:");
    for (int run = 0; run < kRuns; ++run)
        std::printf("%s %.0f / %.0f ms", run == 0 ? "" : ",", bareStarts[run] * 1e3, starts[run] * 1e3);
    std::printf("\n");
    std::printf("start-up to first painted main window: %.3f s (limit %.1f s)\n", start, kStartLimitSeconds);
    std::printf("bare Qt window: %.3f s; ratio %.2f (limit %.1f)\n", bareStart, ratio, kRatioLimit);
    std::printf("resident memory, idle connected window: %.1f MB (limit %.0f MB)\n", memory, kMemoryLimitMb);
    return start <= kStartLimitSeconds && ratio <= kRatioLimit && memory < kMemoryLimitMb ? 0 : 1;
}
