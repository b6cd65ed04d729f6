// An adapter that dies in the middle of a session (pulled out, its port gone): the window shows
// itself disconnected at once, as after "Rozłącz", and says why in the connection log and in a
// message; "Połącz" connects again.
#include "gui/mainwindow/TMainForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/GuiDialogs.h"
#include "core/platform/Platform.h"
#include "core/vehicle/ChosenVehicle.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TComPort.h"

#include <QPushButton>

void TMainForm::adapterLost()
{
    // Connected was cleared when the loss was noticed; a disconnect in between has done it all.
    if (TabMain->ButtonPolacz->text() != LoadMessage(SDisconnect))
        return;
    m_state.Connected = false;
    // The live loop has ended or ends at its next check; the next "Start" starts it afresh.
    m_state.SensorsRunning = false;
    const QString port = ComPort->portName();
    m_vehicle->Close();
    ResetAllTabs();
    setConnectedControls(false);
    const QString line = LoadMessage(SLinkLost).arg(port);
    appendStatusLine(line);
    appendStatusLine(portLine(port, SClosed));
    m_platform.dialogs.message(line, MessageIcon::Error, MessageButtons::Ok);
}
