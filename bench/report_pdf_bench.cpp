// Report benchmark: rendering the assembled inspection report to a PDF file, as the print
// dialog's "print to file" does. Pass a file name to keep the last PDF for a look.
#include "BenchPlatform.h"
#include "NoPauseClock.h"
#include "core/livedata/FormatPidValue.h"
#include "core/report/AssembleReportData.h"
#include "core/vehicle/FixedDataVehicle.h"
#include "gui/report/PrinterCanvas.h"

#include <QElapsedTimer>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kRenderLimitMs = 300.0;
constexpr int kRuns = 5;

// A vehicle with a lambda sensor on each bank.
class SampleVehicle final : public FixedDataVehicle {
public:
    PidReply QueryPid(std::uint8_t, PidMode, int) override { return {true, {0x11, 0, 0, 0}}; }
};

ReportData sampleReport()
{
    ReportData report;
    report.WorkshopName = QStringLiteral("Auto-Serwis Kowalski i Synowie");
    report.WorkshopAddress1 = QStringLiteral("ul. Żeromskiego 12");
    report.WorkshopAddress2 = QStringLiteral("05-800 Pruszków");
    report.WorkshopAddress3 = QStringLiteral("tel. 22 758 00 00");
    report.RegistrationNo = QStringLiteral("WPR 4K27");
    report.Make = QStringLiteral("VOLVO");
    report.EngineNo = QStringLiteral("B5254T2");
    report.Mileage = QStringLiteral("184 350 KM");
    report.TypeModel = QStringLiteral("S40 2.5T");
    report.Vin = QStringLiteral("YV1LS5596P2123456");
    report.InterfaceName = QStringLiteral("QL-40");
    report.ModuleAddress = QStringLiteral("$F1h");
    report.Protocol = QStringLiteral("ISO");
    NoPauseClock clock;
    SampleVehicle vehicle;
    PidReader reader{vehicle, u',', {}};
    AssembleReportData(report, SimulatedReportVehicleFacts(), reader, clock);
    return report;
}

} // namespace

int main(int argc, char **argv)
{
    KorvathApplication app(argc, argv);
    setUpBenchApplication();
    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("report.pdf"));

    const ReportData report = sampleReport();
    const QStringList remarks = {QStringLiteral("Wymienić świece zapłonowe i przewody wysokiego napięcia."),
                                 QStringLiteral("Ponowna kontrola po 500 km.")};
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        PrepareReportPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (!PrintReportOn(printer, report, remarks)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 2;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("report rendered to PDF: median %.1f ms of %d runs, first run %.1f ms (limit %.0f ms)\n", median, kRuns,
                first, kRenderLimitMs);
    return median < kRenderLimitMs ? 0 : 1;
}
