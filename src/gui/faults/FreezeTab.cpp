#include "gui/faults/FreezeTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/TDtcList.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/SensorTable.h"
#include "core/text/HexByte.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/StringGrid.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr std::uint8_t kFirstFrozenPid = 0x03;
constexpr std::uint8_t kLastFrozenPid = 0x11;

} // namespace

FreezeTab::FreezeTab(TabContext &context, FreezeTabPage &page) : QObject(&page), m_context(context), m_page(page)
{
    StringGrid *grid = m_page.StringGridFreezeParams;
    grid->setCells(FreezeTabPage::PidColumn, 0, LoadMessage(SPID));
    grid->setCells(FreezeTabPage::DescriptionColumn, 0, LoadMessage(SSensor));
    grid->setCells(FreezeTabPage::UnitColumn, 0, LoadMessage(SMeasure));
    grid->setCells(FreezeTabPage::ValueColumn, 0, LoadMessage(SValue));
    connect(m_page.ButtonFreezeRead, &QPushButton::clicked, this, &FreezeTab::ButtonFreezeReadClick);
}

void FreezeTab::ButtonFreezeReadClick()
{
    const BusyCursor busy(m_page.ButtonFreezeRead);
    m_page.ButtonFreezeRead->setEnabled(false);
    showTriggerCode(m_context.state.Vehicle->ReadFreezeFrameCode());

    // One vehicle query per parameter; the window does not take input meanwhile.
    StringGrid *grid = m_page.StringGridFreezeParams;
    for (std::uint8_t pid = kFirstFrozenPid; pid <= kLastFrozenPid; ++pid) {
        const int row = pid - 2;
        grid->setCells(FreezeTabPage::PidColumn, row, HexByte(pid));
        grid->setCells(FreezeTabPage::DescriptionColumn, row, PidDescription(pid));
        grid->setCells(FreezeTabPage::UnitColumn, row, PidUnit(pid));
        grid->setCells(FreezeTabPage::ValueColumn, row,
                       FormatPidValue(m_context.pidReader, m_context.state.Selection, pid, FreezeFrame));
    }
    m_page.ButtonFreezeRead->setEnabled(true);
}

void FreezeTab::showTriggerCode(const std::optional<QString> &raw)
{
    // "0000": the vehicle holds no freeze frame.
    if (!raw || *raw == QLatin1String("0000")) {
        m_page.LabeledEditDTCCode->setText(QString());
        m_page.LabeledEditDTCDesc->setText(QString());
        return;
    }
    TDtcList list(m_context.state.Vehicle->CodeOrigin());
    list.Add(*raw);
    list.Reset();
    list.Next();
    const QString code = list.CurrentCode();
    m_page.LabeledEditDTCCode->setText(code);
    // The catalogue carries its own description of P0103, which a language module translates.
    m_page.LabeledEditDTCDesc->setText(code == QLatin1String("P0103") ? LoadMessage(SExDTCP0103)
                                                                      : list.CurrentDescription());
}

void FreezeTab::ResetFreezeFrameTab()
{
    m_page.LabeledEditDTCCode->setText(QString());
    m_page.LabeledEditDTCDesc->setText(QString());
    m_page.StringGridFreezeParams->clearDataRows(FreezeTabPage::PidColumn, FreezeTabPage::ValueColumn);
}
