#pragma once

#include "Readiness.h"

#include <QObject>

class MonitorsTabPage;
class TMainForm;

// The behaviour of the "Monitory" tab: the readiness of the three continuous and the eight
// non-continuous monitors.
class MonitorsTab final : public QObject {
    Q_OBJECT
public:
    MonitorsTab(TMainForm &main, MonitorsTabPage &page);

    void ButtonMonitorReadClick();
    void ResetMonitorsTab();

    // The readiness bytes B, C and D the vehicle answers.
    ReadinessBytes Bytes = kSimulatedReadinessBytes;

private:
    TMainForm &m_main;
    MonitorsTabPage &m_page;
};
