#include "gui/faults/DtcTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/faults/TDtcList.h"
#include "core/platform/GuiDialogs.h"
#include "core/platform/Platform.h"
#include "core/state/TabContext.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kCodeRows = 6;

} // namespace

DtcTab::DtcTab(TabContext &context, DtcTabPage &page)
    : QObject(&page),
      MilStatusWord(kSimulatedMilStatusWord),
      RawCodes{QStringLiteral("0301"), QStringLiteral("0326"), QStringLiteral("0103"), QStringLiteral("0133"),
               QStringLiteral("0252"), QStringLiteral("0322"), QStringLiteral("0445"), QStringLiteral("0507"),
               QStringLiteral("0553"), QStringLiteral("0268"), QStringLiteral("4732"), QStringLiteral("8848")},
      m_context(context),
      m_page(page)
{
    connect(m_page.ButtonDTCOdczytaj, &QPushButton::clicked, this, &DtcTab::ButtonDTCOdczytajClick);
    connect(m_page.ButtonDTCKasuj, &QPushButton::clicked, this, &DtcTab::ButtonDTCKasujClick);
}

void DtcTab::ButtonDTCOdczytajClick()
{
    m_page.ButtonDTCOdczytaj->setEnabled(false);

    if (const std::optional<bool> lit = MilLit(MilStatusWord)) {
        m_page.LabelDTCMILStatus->setText(LoadMessage(*lit ? SMILOn : SMILOff));
        m_page.LabelDTCMILStatus->show();
        m_page.ImageMILon->setVisible(*lit);
        m_page.ImageMILoff->setVisible(!*lit);
    }

    m_page.LabelDTCPendCount->setText(QStringLiteral("6"));
    m_page.LabelDTCPendCount->show();
    m_page.LabelDTCStoredCount->setText(QStringLiteral("6"));
    m_page.LabelDTCStoredCount->show();

    // The codes are dealt alternately: odd ones to the pending grid, even ones to the stored grid.
    TDtcList list;
    for (const QString &raw : RawCodes)
        list.Add(raw);
    list.Reset();
    for (int row = 1; row <= kCodeRows; ++row) {
        for (StringGrid *grid : {m_page.StringGridDTCPending, m_page.StringGridDTCStored}) {
            list.Next();
            grid->setCells(0, row, list.CurrentCode());
            grid->setCells(1, row, list.CurrentDescription());
        }
    }

    m_page.ButtonDTCOdczytaj->setEnabled(true);
    m_page.ButtonDTCKasuj->setEnabled(true);
}

void DtcTab::ButtonDTCKasujClick()
{
    const MessageAnswer answer = m_context.platform.dialogs.message(LoadMessage(SDTCClearWrng), MessageIcon::Warning,
                                                                  MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        ResetDtcTab();
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
