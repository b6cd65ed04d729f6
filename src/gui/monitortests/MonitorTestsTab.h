#pragma once

#include <QObject>

class MonitorTestsTabPage;
struct MonitorTestsRead;
struct TabContext;

// The behaviour of the "Testy monitorów" tab: reads the on-board monitor tests of every unit
// (service 06) and lists their results, with the misfire counts of the engine apart.
class MonitorTestsTab final : public QObject {
    Q_OBJECT
public:
    MonitorTestsTab(TabContext &context, MonitorTestsTabPage &page);

    void ButtonMonitorTestsReadClick();
    void ResetMonitorTestsTab();

private:
    void showResults(const MonitorTestsRead &read);
    void showMisfires(const MonitorTestsRead &read);

    TabContext &m_context;
    MonitorTestsTabPage &m_page;
};
