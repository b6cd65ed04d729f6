#pragma once

#include "core/livedata/FormatPidValue.h"
#include "core/state/MainState.h"
#include "gui/mainwindow/BuiltOnFirstUse.h"

#include <QMainWindow>

#include <memory>

class AccelTab;
class AccelTabPage;
class ChosenVehicle;
class DebugLogMemo;
class DtcTab;
class DtcTabPage;
class DynoTab;
class DynoTabPage;
class FreezeTab;
class FreezeTabPage;
class MainTab;
class MainTabPage;
class MonitorsTab;
class MonitorsTabPage;
class MonitorTestsTab;
class MonitorTestsTabPage;
class PageControl;
class PlotTab;
class PlotTabPage;
class QAction;
class QLabel;
class QMenu;
class RecordsMenu;
class SensorsTab;
class SensorsTabPage;
class TAboutForm;
class TComPort;
class TFormRaport;
class TSetupForm;
class TWaitForm;
class UnitsTab;
class UnitsTabPage;
struct Platform;
struct TabContext;

// The main window: ten tabs (the debug tab hidden), the menu, the status bar showing the hint
// under the pointer, the serial port and the shared state. It keeps the operator on "Główna" until
// a vehicle is connected, and closes what must be closed when the program ends.
//
// What the first paint shows (menu, tab bar, the main tab, status bar) is built with the window;
// the pages of the other tabs and the dialogs are built when first asked for, and all of them at
// once by buildAllParts().
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    // vehicle: the data source; the simulated vehicle on the platform's clock when none is given.
    explicit TMainForm(Platform &platform, std::unique_ptr<VehicleLink> vehicle = nullptr);
    ~TMainForm() override;

    // Builds every part not built yet, as the program does right after its first paint.
    void buildAllParts();
    bool otherTabsBuilt() const { return m_otherTabs.built(); }

    MainState &state() { return m_state; }
    TComPort &comPort() { return *ComPort; }
    // Reads PIDs from the vehicle for every tab, logging each read to the debug log.
    PidReader &pidReader() { return *m_pidReader; }
    // What the tabs reach of the main window.
    TabContext &tabContext() { return *m_tabContext; }
    MainTab &mainTab() { return *m_mainTab; }
    SensorsTab &sensorsTab() { return m_otherTabs.get().sensors; }
    DtcTab &dtcTab() { return m_otherTabs.get().dtc; }
    FreezeTab &freezeTab() { return m_otherTabs.get().freeze; }
    MonitorsTab &monitorsTab() { return m_otherTabs.get().monitors; }
    PlotTab &plotTab() { return m_otherTabs.get().plot; }
    AccelTab &accelTab() { return m_otherTabs.get().accel; }
    DynoTab &dynoTab() { return m_otherTabs.get().dyno; }
    UnitsTab &unitsTab() { return m_otherTabs.get().units; }
    MonitorTestsTab &monitorTestsTab() { return m_otherTabs.get().monitorTests; }

    // The dialogs, shown modally (the wait notice without waiting); alive until the program ends.
    TAboutForm &aboutForm();
    TSetupForm &setupForm();
    TFormRaport &raportForm();
    TWaitForm &waitForm();

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
    // The behaviour of the tabs other than "Główna" and the debug log, each owned by its page.
    struct OtherTabs {
        DtcTab &dtc;
        FreezeTab &freeze;
        SensorsTab &sensors;
        MonitorsTab &monitors;
        PlotTab &plot;
        AccelTab &accel;
        DynoTab &dyno;
        UnitsTab &units;
        MonitorTestsTab &monitorTests;
    };

    void FormCreate();
    void buildMenu();
    void buildTabBar();
    // The pages of the other tabs with their behaviour, in place of the empty pages that stand in
    // for them until then.
    std::unique_ptr<OtherTabs> buildOtherTabs();
    void resetOtherTabs(OtherTabs &tabs);
    void connectMainTab();
    // What ending the program needs, by "Zakończ" or by closing the window.
    void shutDown();

    Platform &m_platform;
    MainState m_state;
    ChosenVehicle *m_vehicle = nullptr; // owned by m_state

    std::unique_ptr<PidReader> m_pidReader;
    std::unique_ptr<TabContext> m_tabContext;
    MainTab *m_mainTab = nullptr; // owned by its page
    BuiltOnFirstUse<OtherTabs> m_otherTabs;
    BuiltOnFirstUse<TAboutForm> m_about;
    BuiltOnFirstUse<TSetupForm> m_setup;
    BuiltOnFirstUse<TWaitForm> m_wait;
    BuiltOnFirstUse<TFormRaport> m_raport; // uses the wait notice and the tabs' context

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
    UnitsTabPage *TabUnits = nullptr; // after the debug log
    MonitorTestsTabPage *TabMonitorTests = nullptr;
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
