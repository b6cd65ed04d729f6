#include "core/report/ReportVehicleFacts.h"

ReportVehicleFacts SimulatedReportVehicleFacts()
{
    ReportVehicleFacts facts;
    facts.MilStatusWord = kSimulatedMilStatusWord;
    facts.StoredRawCodes = {QStringLiteral("0301"), QStringLiteral("0103"), QStringLiteral("0252"),
                            QStringLiteral("8848")};
    facts.PendingRawCodes = {QStringLiteral("0322"), QStringLiteral("0445"), QStringLiteral("0268"),
                             QStringLiteral("4732")};
    facts.Readiness = kSimulatedReadinessBytes;
    return facts;
}
