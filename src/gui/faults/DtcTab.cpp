#include "gui/faults/DtcTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/faults/TDtcList.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kCodeRows = 6;

// Puts the codes in the grid, one a row with its description, and empties the rows below them;
// a grid grows when a vehicle reports more codes than it has rows.
void fillCodes(StringGrid *grid, const QStringList &rawCodes, DtcOrigin origin)
{
    grid->setRowCount(std::max(kCodeRows, int(rawCodes.size())));
    TDtcList list(origin);
    for (const QString &raw : rawCodes)
        list.Add(raw);
    list.Reset();
    for (int row = 1; row < grid->rowCountWithHeader(); ++row) {
        const bool onCode = list.Next() > 0;
        grid->setCells(DtcTabPage::CodeColumn, row, onCode ? list.CurrentCode() : QString());
        grid->setCells(DtcTabPage::DescriptionColumn, row, onCode ? list.CurrentDescription() : QString());
    }
}

void showCount(QLabel *label, const std::optional<QStringList> &codes)
{
    label->setText(codes ? QString::number(codes->size()) : QStringLiteral("?"));
    label->show();
}

} // namespace

DtcTab::DtcTab(TabContext &context, DtcTabPage &page) : QObject(&page), m_context(context), m_page(page)
{
    for (StringGrid *grid : {m_page.StringGridDTCPending, m_page.StringGridDTCStored}) {
        grid->setCells(DtcTabPage::CodeColumn, 0, LoadMessage(SErrCode));
        grid->setCells(DtcTabPage::DescriptionColumn, 0, LoadMessage(SDesc));
    }
    connect(m_page.ButtonDTCOdczytaj, &QPushButton::clicked, this, &DtcTab::ButtonDTCOdczytajClick);
    connect(m_page.ButtonDTCKasuj, &QPushButton::clicked, this, &DtcTab::ButtonDTCKasujClick);
}

void DtcTab::ButtonDTCOdczytajClick()
{
    const BusyCursor busy(m_page.ButtonDTCOdczytaj);
    m_page.ButtonDTCOdczytaj->setEnabled(false);
    VehicleLink &vehicle = *m_context.state.Vehicle;

    // Each read that fails is named in one message after the tab shows what did come.
    QStringList failures;
    auto failed = [&](std::uint16_t part) {
        const QString why = vehicle.LastFailure();
        failures << QStringLiteral("- ") + LoadMessage(part) + (why.isEmpty() ? QString() : QStringLiteral(": ") + why);
    };

    const MonitorStatus status = vehicle.ReadMonitorStatus();
    if (!status.ok) {
        // A lamp that could not be read is not shown at all, rather than as it was.
        failed(SDTCPartMil);
        m_page.LabelDTCMILStatus->hide();
        m_page.ImageMILon->hide();
        m_page.ImageMILoff->hide();
    } else if (const std::optional<bool> lit = MilLit(status.milStatusWord)) {
        m_page.LabelDTCMILStatus->setText(LoadMessage(*lit ? SMILOn : SMILOff));
        m_page.LabelDTCMILStatus->show();
        m_page.ImageMILon->setVisible(*lit);
        m_page.ImageMILoff->setVisible(!*lit);
    }

    const std::optional<QStringList> pending = vehicle.ReadPendingCodes();
    if (!pending)
        failed(SDTCPartPending);
    const std::optional<QStringList> stored = vehicle.ReadStoredCodes();
    if (!stored)
        failed(SDTCPartStored);
    showCount(m_page.LabelDTCPendCount, pending);
    showCount(m_page.LabelDTCStoredCount, stored);
    fillCodes(m_page.StringGridDTCPending, pending.value_or(QStringList()), vehicle.CodeOrigin());
    fillCodes(m_page.StringGridDTCStored, stored.value_or(QStringList()), vehicle.CodeOrigin());

    m_page.ButtonDTCOdczytaj->setEnabled(true);
    m_page.ButtonDTCKasuj->setEnabled(true);
    if (!failures.isEmpty())
        m_context.platform.dialogs.message(LoadMessage(SDTCReadFailed) + QStringLiteral("\r\n")
                                               + failures.join(QStringLiteral("\r\n")),
                                           MessageIcon::Warning, MessageButtons::Ok);
}

void DtcTab::ButtonDTCKasujClick()
{
    const MessageAnswer answer =
        m_context.platform.dialogs.message(LoadMessage(SDTCClearWrng), MessageIcon::Warning, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    const BusyCursor busy(m_page.ButtonDTCKasuj);
    // What the vehicle refused to clear stays on screen, and the warning says who refused.
    VehicleLink &vehicle = *m_context.state.Vehicle;
    if (vehicle.ClearCodes()) {
        ResetDtcTab();
        emit codesCleared();
        return;
    }
    const QString why = vehicle.LastFailure();
    m_context.platform.dialogs.message(LoadMessage(SDTCClearFailed)
                                           + (why.isEmpty() ? QString() : QStringLiteral("\r\n") + why),
                                       MessageIcon::Warning, MessageButtons::Ok);
}

void DtcTab::ResetDtcTab()
{
    for (QLabel *count : {m_page.LabelDTCPendCount, m_page.LabelDTCStoredCount}) {
        count->setText(QString());
        count->hide();
    }
    for (StringGrid *grid : {m_page.StringGridDTCPending, m_page.StringGridDTCStored})
        grid->clearDataRows(DtcTabPage::CodeColumn, DtcTabPage::DescriptionColumn);
    m_page.ButtonDTCKasuj->setEnabled(false);
    m_page.LabelDTCMILStatus->hide();
    m_page.ImageMILoff->hide();
    m_page.ImageMILon->hide();
}
