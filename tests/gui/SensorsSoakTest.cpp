#include "support/gui/SensorsFixture.h"

#include "gui/mainwindow/DebugLogMemo.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

// A day of live reading must not grow the program: grid cells are reused, the debug log keeps
// its last lines only and log lines go straight to the file.
class SensorsSoakTest : public SensorsTabTest {};

TEST_F(SensorsSoakTest, MemoryStaysFlatOverTenThousandPasses)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own bookkeeping grows with every allocation";
#endif
    QTemporaryDir logDir;
    state().Settings.LogDirectory = logDir.path();
    constexpr int kReadsPerPass = 9;
    constexpr int kWarmUpPasses = 1000;
    constexpr int kPasses = 10000;
    long afterWarmUp = 0;
    vehicle->onQuery = [&](int query) {
        if (query == 4)
            click(page().ButtonLogToFile);
        if (query == 3 + kWarmUpPasses * kReadsPerPass)
            afterWarmUp = residentKilobytes();
        if (query == 3 + kPasses * kReadsPerPass)
            click(page().ButtonStart);
    };
    click(page().ButtonStart);
    const long atEnd = residentKilobytes();
    ASSERT_GT(afterWarmUp, 0);
    EXPECT_LT(atEnd - afterWarmUp, 4 * 1024) << "grew from " << afterWarmUp << " kB to " << atEnd << " kB";
    EXPECT_LE(main().MemoDebugLog->lineCount(), 5000);
}
