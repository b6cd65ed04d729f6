// Program work per query over an ELM327 adapter link, apart from the adapter's own latency:
// the workstation's side of a query (writing the request, waiting for and reading the answer,
// parsing it and formatting the value) against the stand-in on a pseudo-terminal, which answers
// at once. The processor time of the calling thread is the program's work; the round trip in
// real time also holds the stand-in's thread and the terminal.
#include "ProcessMeasures.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/SensorSelection.h"
#include "core/vehicle/Elm327Vehicle.h"
#include "support/core/Elm327StandIn.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kQueries = 5000;
constexpr double kLimitMs = 1.0;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Elm327StandIn standIn;
    Elm327Vehicle link;
    if (!link.OpenPort(standIn.portName()).ok || !link.DetectInterface().ok || !link.ConfigureInterface().ok
        || !link.ContactVehicle().ok) {
        std::fprintf(stderr, "the stand-in did not connect\n");
        return 2;
    }
    SensorSelection selection;
    PidReader reader{link, u',', {}};
    const std::uint8_t pids[] = {0x0C, 0x0D, 0x05, 0x04, 0x10};

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = threadCpuMs();
    int failed = 0;
    for (int i = 0; i < kQueries; ++i)
        if (FormatPidValue(reader, selection, pids[i % 5], CurrentData).isEmpty())
            ++failed;
    const double cpuPerQuery = (threadCpuMs() - cpuBefore) / kQueries;
    const double wallPerQuery = double(wall.nsecsElapsed()) / 1e6 / kQueries;

    std::printf("program work per adapter query: %.3f ms (limit %.1f ms)\n", cpuPerQuery, kLimitMs);
    std::printf("round trip per query through the pseudo-terminal: %.3f ms; failed reads: %d of %d\n", wallPerQuery,
                failed, kQueries);
    return cpuPerQuery < kLimitMs && failed == 0 ? 0 : 1;
}
