// The connection sequence of the main window: connecting fills the connection log and the
// identification; disconnecting runs the timed sequence and empties every tab.
#include "gui/mainwindow/TMainForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/Clock.h"
#include "core/platform/Platform.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/report/TFormRaport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int kModulesDisconnectMs = 500;
constexpr int kDisconnectedMs = 1000;
constexpr int kPortClosedMs = 1000;

} // namespace

void TMainForm::ButtonPolaczClick()
{
    // The button's caption tells the state: "Rozłącz" means a connection is up.
    const QString port = ComPort->portName();
    if (TabMain->ButtonPolacz->text() != LoadMessage(SDisconnect))
        connectBranch(port);
    else
        disconnectBranch(port);
}

QString TMainForm::portLine(const QString &port, std::uint16_t stateMessage) const
{
    return LoadMessage(SPort) + u' ' + port + u' ' + LoadMessage(stateMessage);
}

void TMainForm::appendStatusLine(const QString &line)
{
    TabMain->MemoStatus->appendPlainText(line);
}

void TMainForm::replaceLastStatusLine(const QString &line)
{
    QTextCursor cursor(TabMain->MemoStatus->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
}

void TMainForm::setConnectedControls(bool connected)
{
    TabMain->ButtonPolacz->setText(LoadMessage(connected ? SDisconnect : SConnect));
    MnuUstawienia->menuAction()->setEnabled(!connected);
    TabMain->ButtonPrintReport->setEnabled(connected);
}

void TMainForm::connectBranch(const QString &port)
{
    ResetIdentification();
    appendStatusLine(portLine(port, SOpen));
    appendStatusLine(LoadMessage(SDetectedQL40));
    appendStatusLine(LoadMessage(SIfaceConfigured));
    appendStatusLine(LoadMessage(SVehCommOK));

    if (m_raport != nullptr) {
        ReportData &report = m_raport->reportData();
        report.InterfaceName = QStringLiteral("QL-40");
        report.ModuleAddress = QStringLiteral("$F1h");
        report.Protocol = QStringLiteral("ISO");
    }

    TabMain->LabelMILStatus->setText(LoadMessage(SMILOn));
    TabMain->LabelDTCStatus->setText(QStringLiteral("6"));
    TabMain->LabeledEditOBDStd->setText(LoadMessage(S0x1C_06));
    TabMain->LabeledEditVIN->setText(QStringLiteral("YV1LS5596P2123456"));
    TabMain->LabelMILStatus->show();
    TabMain->LabelDTCStatus->show();

    setConnectedControls(true);
    m_state.BusyCount = 0;
    m_state.Connected = true;
}

void TMainForm::disconnectBranch(const QString &port)
{
    // Cleared first, so that running loops end at their next check.
    m_state.Connected = false;

    // The pauses block without pumping messages, so no handler runs in between; the log is
    // repainted directly so that the operator still sees each step.
    const QString pending = LoadMessage(SModDiscPend);
    appendStatusLine(pending);
    TabMain->MemoStatus->repaint();
    m_platform.clock.pause(kModulesDisconnectMs);

    replaceLastStatusLine(pending + QStringLiteral("  ") + LoadMessage(SDisconnected));
    TabMain->MemoStatus->repaint();
    m_platform.clock.pause(kDisconnectedMs);

    appendStatusLine(portLine(port, SClosed));
    TabMain->MemoStatus->repaint();
    m_platform.clock.pause(kPortClosedMs);

    ResetAllTabs();
    setConnectedControls(false);
    TabMain->MemoStatus->clear();
}

void TMainForm::ResetIdentification()
{
    TabMain->MemoStatus->clear();
    TabMain->LabelMILStatus->setText(QString());
    TabMain->LabelDTCStatus->setText(QString());
    TabMain->LabeledEditOBDStd->setText(QString());
    TabMain->LabeledEditVIN->setText(QString());
    TabMain->LabelMILStatus->hide();
    TabMain->LabelDTCStatus->hide();
}

void TMainForm::ComPortAfterOpen()
{
    TabMain->ButtonPolacz->setText(LoadMessage(SDisconnect));
    MnuUstawienia->menuAction()->setEnabled(false);
    TabMain->ButtonPrintReport->setEnabled(true);
    TabMain->MemoStatus->clear();
}

void TMainForm::ComPortAfterClose()
{
    setConnectedControls(false);
}
