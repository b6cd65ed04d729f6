#include "MonitorsTab.h"

#include "MonitorsTabPage.h"
#include "app/StringGrid.h"
#include "app/TMainForm.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QPushButton>

namespace {

constexpr int kReadPauseMs = 500;

template <std::size_t N>
void fill(StringGrid *grid, const std::array<MonitorState, N> &monitors)
{
    for (std::size_t i = 0; i < N; ++i) {
        const int row = int(i) + 1;
        grid->setCells(1, row, MonitorStatusText(monitors[i]));
        grid->setCells(2, row, MonitorActiveText(monitors[i]));
    }
}

} // namespace

MonitorsTab::MonitorsTab(TMainForm &main, MonitorsTabPage &page) : QObject(&page), m_main(main), m_page(page)
{
    connect(m_page.ButtonMonitorRead, &QPushButton::clicked, this, &MonitorsTab::ButtonMonitorReadClick);
}

void MonitorsTab::ButtonMonitorReadClick()
{
    m_main.platform().clock.pause(kReadPauseMs);
    const Readiness readiness = DecodeReadiness(Bytes);
    fill(m_page.StringGridMonitorCont, readiness.continuous);
    fill(m_page.StringGridMonitorNonCont, readiness.nonContinuous);
}

void MonitorsTab::ResetMonitorsTab()
{
    // Headers and monitor names stay.
    m_page.StringGridMonitorCont->clearDataRows(1, 2);
    m_page.StringGridMonitorNonCont->clearDataRows(1, 2);
}
