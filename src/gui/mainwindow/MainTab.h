#pragma once

#include "core/vehicle/VehicleLink.h"

#include <QObject>

#include <cstdint>

class ChosenVehicle;
class MainTabPage;
class TComPort;
struct TabContext;

// The behaviour of the "Główna" tab: "Połącz" runs the connection sequence through the steps of
// the vehicle link, logging each, and fills the identification; "Rozłącz" runs the timed
// disconnection and closes the link. What the rest of the window does about it (the settings
// menu, emptying the other tabs, the report's link facts) it learns from the signals.
class MainTab final : public QObject {
    Q_OBJECT
public:
    // vehicle: the link of the tabs, which each connection points at the simulated vehicle or an
    // adapter by the settings; port: the serial port whose name the log shows.
    MainTab(TabContext &context, MainTabPage &page, ChosenVehicle &vehicle, TComPort &port);

    void ButtonPolaczClick();
    void ResetIdentification();
    void ComPortAfterOpen();
    void ComPortAfterClose();
    // Reads the lamp and the number of stored codes from the vehicle again.
    void showFaultSummary();

Q_SIGNALS:
    // The link is up; identity names the interface, the answering module and the protocol.
    void linkIdentified(const LinkIdentity &identity);
    // The controls now show a connection (true) or none (false).
    void connectedShown(bool connected);
    // The link is closed; the other tabs are to be emptied.
    void disconnected();
    // The adapter went away in the middle of a session (after disconnected()).
    void linkLost();

private:
    void connectBranch(const QString &port);
    bool makeConnection(const QString &port);
    void showIdentification();
    void disconnectBranch(const QString &port);
    // An adapter that died in the middle of a session: shown as after "Rozłącz", and said why.
    void adapterLost();
    // What the connection log calls the adapter's line: the serial port, or a Wi-Fi adapter's
    // address and TCP port.
    QString linkName() const;
    QString portLine(const QString &port, std::uint16_t stateMessage) const;
    // The button's caption, the print button and the settings menu show a connection, or none.
    void setConnectedControls(bool connected);
    void appendStatusLine(const QString &line);
    void replaceLastStatusLine(const QString &line);
    // The connection's log: a line that says what the adapter is waited on stands last until the
    // step's own line (done, or why not) takes its place. Each is painted at once.
    void showStepStarted(const QString &line);
    void logStep(const QString &line);

    TabContext &m_context;
    MainTabPage &m_page;
    ChosenVehicle &m_vehicle;
    TComPort &m_port;
    // Whether the controls show a connection: set by a connection and by the port's notification
    // after opening, cleared by a disconnection, a lost link and the notification after closing.
    bool m_connectionShown = false;
    bool m_connecting = false;
    bool m_stepShown = false; // the log's last line is a step still under way
};
