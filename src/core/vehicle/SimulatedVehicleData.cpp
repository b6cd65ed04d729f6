#include "core/vehicle/SimulatedVehicleData.h"

namespace SimulatedVehicleData {

namespace {

QStringList everyOther(int first)
{
    const QStringList raw = RawCodes();
    QStringList picked;
    for (int i = first; i < raw.size(); i += 2)
        picked << raw[i];
    return picked;
}

} // namespace

QStringList RawCodes()
{
    return {QStringLiteral("0301"), QStringLiteral("0326"), QStringLiteral("0103"), QStringLiteral("0133"),
            QStringLiteral("0252"), QStringLiteral("0322"), QStringLiteral("0445"), QStringLiteral("0507"),
            QStringLiteral("0553"), QStringLiteral("0268"), QStringLiteral("4732"), QStringLiteral("8848")};
}

QStringList PendingCodes()
{
    return everyOther(0);
}

QStringList StoredCodes()
{
    return everyOther(1);
}

QStringList ReportStoredCodes()
{
    return {QStringLiteral("0301"), QStringLiteral("0103"), QStringLiteral("0252"), QStringLiteral("8848")};
}

QStringList ReportPendingCodes()
{
    return {QStringLiteral("0322"), QStringLiteral("0445"), QStringLiteral("0268"), QStringLiteral("4732")};
}

MonitorStatus Status()
{
    return {true, kSimulatedMilStatusWord, kStoredCodeCount, kSimulatedReadinessBytes};
}

LinkIdentity Identity()
{
    return {QStringLiteral("QL-40"), QStringLiteral("$F1h"), QStringLiteral("ISO"), QStringLiteral(" (SAE J1850)")};
}

} // namespace SimulatedVehicleData
