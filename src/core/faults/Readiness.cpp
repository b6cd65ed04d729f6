#include "core/faults/Readiness.h"

#include "core/catalogue/MessageCatalogue.h"

namespace {

MonitorState monitorState(std::uint8_t supportByte, std::uint8_t statusByte, unsigned supportBit, unsigned statusBit)
{
    MonitorState state;
    state.supported = (supportByte >> supportBit) & 1u;
    state.complete = state.supported && !((statusByte >> statusBit) & 1u);
    return state;
}

} // namespace

Readiness DecodeReadiness(ReadinessBytes bytes)
{
    Readiness readiness;
    for (unsigned i = 0; i < readiness.continuous.size(); ++i)
        readiness.continuous[i] = monitorState(bytes.b, bytes.b, i, i + 4);
    for (unsigned i = 0; i < readiness.nonContinuous.size(); ++i)
        readiness.nonContinuous[i] = monitorState(bytes.c, bytes.d, i, i);
    readiness.compressionIgnition = (bytes.b & 0x08) != 0;
    const std::array<std::uint16_t, 8> names = NonContinuousMonitorNames(readiness.compressionIgnition);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == 0)
            readiness.nonContinuous[i] = {};
    return readiness;
}

std::array<std::uint16_t, 8> NonContinuousMonitorNames(bool compressionIgnition)
{
    if (compressionIgnition)
        return {SMonNmhcCat, SMonNoxScr, 0, SMonBoost, 0, SMonExhaustSensor, SMonPmFilter, SMonEgrVvt};
    return {SMonCat, SMonHCat, SMonEVAP, SMonSecAir, SMonAC, SMonLambda, SMonHLambda, SMonEGR};
}

std::array<const char *, 8> ReportNonContinuousLabels(bool compressionIgnition)
{
    if (compressionIgnition)
        return {"NMHC", "NOX", "", "BP", "", "EGS", "PM", "EGR"};
    return {"CAT", "HCAT", "EVAP", "AIR", "AC", "O2S", "HO2S", "EGR"};
}

QString MonitorStatusText(MonitorState state)
{
    if (!state.supported)
        return QStringLiteral("-");
    return LoadMessage(state.complete ? SMonEnd : SMonNotEnd);
}

QString MonitorActiveText(MonitorState state)
{
    return LoadMessage(state.supported ? SYes : SNo);
}

QString ReportMonitorText(MonitorState state)
{
    if (!state.supported)
        return LoadMessage(PMonBrak);
    return LoadMessage(state.complete ? PMonEnd : PMonNotEnd);
}

std::optional<bool> MilLit(std::uint16_t milStatusWord)
{
    if (milStatusWord == kMilNoAnswer)
        return std::nullopt;
    return (milStatusWord & 0x80u) != 0;
}
