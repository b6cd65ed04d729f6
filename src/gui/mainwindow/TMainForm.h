#pragma once

#include "core/livedata/FormatPidValue.h"
#include "core/state/MainState.h"

#include <QMainWindow>

#include <array>
#include <memory>

class AccelTab;
class AccelTabPage;
class ChosenVehicle;
class DtcTab;
class DebugLogMemo;
class DtcTabPage;
class FreezeTab;
class MonitorsTab;
class DynoTab;
class DynoTabPage;
class FreezeTabPage;
class MainTab;
class MainTabPage;
class MonitorsTabPage;
class PageControl;
class PlotTab;
class PlotTabPage;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class RecordsMenu;
class SensorsTab;
class SensorsTabPage;
class TAboutForm;
class TComPort;
class TFormRaport;
class TSetupForm;
struct Platform;
struct TabContext;

// The main window: nine tabs (the debug tab hidden), the menu, the status bar showing the hint
// under the pointer, the serial port and the shared state. It keeps the operator on "Główna" until
// a vehicle is connected, and closes what must be closed when the program ends.
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    // vehicle: the data source; the simulated vehicle on the platform's clock when none is given.
    explicit TMainForm(Platform &platform, std::unique_ptr<VehicleLink> vehicle = nullptr);
    ~TMainForm() override;

    // The dialogs are created after the main window; the menu and the print button show them.
    void attachDialogs(TAboutForm *about, TSetupForm *setup, TFormRaport *raport);

    // The window is built in two steps so that it shows quickly: the constructor builds what
    // the first paint shows (menu, tab bar, the main tab, status bar), finishConstruction the
    // pages of the other tabs and their behaviour, in place of the empty pages that stand in for
    // them until then. Calling it again does nothing.
    void finishConstruction();
    bool isComplete() const { return m_complete; }

    MainState &state() { return m_state; }
    TComPort &comPort() { return *ComPort; }
    // Reads PIDs from the vehicle for every tab, logging each read to the debug log.
    PidReader &pidReader() { return *m_pidReader; }
    // What the tabs reach of the main window.
    TabContext &tabContext() { return *m_tabContext; }
    MainTab &mainTab() { return *m_mainTab; }
    SensorsTab &sensorsTab() { return *m_sensorsTab; }
    DtcTab &dtcTab() { return *m_dtcTab; }
    FreezeTab &freezeTab() { return *m_freezeTab; }
    MonitorsTab &monitorsTab() { return *m_monitorsTab; }
    PlotTab &plotTab() { return *m_plotTab; }
    AccelTab &accelTab() { return *m_accelTab; }
    DynoTab &dynoTab() { return *m_dynoTab; }

    // Tab gate: whether the operator may leave the current tab now.
    bool PageControlChanging();
    void ButtonPrintReportClick();
    void MnuZakonczClick();
    void MnuKonfiguracjaClick();
    void MnuOprogramieClick();

    void ResetAllTabs();

    // Appends a line to the hidden debug log.
    void appendDebugLine(const QString &line);

    // The vehicle link the tabs use; each connection chooses the simulated vehicle or an
    // adapter by the settings.
    ChosenVehicle &vehicle() { return *m_vehicle; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildMenu();
    void buildTabs();
    void buildHiddenPages();
    void connectMainTab();
    // What ending the program needs, by "Zakończ" or by closing the window.
    void shutDown();

    Platform &m_platform;
    bool m_complete = false;
    MainState m_state;
    ChosenVehicle *m_vehicle = nullptr; // owned by m_state

    TAboutForm *m_about = nullptr;
    TSetupForm *m_setup = nullptr;
    TFormRaport *m_raport = nullptr;
    std::unique_ptr<PidReader> m_pidReader;
    std::unique_ptr<TabContext> m_tabContext;
    // The behaviour of the tabs, each owned by its page.
    MainTab *m_mainTab = nullptr;
    DtcTab *m_dtcTab = nullptr;
    FreezeTab *m_freezeTab = nullptr;
    SensorsTab *m_sensorsTab = nullptr;
    MonitorsTab *m_monitorsTab = nullptr;
    PlotTab *m_plotTab = nullptr;
    AccelTab *m_accelTab = nullptr;
    DynoTab *m_dynoTab = nullptr;

public:
    // Controls and components, named as in the window layout.
    PageControl *Pages = nullptr; // objectName "PageControl"
    MainTabPage *TabMain = nullptr;
    DtcTabPage *TabDTC = nullptr;
    FreezeTabPage *TabFreeze = nullptr;
    SensorsTabPage *TabSensors = nullptr;
    MonitorsTabPage *TabMonitors = nullptr;
    PlotTabPage *TabPlot = nullptr;
    AccelTabPage *TabAccel = nullptr;
    DynoTabPage *TabDyno = nullptr;
    QWidget *TabDebug = nullptr;
    QLabel *Label9 = nullptr;
    DebugLogMemo *MemoDebugLog = nullptr;

    QMenu *MnuPlik = nullptr;
    QAction *MnuZakoncz = nullptr;
    RecordsMenu *Records = nullptr; // "Otwórz log...", "Archiwum raportów..."
    QMenu *MnuUstawienia = nullptr;
    QAction *MnuKonfiguracja = nullptr;
    QMenu *MnuPomoc = nullptr;
    QAction *MnuOprogramie = nullptr;

    TComPort *ComPort = nullptr;
};
