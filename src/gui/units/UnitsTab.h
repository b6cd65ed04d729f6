#pragma once

#include "core/units/ControlUnits.h"

#include <QObject>

class UnitsTabPage;
struct TabContext;

// The behaviour of the "Sterowniki" tab: "Odczytaj" reads every control unit's data and the
// battery voltage, the list chooses whose identity, calibrations and counters are shown, and
// "Odśwież" measures the battery again.
class UnitsTab final : public QObject {
    Q_OBJECT
public:
    UnitsTab(TabContext &context, UnitsTabPage &page);

    void ButtonUnitsReadClick();
    void ButtonBatteryRefreshClick();
    // Empty, but for the battery voltage measured at the connection.
    void ResetUnitsTab();
    void ShowConnectionBattery();

    const ControlUnitsReading &reading() const { return m_reading; }

private:
    void showUnit(int row);
    void showPermanentCodes();
    void clearUnit();

    TabContext &m_context;
    UnitsTabPage &m_page;
    ControlUnitsReading m_reading;
};
