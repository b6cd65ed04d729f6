#include "core/units/UnitTexts.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/TDtcList.h"
#include "core/units/VehicleInfo.h"

QString ItemStateText(ItemState state, const QString &failure)
{
    switch (state) {
    case ItemState::Read: return {};
    case ItemState::NotSupported: return LoadMessage(SInfoNotSupported);
    case ItemState::Failed: break;
    }
    return LoadMessage(SInfoUnread).arg(failure.isEmpty() ? LoadMessage(SNoReplyInTime) : failure);
}

QString UnitNameText(const ControlUnit &unit)
{
    if (unit.name.read())
        return unit.name.value.isEmpty() ? QStringLiteral("-") : unit.name.value;
    return ItemStateText(unit.name.state, unit.name.failure);
}

QString UnitTitle(const ControlUnit &unit)
{
    if (unit.name.read() && !unit.name.value.isEmpty())
        return unit.addressText + u' ' + unit.name.value;
    return unit.addressText;
}

QString InfoTypesText(const ControlUnit &unit)
{
    if (unit.infoTypes.read())
        return unit.infoTypes.value == 0 ? QStringLiteral("-") : InfoTypeList(unit.infoTypes.value);
    return ItemStateText(unit.infoTypes.state, unit.infoTypes.failure);
}

std::vector<CalibrationRow> CalibrationRows(const ControlUnit &unit)
{
    if (!unit.calibrationIds.read())
        return {{ItemStateText(unit.calibrationIds.state, unit.calibrationIds.failure), QString()}};
    std::vector<CalibrationRow> rows;
    const QStringList &ids = unit.calibrationIds.value;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        QString cvn = ItemStateText(unit.cvns.state, unit.cvns.failure);
        if (unit.cvns.read())
            cvn = i < unit.cvns.value.size() ? unit.cvns.value[i] : QStringLiteral("-");
        rows.push_back({ids[i].isEmpty() ? QStringLiteral("-") : ids[i], cvn});
    }
    if (rows.empty())
        rows.push_back({QStringLiteral("-"), QStringLiteral("-")});
    return rows;
}

QString InUseCountersText(const ControlUnit &unit)
{
    if (!unit.inUse.read())
        return ItemStateText(unit.inUse.state, unit.inUse.failure);
    return LoadMessage(SGeneralDenominator) + QStringLiteral(": ")
           + QString::number(unit.inUse.value.generalDenominator) + QStringLiteral(", ") + LoadMessage(SIgnitionCycles)
           + QStringLiteral(": ") + QString::number(unit.inUse.value.ignitionCycles);
}

std::vector<InUseRow> InUseRows(const ControlUnit &unit, QChar decimalSeparator)
{
    std::vector<InUseRow> rows;
    if (!unit.inUse.read())
        return rows;
    for (const MonitorRatio &monitor : unit.inUse.value.monitors)
        rows.push_back({monitor.monitor, QString::number(monitor.completions), QString::number(monitor.conditions),
                        RatioText(monitor, decimalSeparator), monitor.low() ? LoadMessage(SRatioLow) : QString()});
    return rows;
}

std::vector<PermanentCodeRow> PermanentCodeRows(const ControlUnitsReading &reading, const ControlUnit &unit,
                                                DtcOrigin origin)
{
    const UnitItem<QStringList> &codes = unit.permanentCodes;
    if (codes.state == ItemState::NotSupported)
        return {{QString(), LoadMessage(reading.permanentCodesNotSupported() ? SPermNotSupported : SInfoNotSupported)}};
    if (!codes.read())
        return {{QString(), ItemStateText(codes.state, codes.failure)}};
    if (codes.value.isEmpty())
        return {{QString(), LoadMessage(SPermNone)}};
    TDtcList list(origin);
    for (const QString &raw : codes.value)
        list.Add(raw);
    list.Reset();
    std::vector<PermanentCodeRow> rows;
    while (list.Next() != 0)
        rows.push_back({list.CurrentCode(), list.CurrentDescription()});
    return rows;
}
