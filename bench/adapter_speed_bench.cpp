// Live values over an ELM327 adapter on a CAN car, in the stand-in's model of their timing (the
// serial line at 38400 baud, the car's answer after 20 ms, the adapter's wait of 100 ms for
// further units unless the count digit is met): reads a second of the sensor loop's nine default
// PIDs, one plain request a PID, with the response count, and with several PIDs a request, each
// beside the limit the modelled link allows for the requests it sent. The fast ways must reach
// 85 % of their limit and three times the plain rate; the program's work per read (processor time
// of the reading thread) must stay under 0.05 ms. Each run counts its median pass; the figures
// are the median of three runs.
//
// Then an adapter on a pseudo-terminal that answers each request 0.8 ms after it came, one PID a
// request (several PIDs it does not understand): the sensor loop must reach 95 % of a tight read
// loop's rate on the same stand-in, which is that link's limit.
#include "ProcessMeasures.h"
#include "TightReadLoop.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/PassPidReads.h"
#include "core/livedata/SensorSelection.h"
#include "core/vehicle/Elm327Vehicle.h"
#include "support/core/Elm327StandIn.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kBaud = 38400;
constexpr double kShareOfLimit = 0.85;
constexpr double kTimesPlain = 3.0;
constexpr double kWorkPerReadMs = 0.05;
constexpr int kRuns = 3;
constexpr int kUntimedPasses = 300;

const std::vector<std::uint8_t> kNinePids{0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11};

struct Way {
    const char *name;
    Elm327StandIn::CountDigit digit;
    Elm327StandIn::SeveralPids several;
    int passes; // measured, after two passes that find out what the adapter and car take
};

struct Figures {
    double rate = 0; // reads a second
    double limit = 0; // reads a second the modelled link allows for the same requests
    double workMs = 0; // processor time of the reading thread per read
    int failed = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The link set up as the workstation sets it up on connecting; false when a step failed.
bool connect(Elm327Vehicle &link, const Elm327StandIn &standIn)
{
    return link.OpenPort(standIn.portName()).ok && link.DetectInterface().ok && link.ConfigureInterface().ok
           && link.ContactVehicle().ok;
}

// One pass of the sensor loop over the nine PIDs, as the sensors tab reads them; returns the reads
// that failed. The selection's failure counts carry over from pass to pass, as on the tab.
class SensorLoopPass {
public:
    explicit SensorLoopPass(Elm327Vehicle &link) : m_link(link), m_reader{link, u',', {}} {}

    int operator()()
    {
        PassPidReads reads(m_link, kNinePids);
        int failed = 0;
        for (const std::uint8_t pid : kNinePids)
            if (FormatPidValue(m_reader, m_selection, pid, CurrentData, reads.query()).isEmpty())
                ++failed;
        return failed;
    }

private:
    Elm327Vehicle &m_link;
    SensorSelection m_selection;
    PidReader m_reader;
};

// With timed: in the timing model; without: the stand-in answers at once, and only the program's
// work per read counts (as adapter_query_bench measures it).
Figures measure(const Way &way, bool timed)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.countDigit = way.digit;
    script.severalPids = way.several;
    script.timing.baud = timed ? kBaud : 0;
    Elm327StandIn standIn(script);
    Elm327Vehicle link(kBaud);
    Figures figures;
    if (!connect(link, standIn)) {
        figures.failed = -1;
        return figures;
    }
    SensorLoopPass sensorPass(link);
    auto pass = [&] { figures.failed += sensorPass(); };
    for (int warmUp = 0; warmUp < 2; ++warmUp)
        pass();
    figures.failed = 0;

    // Each pass on its own: a busy machine takes the processor away now and then, and a pass
    // it stalled says nothing of the link.
    std::vector<double> wallMs, modelledMs, cpuMs;
    const int passes = timed ? way.passes : kUntimedPasses;
    for (int i = 0; i < passes; ++i) {
        const Elm327StandIn::Traffic before = standIn.traffic();
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = threadCpuMs();
        pass();
        cpuMs.push_back(threadCpuMs() - cpuBefore);
        wallMs.push_back(double(wall.nsecsElapsed()) / 1e6);
        modelledMs.push_back(double(standIn.traffic().modelledUs - before.modelledUs) / 1e3);
    }
    const auto reads = double(kNinePids.size());
    figures.rate = reads / (median(wallMs) / 1e3);
    figures.limit = reads / (median(modelledMs) / 1e3);
    figures.workMs = median(cpuMs) / reads;
    return figures;
}

constexpr int kAnswerUs = 800;
constexpr double kShareOfTightLoop = 0.95;
constexpr int kTerminalPasses = 60;

struct TerminalFigures {
    double rate = 0; // the sensor loop's reads a second
    double limit = 0; // a tight read loop's, for the same requests
    int failed = 0;
};

TerminalFigures measureTerminal()
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.countDigit = Elm327StandIn::CountDigit::Accepted;
    script.timing.answerUs = kAnswerUs;
    Elm327StandIn standIn(script);
    TerminalFigures figures;
    std::vector<QByteArray> steadyPass;
    {
        Elm327Vehicle link(kBaud);
        if (!connect(link, standIn)) {
            figures.failed = -1;
            return figures;
        }
        SensorLoopPass sensorPass(link);
        auto pass = [&] { figures.failed += sensorPass(); };
        for (int warmUp = 0; warmUp < 3; ++warmUp)
            pass();
        figures.failed = 0;
        std::vector<double> wallMs;
        for (int i = 0; i < kTerminalPasses; ++i) {
            const std::size_t before = standIn.commands().size();
            QElapsedTimer wall;
            wall.start();
            pass();
            wallMs.push_back(double(wall.nsecsElapsed()) / 1e6);
            const std::vector<QByteArray> sent = standIn.commands();
            steadyPass.assign(sent.begin() + std::ptrdiff_t(before), sent.end());
        }
        figures.rate = double(kNinePids.size()) / (median(wallMs) / 1e3);
        link.Close();
    }
    // The same requests, as fast as the terminal and the stand-in can answer them.
    const std::vector<double> tight = tightReadLoopPasses(standIn.portName(), steadyPass, kTerminalPasses);
    if (tight.empty()) {
        figures.failed = -1;
        return figures;
    }
    figures.limit = double(kNinePids.size()) / (median(tight) / 1e3);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Way ways[] = {
        {"plain requests", Elm327StandIn::CountDigit::Refused, Elm327StandIn::SeveralPids::None, 5},
        {"response count", Elm327StandIn::CountDigit::Accepted, Elm327StandIn::SeveralPids::None, 9},
        {"several PIDs", Elm327StandIn::CountDigit::Accepted, Elm327StandIn::SeveralPids::Whole, 25},
    };
    std::printf("sensor loop, nine PIDs, CAN car at %d baud (median of %d runs)\n", kBaud, kRuns);
    bool ok = true;
    double plainRate = 0;
    double mostWork = 0;
    for (const Way &way : ways) {
        std::vector<double> rates, limits, work; // of each run
        for (int run = 0; run < kRuns; ++run) {
            Figures figures = measure(way, true);
            figures.workMs = measure(way, false).workMs;
            if (figures.failed != 0) {
                std::fprintf(stderr, "%s: %d reads failed\n", way.name, figures.failed);
                ok = false;
            }
            rates.push_back(figures.rate);
            limits.push_back(figures.limit);
            work.push_back(figures.workMs);
        }
        const double rate = median(rates);
        const double limit = median(limits);
        const double share = rate / limit;
        const double workMs = median(work);
        mostWork = std::max(mostWork, workMs);
        const bool plain = way.digit == Elm327StandIn::CountDigit::Refused;
        if (plain)
            plainRate = rate;
        const bool fastEnough = plain || (share >= kShareOfLimit && rate >= kTimesPlain * plainRate);
        ok = ok && fastEnough;
        std::printf("  %-15s %6.1f reads/s   limit %6.1f reads/s   %3.0f %% of it", way.name, rate, limit, share * 100);
        std::printf("   work %.4f ms/read", workMs);
        if (!plain)
            std::printf("   %4.1f times plain", rate / plainRate);
        std::printf("%s\n", fastEnough ? "" : "   TOO SLOW");
    }
    const bool light = mostWork < kWorkPerReadMs;
    std::printf("program work per read: %.4f ms (limit %.2f ms)%s\n", mostWork, kWorkPerReadMs,
                light ? "" : "   TOO MUCH");

    std::vector<double> rates, limits, shares;
    for (int run = 0; run < kRuns; ++run) {
        const TerminalFigures figures = measureTerminal();
        if (figures.failed != 0) {
            std::fprintf(stderr, "pseudo-terminal: %d reads failed\n", figures.failed);
            ok = false;
        }
        rates.push_back(figures.rate);
        limits.push_back(figures.limit);
        shares.push_back(figures.limit > 0 ? figures.rate / figures.limit : 0);
    }
    const double share = median(shares);
    const bool tightEnough = share >= kShareOfTightLoop;
    std::printf("pseudo-terminal adapter, %.1f ms an answer, one PID a request (median of %d runs)\n",
                kAnswerUs / 1000.0, kRuns);
    std::printf("  sensor loop     %6.1f reads/s   tight read loop %6.1f reads/s   %3.0f %% of it (limit %.0f %%)%s\n",
                median(rates), median(limits), share * 100, kShareOfTightLoop * 100, tightEnough ? "" : "   TOO SLOW");
    return ok && light && tightEnough ? 0 : 1;
}
