#include "gui/faults/DtcTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/faults/TDtcList.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/StringGrid.h"
#include "gui/widgets/BusyCursor.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kCodeRows = 6;

// Puts the codes in the grid, one a row with its description, and empties the rows below them;
// a grid grows when a vehicle reports more codes than it has rows.
void fillCodes(StringGrid *grid, const QStringList &rawCodes)
{
    grid->setRowCount(std::max(kCodeRows, int(rawCodes.size())));
    TDtcList list;
    for (const QString &raw : rawCodes)
        list.Add(raw);
    list.Reset();
    for (int row = 1; row < grid->rowCountWithHeader(); ++row) {
        const bool onCode = list.Next() > 0;
        grid->setCells(0, row, onCode ? list.CurrentCode() : QString());
        grid->setCells(1, row, onCode ? list.CurrentDescription() : QString());
    }
}

void showCount(QLabel *label, const std::optional<QStringList> &codes)
{
    label->setText(codes ? QString::number(codes->size()) : QStringLiteral("?"));
    label->show();
}

} // namespace

DtcTab::DtcTab(TabContext &context, DtcTabPage &page)
    : QObject(&page),
      m_context(context),
      m_page(page)
{
    connect(m_page.ButtonDTCOdczytaj, &QPushButton::clicked, this, &DtcTab::ButtonDTCOdczytajClick);
    connect(m_page.ButtonDTCKasuj, &QPushButton::clicked, this, &DtcTab::ButtonDTCKasujClick);
}

void DtcTab::ButtonDTCOdczytajClick()
{
    const BusyCursor busy(m_page.ButtonDTCOdczytaj);
    m_page.ButtonDTCOdczytaj->setEnabled(false);
    VehicleLink &vehicle = *m_context.state.Vehicle;

    const MonitorStatus status = vehicle.ReadMonitorStatus();
    if (const std::optional<bool> lit = MilLit(status.ok ? status.milStatusWord : kMilNoAnswer)) {
        m_page.LabelDTCMILStatus->setText(LoadMessage(*lit ? SMILOn : SMILOff));
        m_page.LabelDTCMILStatus->show();
        m_page.ImageMILon->setVisible(*lit);
        m_page.ImageMILoff->setVisible(!*lit);
    }

    const std::optional<QStringList> pending = vehicle.ReadPendingCodes();
    const std::optional<QStringList> stored = vehicle.ReadStoredCodes();
    showCount(m_page.LabelDTCPendCount, pending);
    showCount(m_page.LabelDTCStoredCount, stored);
    fillCodes(m_page.StringGridDTCPending, pending.value_or(QStringList()));
    fillCodes(m_page.StringGridDTCStored, stored.value_or(QStringList()));

    m_page.ButtonDTCOdczytaj->setEnabled(true);
    m_page.ButtonDTCKasuj->setEnabled(true);
}

void DtcTab::ButtonDTCKasujClick()
{
    const MessageAnswer answer = m_context.platform.dialogs.message(LoadMessage(SDTCClearWrng), MessageIcon::Warning,
                                                                  MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    const BusyCursor busy(m_page.ButtonDTCKasuj);
    // What the vehicle refused to clear stays on screen.
    if (m_context.state.Vehicle->ClearCodes()) {
        ResetDtcTab();
        emit codesCleared();
    }
    else
        m_context.platform.dialogs.message(LoadMessage(SDTCClearFailed), MessageIcon::Warning, MessageButtons::Ok);
}

void DtcTab::ResetDtcTab()
{
    for (QLabel *count : {m_page.LabelDTCPendCount, m_page.LabelDTCStoredCount}) {
        count->setText(QString());
        count->hide();
    }
    m_page.StringGridDTCPending->clearDataRows(0, 1);
    m_page.StringGridDTCStored->clearDataRows(0, 1);
    m_page.ButtonDTCKasuj->setEnabled(false);
    m_page.LabelDTCMILStatus->hide();
    m_page.ImageMILoff->hide();
    m_page.ImageMILon->hide();
}
