#pragma once

#include "core/report/ReportData.h"
#include "core/report/ReportVehicleFacts.h"

class Clock;
struct PidReader;

// The pause before the monitor texts are put together.
inline constexpr int kReportMonitorPauseMs = 500;

// Fills the result fields of the report: the oxygen sensors (one read of PID 0x13 through a
// fresh selection record, not the main window's), the MIL text, the stored and pending fault
// lines and the monitor texts. Blocks for kReportMonitorPauseMs plus the one query.
void AssembleReportData(ReportData &report, const ReportVehicleFacts &facts, PidReader &reader, Clock &clock);

// The number of five-character sensor tokens ("B1S1 ") in locations, as decimal text.
QString O2SensorCountText(const QString &locations);
