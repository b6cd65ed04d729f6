#include "gui/mainwindow/MainTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/livedata/PidStatusTexts.h"
#include "core/platform/AdapterFactory.h"
#include "core/platform/Clock.h"
#include "core/platform/LocaleFacts.h"
#include "core/units/BatteryVoltage.h"
#include "core/vehicle/ChosenVehicle.h"
#include "gui/mainwindow/HeldCloseRequest.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int kModulesDisconnectMs = 500;
constexpr int kDisconnectedMs = 1000;
constexpr int kPortClosedMs = 1000;

} // namespace

MainTab::MainTab(TabContext &context, MainTabPage &page, ChosenVehicle &vehicle, TComPort &port)
    : QObject(&page), m_context(context), m_page(page), m_vehicle(vehicle), m_port(port)
{
    connect(m_page.ButtonPolacz, &QPushButton::clicked, this, &MainTab::ButtonPolaczClick);
}

void MainTab::ButtonPolaczClick()
{
    // What the tab shows decides: a connection shown, whichever way it came to be shown, is closed.
    const BusyCursor busy(m_page.ButtonPolacz);
    const QString port = linkName();
    if (!m_connectionShown)
        connectBranch(port);
    else
        disconnectBranch(port);
}

QString MainTab::linkName() const
{
    // A Wi-Fi adapter is named by its address and TCP port in the connection log.
    const AppSettings &settings = m_context.state.Settings;
    if (settings.Interface == VehicleInterface::Elm327Wifi)
        return settings.WifiHost + u':' + QString::number(settings.WifiPort);
    return m_port.portName();
}

QString MainTab::portLine(const QString &port, std::uint16_t stateMessage) const
{
    return LoadMessage(SPort) + u' ' + port + u' ' + LoadMessage(stateMessage);
}

void MainTab::appendStatusLine(const QString &line)
{
    m_page.MemoStatus->appendPlainText(line);
}

void MainTab::replaceLastStatusLine(const QString &line)
{
    QTextCursor cursor(m_page.MemoStatus->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
}

void MainTab::showStepStarted(const QString &line)
{
    // Only the connection's steps are shown so; the link announces nothing else.
    if (!m_connecting)
        return;
    logStep(line);
    m_stepShown = true;
}

void MainTab::logStep(const QString &line)
{
    if (m_stepShown)
        replaceLastStatusLine(line);
    else
        appendStatusLine(line);
    m_stepShown = false;
    m_page.MemoStatus->repaint();
}

void MainTab::setConnectedControls(bool connected)
{
    m_connectionShown = connected;
    m_page.ButtonPolacz->setText(LoadMessage(connected ? SDisconnect : SConnect));
    m_page.ButtonPrintReport->setEnabled(connected);
    emit connectedShown(connected);
}

void MainTab::connectBranch(const QString &port)
{
    ResetIdentification();
    if (!makeConnection(port))
        return;

    emit linkIdentified(m_vehicle.Identity());
    showIdentification();

    setConnectedControls(true);
    m_context.state.BusyCount = 0;
    m_context.state.Connected = true;
}

bool MainTab::makeConnection(const QString &port)
{
    const AppSettings &settings = m_context.state.Settings;
    if (settings.Interface != VehicleInterface::Simulator) {
        m_vehicle.chooseAdapter(m_context.platform.adapters.makeAdapter(settings));
        // The protocol search may take half a minute: the window is repainted meanwhile, but
        // takes no clicks. A link that dies is noticed inside a read: running loops end at their
        // next check of Connected, and the window follows once the handler has returned.
        m_vehicle.SetEvents({m_context.pidReader.debugLine,
                             [this] { m_context.platform.clock.processEventsWithoutInput(); },
                             [this] {
                                 m_context.state.Connected = false;
                                 QMetaObject::invokeMethod(this, &MainTab::adapterLost, Qt::QueuedConnection);
                             },
                             [this](const QString &line) { showStepStarted(line); }});
    } else
        m_vehicle.chooseStandard();

    // Each step is logged as it ends, in place of the adapter's line saying what it waits on; an
    // adapter can take seconds, so the log is repainted at once. A failed step says why, and the
    // port is closed again.
    m_connecting = true;
    m_stepShown = false;
    const auto connecting = qScopeGuard([this] { m_connecting = false; });
    auto log = [this](const QString &line) { logStep(line); };
    // The reason of a failure is also put in front of the operator, who may not be watching the log;
    // unless the operator closed the window while the adapter was waited on.
    const bool adapter = settings.Interface != VehicleInterface::Simulator;
    auto tell = [this, adapter](const QString &reason) {
        if (adapter && CarryOutHeldCloseRequest(*m_page.window()))
            return;
        m_context.platform.dialogs.message(reason, MessageIcon::Error, MessageButtons::Ok);
    };
    const LinkStep opened = m_vehicle.OpenPort(port);
    if (!opened.ok) {
        log(opened.line);
        m_vehicle.Close();
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
    // Once the adapter is set up it measures the battery; a car that does not answer on a low
    // battery is said to have its ignition off or its battery flat.
    const QChar decimal = m_context.platform.locale.decimalSeparator();
    std::optional<double> &volts = m_context.state.BatteryVolts;
    volts.reset();
    for (const auto &entry : steps) {
        LinkStep result = (m_vehicle.*entry.step)();
        if (!result.ok) {
            if (entry.step == &VehicleLink::ContactVehicle)
                result.line = NoAnswerLine(result.line, volts, decimal);
            log(result.line);
            m_vehicle.Close();
            log(portLine(port, SClosed));
            tell(result.line);
            return false;
        }
        log(entry.doneMessage != 0 ? LoadMessage(entry.doneMessage) : result.line);
        if (adapter && entry.step == &VehicleLink::ConfigureInterface) {
            // An adapter that has no measure of its own adds no line.
            volts = m_vehicle.ReadBatteryVoltage();
            if (volts)
                log(BatteryLine(volts, decimal));
        }
    }
    return true;
}

void MainTab::showIdentification()
{
    // What the vehicle does not answer is shown as unknown ("?") or left empty.
    showFaultSummary();
    const std::optional<std::uint8_t> standard = m_vehicle.ReadObdStandard();
    m_page.LabeledEditOBDStd->setText(standard ? ObdStandardText(*standard) : QString());
    m_page.LabeledEditVIN->setText(m_vehicle.ReadVin().value_or(QString()));
    m_page.LabelMILStatus->show();
    m_page.LabelDTCStatus->show();
}

void MainTab::showFaultSummary()
{
    const MonitorStatus status = m_vehicle.ReadMonitorStatus();
    const std::optional<bool> lit = MilLit(status.ok ? status.milStatusWord : kMilNoAnswer);
    m_page.LabelMILStatus->setText(lit ? LoadMessage(*lit ? SMILOn : SMILOff) : QStringLiteral("?"));
    m_page.LabelDTCStatus->setText(status.ok ? QString::number(status.storedCodeCount) : QStringLiteral("?"));
    // The log says why the lamp and the count are not known (a unit that kept quiet).
    const QString why = status.ok ? QString() : m_vehicle.LastFailure();
    if (!why.isEmpty())
        appendStatusLine(LoadMessage(SStatusUnread).arg(why));
}

void MainTab::disconnectBranch(const QString &port)
{
    // Cleared first, so that running loops end at their next check.
    m_context.state.Connected = false;
    m_context.state.BatteryVolts.reset();

    // The pauses block without pumping messages, so no handler runs in between; the log is
    // repainted directly so that the operator still sees each step.
    const QString pending = LoadMessage(SModDiscPend);
    appendStatusLine(pending);
    m_page.MemoStatus->repaint();
    m_context.platform.clock.pause(kModulesDisconnectMs);

    replaceLastStatusLine(pending + QStringLiteral("  ") + LoadMessage(SDisconnected));
    m_page.MemoStatus->repaint();
    m_context.platform.clock.pause(kDisconnectedMs);

    m_vehicle.Close();
    appendStatusLine(portLine(port, SClosed));
    m_page.MemoStatus->repaint();
    m_context.platform.clock.pause(kPortClosedMs);

    emit disconnected(); // every tab is emptied, this one's identification first
    setConnectedControls(false);
    m_page.MemoStatus->clear();
}

void MainTab::ResetIdentification()
{
    m_page.MemoStatus->clear();
    m_page.LabelMILStatus->setText(QString());
    m_page.LabelDTCStatus->setText(QString());
    m_page.LabeledEditOBDStd->setText(QString());
    m_page.LabeledEditVIN->setText(QString());
    m_page.LabelMILStatus->hide();
    m_page.LabelDTCStatus->hide();
}

void MainTab::ComPortAfterOpen()
{
    setConnectedControls(true);
    m_page.MemoStatus->clear();
}

void MainTab::ComPortAfterClose()
{
    setConnectedControls(false);
}

void MainTab::adapterLost()
{
    // Connected was cleared when the loss was noticed; a disconnect in between has done it all.
    if (!m_connectionShown)
        return;
    MainState &state = m_context.state;
    state.Connected = false;
    state.BatteryVolts.reset();
    // The live loop has ended or ends at its next check; the next "Start" starts it afresh.
    state.SensorsRunning = false;
    const QString port = linkName();
    m_vehicle.Close();
    emit disconnected();
    setConnectedControls(false);
    emit linkLost(); // the window shows this tab, where "Połącz" is
    const QString line = LoadMessage(SLinkLost).arg(port);
    appendStatusLine(line);
    appendStatusLine(portLine(port, SClosed));
    m_context.platform.dialogs.message(line, MessageIcon::Error, MessageButtons::Ok);
}
