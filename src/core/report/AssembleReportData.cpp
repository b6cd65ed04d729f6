#include "core/report/AssembleReportData.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/TDtcList.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/SensorSelection.h"
#include "core/platform/Clock.h"

namespace {

constexpr std::uint8_t kOxygenSensorsPid = 0x13;

// "P0301 - description" for every code, or the single no-codes line.
QStringList faultLines(const QStringList &rawCodes, DtcOrigin origin)
{
    TDtcList list(origin);
    for (const QString &raw : rawCodes)
        list.Add(raw);
    list.Reset();
    QStringList lines;
    while (list.Next() != 0)
        lines << list.CurrentCode() + QStringLiteral(" - ") + list.CurrentDescription();
    if (lines.isEmpty())
        lines << LoadMessage(SNoDTC);
    return lines;
}

} // namespace

QString O2SensorCountText(const QString &locations)
{
    return QString::number((locations.size() + 1) / 5);
}

void AssembleReportData(ReportData &report, const ReportVehicleFacts &facts, PidReader &reader, Clock &clock)
{
    SensorSelection selection;
    const std::uint8_t o2Pid = facts.O2SensorsInFourBanks ? kOxygenSensorsFourBanksPid : kOxygenSensorsPid;
    report.O2SensorLocations = FormatPidValue(reader, selection, o2Pid, PidMode::CurrentData);
    report.O2SensorCount = O2SensorCountText(report.O2SensorLocations);

    // A status that could not be read says so; an answer without the lamp leaves its text.
    if (!facts.StatusRead)
        report.MilText =
            LoadMessage(PNotRead)
            + (facts.StatusFailure.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(facts.StatusFailure));
    else if (const std::optional<bool> lit = MilLit(facts.MilStatusWord))
        report.MilText = LoadMessage(*lit ? PMILOn : PMILOff);

    report.StoredLines =
        facts.StoredRead ? faultLines(facts.StoredRawCodes, facts.CodeOrigin) : QStringList{LoadMessage(PDTCUnread)};
    report.PendingLines =
        facts.PendingRead ? faultLines(facts.PendingRawCodes, facts.CodeOrigin) : QStringList{LoadMessage(PDTCUnread)};

    clock.pause(kReportMonitorPauseMs);
    const Readiness readiness = DecodeReadiness(facts.Readiness);
    report.CompressionIgnition = facts.StatusRead && readiness.compressionIgnition;
    for (std::size_t i = 0; i < readiness.continuous.size(); ++i)
        report.ContinuousMonitorTexts[i + 1] =
            facts.StatusRead ? ReportMonitorText(readiness.continuous[i]) : LoadMessage(PNotRead);
    for (std::size_t i = 0; i < readiness.nonContinuous.size(); ++i)
        report.NonContinuousMonitorTexts[i + 1] =
            facts.StatusRead ? ReportMonitorText(readiness.nonContinuous[i]) : LoadMessage(PNotRead);
}
