#pragma once

#include "core/faults/Readiness.h"

#include <QObject>

class MonitorsTabPage;
struct TabContext;

// The behaviour of the "Monitory" tab: the readiness of the three continuous and the eight
// non-continuous monitors, from the readiness bytes of the vehicle's monitor status.
class MonitorsTab final : public QObject {
    Q_OBJECT
public:
    MonitorsTab(TabContext &context, MonitorsTabPage &page);

    void ButtonMonitorReadClick();
    void ResetMonitorsTab();

private:
    // Column 0 of the non-continuous grid: the monitors of the engine's kind.
    void showNames(bool compressionIgnition);

    TabContext &m_context;
    MonitorsTabPage &m_page;
};
