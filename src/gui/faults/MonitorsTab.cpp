#include "gui/faults/MonitorsTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/Clock.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/StringGrid.h"

#include <QPushButton>

namespace {

constexpr int kReadPauseMs = 500;

template <std::size_t N>
void fill(StringGrid *grid, const std::array<MonitorState, N> &monitors)
{
    for (std::size_t i = 0; i < N; ++i) {
        const int row = int(i) + 1;
        grid->setCells(MonitorsTabPage::StatusColumn, row, MonitorStatusText(monitors[i]));
        grid->setCells(MonitorsTabPage::ActiveColumn, row, MonitorActiveText(monitors[i]));
    }
}

} // namespace

MonitorsTab::MonitorsTab(TabContext &context, MonitorsTabPage &page) : QObject(&page), m_context(context), m_page(page)
{
    for (StringGrid *grid : {m_page.StringGridMonitorCont, m_page.StringGridMonitorNonCont}) {
        grid->setCells(MonitorsTabPage::MonitorColumn, 0, LoadMessage(SMonSubsys));
        grid->setCells(MonitorsTabPage::StatusColumn, 0, LoadMessage(SStatus));
        grid->setCells(MonitorsTabPage::ActiveColumn, 0, LoadMessage(SActive));
    }
    const std::uint16_t continuous[] = {SMinMisfire, SMonFuel, SMonSys};
    for (int row = 1; row <= 3; ++row)
        m_page.StringGridMonitorCont->setCells(MonitorsTabPage::MonitorColumn, row, LoadMessage(continuous[row - 1]));
    showNames(false);
    connect(m_page.ButtonMonitorRead, &QPushButton::clicked, this, &MonitorsTab::ButtonMonitorReadClick);
}

void MonitorsTab::ButtonMonitorReadClick()
{
    const BusyCursor busy(m_page.ButtonMonitorRead);
    m_context.platform.clock.pause(kReadPauseMs);
    const MonitorStatus status = m_context.state.Vehicle->ReadMonitorStatus();
    if (!status.ok) {
        // Nothing known is shown as nothing, and the operator is told why.
        ResetMonitorsTab();
        const QString why = m_context.state.Vehicle->LastFailure();
        m_context.platform.dialogs.message(LoadMessage(SMonReadFailed)
                                               + (why.isEmpty() ? QString() : QStringLiteral("\r\n") + why),
                                           MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    const Readiness readiness = DecodeReadiness(status.readiness);
    showNames(readiness.compressionIgnition);
    fill(m_page.StringGridMonitorCont, readiness.continuous);
    fill(m_page.StringGridMonitorNonCont, readiness.nonContinuous);
}

void MonitorsTab::ResetMonitorsTab()
{
    // Headers stay; the names are those of a spark-ignition engine until a read says otherwise.
    for (StringGrid *grid : {m_page.StringGridMonitorCont, m_page.StringGridMonitorNonCont})
        grid->clearDataRows(MonitorsTabPage::StatusColumn, MonitorsTabPage::ActiveColumn);
    showNames(false);
}

void MonitorsTab::showNames(bool compressionIgnition)
{
    const std::array<std::uint16_t, 8> names = NonContinuousMonitorNames(compressionIgnition);
    for (std::size_t i = 0; i < names.size(); ++i)
        m_page.StringGridMonitorNonCont->setCells(MonitorsTabPage::MonitorColumn, int(i) + 1,
                                                  names[i] != 0 ? LoadMessage(names[i]) : QStringLiteral("-"));
}
