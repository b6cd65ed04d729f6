#include "gui/mainwindow/TMainForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/catalogue/ProgramVersion.h"
#include "core/platform/Clock.h"
#include "core/platform/LocaleFacts.h"
#include "core/settings/SettingsIO.h"
#include "core/vehicle/ChosenVehicle.h"
#include "core/vehicle/SimulatedVehicle.h"
#include "gui/faults/DtcTab.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTab.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTab.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/livedata/SensorsTab.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/mainwindow/DebugLogMemo.h"
#include "gui/mainwindow/MainTab.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/RecordsMenu.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/measure/AccelTab.h"
#include "gui/measure/AccelTabPage.h"
#include "gui/measure/DynoTab.h"
#include "gui/measure/DynoTabPage.h"
#include "gui/measure/PlotTab.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/monitortests/MonitorTestsTab.h"
#include "gui/monitortests/MonitorTestsTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/report/TFormRaport.h"
#include "gui/state/TabContext.h"
#include "gui/units/UnitsTab.h"
#include "gui/units/UnitsTabPage.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/Mnemonics.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StatusHints.h"
#include "gui/widgets/StringGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>

namespace {

// The debug log keeps its most recent lines only; a day of live reading would fill memory.
constexpr int kDebugLogMaxLines = 5000;

} // namespace

TMainForm::TMainForm(Platform &platform, std::unique_ptr<VehicleLink> vehicle)
    : m_platform(platform),
      m_otherTabs([this] { return buildOtherTabs(); }),
      m_about([this] { return std::make_unique<TAboutForm>(this); }),
      m_setup([this] { return std::make_unique<TSetupForm>(m_state.Settings, *ComPort, m_platform, this); }),
      m_wait([this] { return std::make_unique<TWaitForm>(this); }),
      m_raport([this] { return std::make_unique<TFormRaport>(*m_tabContext, m_wait.get(), this); })
{
    setObjectName(QStringLiteral("MainForm"));
    auto chosen = std::make_unique<ChosenVehicle>(vehicle ? std::move(vehicle)
                                                          : std::make_unique<SimulatedVehicle>(platform.clock));
    m_vehicle = chosen.get();
    m_state.Vehicle = std::move(chosen);
    m_pidReader = std::make_unique<PidReader>(PidReader{*m_state.Vehicle, platform.locale.decimalSeparator(),
                                                        [this](const QString &line) { appendDebugLine(line); }});
    m_tabContext = std::make_unique<TabContext>(TabContext{platform, m_state, *m_pidReader});
    resize(800, 600);

    ComPort = new TComPort(m_state.Settings, this);

    buildMenu();
    buildTabBar();
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(bar);
    new StatusHints(this, bar);
    new FocusRing(this);
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildAllParts()
{
    m_otherTabs.get();
    m_about.get();
    m_setup.get();
    m_raport.get(); // with its wait notice
}

TAboutForm &TMainForm::aboutForm()
{
    return m_about.get();
}

TSetupForm &TMainForm::setupForm()
{
    return m_setup.get();
}

TFormRaport &TMainForm::raportForm()
{
    return m_raport.get();
}

TWaitForm &TMainForm::waitForm()
{
    return m_wait.get();
}

void TMainForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    // Every title and item has its Alt letter; F10 opens the first menu, Ctrl+Q ends the program.
    Mnemonics titles;

    MnuPlik = bar->addMenu(titles.mark(tr("Plik")));
    MnuPlik->setObjectName(QStringLiteral("MnuPlik"));
    Mnemonics fileItems;
    MnuZakoncz = MnuPlik->addAction(fileItems.mark(tr("Zakończ")), this, &TMainForm::MnuZakonczClick);
    MnuZakoncz->setObjectName(QStringLiteral("MnuZakoncz"));
    MnuZakoncz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Records = new RecordsMenu(*MnuPlik, MnuZakoncz, m_platform, m_state.Settings, *this);
    for (QAction *item : {Records->MnuOtworzLog, Records->MnuArchiwum})
        item->setText(fileItems.mark(item->text()));

    MnuUstawienia = bar->addMenu(titles.mark(tr("Ustawienia")));
    MnuUstawienia->setObjectName(QStringLiteral("MnuUstawienia"));
    MnuKonfiguracja =
        MnuUstawienia->addAction(Mnemonics().mark(tr("Konfiguracja")), this, &TMainForm::MnuKonfiguracjaClick);
    MnuKonfiguracja->setObjectName(QStringLiteral("MnuKonfiguracja"));

    MnuPomoc = bar->addMenu(titles.mark(tr("Pomoc")));
    MnuPomoc->setObjectName(QStringLiteral("MnuPomoc"));
    MnuOprogramie = MnuPomoc->addAction(Mnemonics().mark(tr("O programie")), this, &TMainForm::MnuOprogramieClick);
    MnuOprogramie->setObjectName(QStringLiteral("MnuOprogramie"));

    auto *openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenu, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(MnuPlik->menuAction()); });
}

namespace {

struct TabCaption {
    const char *name;
    QString caption;
    QString hint;
};

// The tabs in their order: the object name of the page, the caption and the hint. The tabs added
// to the workstation later come after the debug log, so that no tab changes its place.
std::array<TabCaption, 11> tabCaptions()
{
    return {{
        {"TabMain", TMainForm::tr("Główna"), TMainForm::tr("Główny ekran programu.")},
        {"TabDTC", TMainForm::tr("Kody błędów"), TMainForm::tr("Odczytywanie i kasowanie kodów błędów")},
        {"TabFreeze", TMainForm::tr("Zamrożone ramki"), TMainForm::tr("Odczytywanie zamrożonych ramek.")},
        {"TabSensors", TMainForm::tr("Czujniki"), TMainForm::tr("Monitorowanie czujników")},
        {"TabMonitors", TMainForm::tr("Monitory"), TMainForm::tr("Odczyt stanu monitorów diagnostycznych.")},
        {"TabPlot", TMainForm::tr("Wykresy"), QString()},
        {"TabAccel", TMainForm::tr("Przyspieszenie"), QString()},
        {"TabDyno", TMainForm::tr("Hamownia"), QString()},
        {"TabDebug", TMainForm::tr("DebugLog"), QString()},
        {"TabUnits", TMainForm::tr("Sterowniki"),
         TMainForm::tr("Dane sterowników: nazwy, kalibracje, wskaźniki wykonania monitorów, kody stałe, napięcie "
                       "akumulatora.")},
        {"TabMonitorTests", TMainForm::tr("Testy monitorów"),
         TMainForm::tr("Wyniki testów wykonywanych przez sterowniki pojazdu (tryb 06).")},
    }};
}

void nameTab(PageControl &pages, int index, QWidget *page, const TabCaption &tab)
{
    page->setObjectName(QString::fromLatin1(tab.name));
    if (!tab.hint.isEmpty()) {
        pages.setTabToolTip(index, tab.hint);
        page->setStatusTip(tab.hint);
    }
}

constexpr int kDebugTabIndex = 8;
constexpr int kUnitsTabIndex = 9;
constexpr int kMonitorTestsTabIndex = 10;

} // namespace

// The tab bar with every caption, the main tab's page and the debug log; empty pages stand in for
// the others until they are built.
void TMainForm::buildTabBar()
{
    Pages = new ::PageControl(this);
    Pages->setObjectName(QStringLiteral("PageControl"));
    setCentralWidget(Pages);

    TabMain = new MainTabPage;
    TabDebug = new QWidget;
    TabDebug->resize(kPageDesignSize);
    Label9 = makeLabel(TabDebug, "Label9", tr("Debug log:"), 8, 8);
    Label9->setFont(pointFont(Label9, 8, true));
    MemoDebugLog = placed(new DebugLogMemo(kDebugLogMaxLines, TabDebug), "MemoDebugLog", QRect(8, 28, 769, 441));
    MemoDebugLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const auto tabs = tabCaptions();
    for (int index = 0; index < int(tabs.size()); ++index) {
        QWidget *page = index == 0 ? TabMain : index == kDebugTabIndex ? TabDebug : new QWidget;
        Pages->addTab(page, tabs[index].caption);
        nameTab(*Pages, index, page, tabs[index]);
    }
    Pages->gatedTabBar()->setGate([this] { return PageControlChanging(); });
    m_mainTab = new MainTab(*m_tabContext, *TabMain, *m_vehicle, *ComPort);
    connectMainTab();
}

std::unique_ptr<TMainForm::OtherTabs> TMainForm::buildOtherTabs()
{
    TabDTC = new DtcTabPage;
    TabFreeze = new FreezeTabPage;
    TabSensors = new SensorsTabPage;
    TabMonitors = new MonitorsTabPage;
    TabPlot = new PlotTabPage;
    TabAccel = new AccelTabPage;
    TabDyno = new DynoTabPage;
    TabUnits = new UnitsTabPage;
    TabMonitorTests = new MonitorTestsTabPage;
    // Each page in the place of its tab: the debug log's place is taken already.
    const std::pair<int, QWidget *> pages[] = {{1, TabDTC},
                                               {2, TabFreeze},
                                               {3, TabSensors},
                                               {4, TabMonitors},
                                               {5, TabPlot},
                                               {6, TabAccel},
                                               {7, TabDyno},
                                               {kUnitsTabIndex, TabUnits},
                                               {kMonitorTestsTabIndex, TabMonitorTests}};
    const auto captions = tabCaptions();
    for (const auto &[index, page] : pages) {
        QWidget *standIn = Pages->widget(index);
        Pages->removeTab(index);
        delete standIn;
        Pages->insertTab(index, page, captions[std::size_t(index)].caption);
        nameTab(*Pages, index, page, captions[std::size_t(index)]);
    }
    Pages->setTabVisible(kDebugTabIndex, false);

    auto tabs = std::make_unique<OtherTabs>(OtherTabs{
        *new DtcTab(*m_tabContext, *TabDTC),
        *new FreezeTab(*m_tabContext, *TabFreeze),
        *new SensorsTab(*m_tabContext, *TabSensors),
        *new MonitorsTab(*m_tabContext, *TabMonitors),
        *new PlotTab(*m_tabContext, *TabPlot),
        *new AccelTab(*m_tabContext, *TabAccel),
        *new DynoTab(*m_tabContext, *TabDyno),
        *new UnitsTab(*m_tabContext, *TabUnits),
        *new MonitorTestsTab(*m_tabContext, *TabMonitorTests),
    });
    // After a clear the main tab asks the vehicle again, so the two tabs never disagree.
    connect(&tabs->dtc, &DtcTab::codesCleared, m_mainTab, &MainTab::showFaultSummary);
    for (const auto &[index, page] : pages)
        for (StringGrid *grid : page->findChildren<StringGrid *>())
            grid->announce();
    resetOtherTabs(*tabs);
    tabs->dyno.SetDynoDefaults();
    return tabs;
}

// What the window does when the main tab connects or disconnects.
void TMainForm::connectMainTab()
{
    connect(ComPort, &TComPort::AfterOpen, m_mainTab, &MainTab::ComPortAfterOpen);
    connect(ComPort, &TComPort::AfterClose, m_mainTab, &MainTab::ComPortAfterClose);
    // The settings stay as they are while a connection is up.
    connect(m_mainTab, &MainTab::connectedShown, this,
            [this](bool connected) { MnuUstawienia->menuAction()->setEnabled(!connected); });
    connect(m_mainTab, &MainTab::linkIdentified, this, [this](const LinkIdentity &identity) {
        raportForm().reportData().setLink(identity);
        raportForm().setUnitsPageDefault(m_vehicle->adapterChosen());
        // Tabs built later show the connection's battery voltage when they are built.
        if (otherTabsBuilt())
            unitsTab().ShowConnectionBattery();
    });
    connect(m_mainTab, &MainTab::disconnected, this, &TMainForm::ResetAllTabs);
    // After a lost link the operator is back where "Połącz" is: the tab gate lets no one leave
    // another tab without a connection.
    connect(m_mainTab, &MainTab::linkLost, this, [this] { Pages->setCurrentWidget(TabMain); });
    connect(TabMain->ButtonPrintReport, &QPushButton::clicked, this, &TMainForm::ButtonPrintReportClick);
}

void TMainForm::FormCreate()
{
    setWindowTitle(LoadMessage(STitle) + QStringLiteral("  ") + ProgramVersion);
    Pages->setTabVisible(kDebugTabIndex, false);
    Pages->setCurrentWidget(TabMain);
    m_state.SensorsRunning = false;
    m_state.PlotRunning = false;
    m_state.Connected = false;
    m_state.Settings.LogDirectory = DefaultLogDirectory();
    m_mainTab->ResetIdentification();
    MemoDebugLog->reset();
    LoadSettings(m_platform.settings, m_platform.dialogs, m_state.Settings);
}

bool TMainForm::PageControlChanging()
{
    // The operator is on the way to another tab: it is there to go to.
    OtherTabs &tabs = m_otherTabs.get();
    if (!m_state.Connected) {
        m_platform.dialogs.message(LoadMessage(STabMsg), MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    if (m_state.holdsTab())
        return false;
    m_state.SensorsRunning = false;
    tabs.dyno.ResetDynoTab();
    tabs.accel.ResetAccelTab();
    return true;
}

void TMainForm::ResetAllTabs()
{
    m_mainTab->ResetIdentification();
    resetOtherTabs(m_otherTabs.get());
}

// Every tab but "Główna", the debug log among them, in the order of ResetAllTabs.
void TMainForm::resetOtherTabs(OtherTabs &tabs)
{
    tabs.dtc.ResetDtcTab();
    tabs.freeze.ResetFreezeFrameTab();
    tabs.sensors.ResetSensorGrid();
    tabs.monitors.ResetMonitorsTab();
    MemoDebugLog->reset();
    tabs.accel.ResetAccelTab();
    tabs.dyno.ResetDynoTab();
    tabs.units.ResetUnitsTab();
    tabs.monitorTests.ResetMonitorTestsTab();
}

void TMainForm::appendDebugLine(const QString &line)
{
    MemoDebugLog->appendLine(line);
}

void TMainForm::ButtonPrintReportClick()
{
    raportForm().exec();
}

void TMainForm::shutDown()
{
    // The sensor log is closed with every line written and every loop running inside a handler is
    // told to stop; nothing is destroyed before those handlers have returned.
    if (m_state.SensorLogActive)
        sensorsTab().CloseSensorLog();
    m_state.stopAllLoops();
}

void TMainForm::MnuZakonczClick()
{
    // Ends the program without the close handling: the application leaves its event loop as soon
    // as the running handlers return.
    shutDown();
    QCoreApplication::exit(0);
}

void TMainForm::MnuKonfiguracjaClick()
{
    setupForm().exec();
}

void TMainForm::MnuOprogramieClick()
{
    aboutForm().exec();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    m_platform.clock.pause(10);
    // The window only hides here and is destroyed when the program's event loop has returned,
    // after every running handler.
    shutDown();
    event->accept();
}
