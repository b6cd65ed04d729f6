// The connection sequence of the main window: connecting goes through the vehicle link's steps,
// logging each, and fills the identification; disconnecting runs the timed sequence, closes the
// link and empties every tab.
#include "gui/mainwindow/TMainForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/livedata/PidStatusTexts.h"
#include "core/vehicle/ChosenVehicle.h"
#include "core/platform/Clock.h"
#include "core/platform/GuiDialogs.h"
#include "core/platform/Platform.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/report/TFormRaport.h"
#include "gui/widgets/BusyCursor.h"

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
    const BusyCursor busy(TabMain->ButtonPolacz);
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
    if (!makeConnection(port))
        return;

    if (m_raport != nullptr) {
        const LinkIdentity identity = m_vehicle->Identity();
        ReportData &report = m_raport->reportData();
        report.InterfaceName = identity.interfaceName;
        report.ModuleAddress = identity.moduleAddress;
        report.Protocol = identity.protocol;
    }
    showIdentification();

    setConnectedControls(true);
    m_state.BusyCount = 0;
    m_state.Connected = true;
}

bool TMainForm::makeConnection(const QString &port)
{
    if (m_state.Settings.Interface == VehicleInterface::Elm327 && makeAdapter)
        m_vehicle->chooseAdapter(makeAdapter(m_state.Settings));
    else
        m_vehicle->chooseStandard();

    // Each step is logged as it ends; an adapter can take seconds, so the log is repainted at
    // once. A failed step says why, and the port is closed again.
    auto log = [this](const QString &line) {
        appendStatusLine(line);
        TabMain->MemoStatus->repaint();
    };
    // The reason of a failure is also put in front of the operator, who may not be watching the log.
    auto tell = [this](const QString &reason) {
        m_platform.dialogs.message(reason, MessageIcon::Error, MessageButtons::Ok);
    };
    const LinkStep opened = m_vehicle->OpenPort(port);
    if (!opened.ok) {
        log(opened.line);
        m_vehicle->Close();
        tell(opened.line);
        return false;
    }
    log(portLine(port, SOpen));

    using Step = LinkStep (VehicleLink::*)();
    const struct {
        Step step;
        std::uint16_t doneMessage; // 0: the step's own line
    } steps[] = {{&VehicleLink::DetectInterface, 0},
                 {&VehicleLink::ConfigureInterface, SIfaceConfigured},
                 {&VehicleLink::ContactVehicle, SVehCommOK}};
    for (const auto &entry : steps) {
        const LinkStep result = (m_vehicle->*entry.step)();
        if (!result.ok) {
            log(result.line);
            m_vehicle->Close();
            log(portLine(port, SClosed));
            tell(result.line);
            return false;
        }
        log(entry.doneMessage != 0 ? LoadMessage(entry.doneMessage) : result.line);
    }
    return true;
}

void TMainForm::showIdentification()
{
    // What the vehicle does not answer is shown as unknown ("?") or left empty.
    showFaultSummary();
    const std::optional<std::uint8_t> standard = m_vehicle->ReadObdStandard();
    TabMain->LabeledEditOBDStd->setText(standard ? ObdStandardText(*standard) : QString());
    TabMain->LabeledEditVIN->setText(m_vehicle->ReadVin().value_or(QString()));
    TabMain->LabelMILStatus->show();
    TabMain->LabelDTCStatus->show();
}

void TMainForm::showFaultSummary()
{
    const MonitorStatus status = m_vehicle->ReadMonitorStatus();
    const std::optional<bool> lit = MilLit(status.ok ? status.milStatusWord : kMilNoAnswer);
    TabMain->LabelMILStatus->setText(lit ? LoadMessage(*lit ? SMILOn : SMILOff) : QStringLiteral("?"));
    TabMain->LabelDTCStatus->setText(status.ok ? QString::number(status.storedCodeCount) : QStringLiteral("?"));
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

    m_vehicle->Close();
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
