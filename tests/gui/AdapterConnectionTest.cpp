#include "support/core/Elm327StandIn.h"
#include "support/gui/WindowSystemClose.h"
#include "support/gui/WorkstationFixture.h"

#include "core/vehicle/Elm327Vehicle.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/logview/LogChart.h"
#include "gui/logview/LogViewerWindow.h"
#include "gui/mainwindow/DebugLogMemo.h"
#include "gui/mainwindow/RecordsMenu.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/measure/PlotTab.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/report/TFormRaport.h"
#include "gui/units/UnitsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The text of a PDF file as pdftotext reads it, runs of white space made one blank.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("(pdftotext failed)");
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// The stand-in's usual car on CAN: fast, it takes the response count and several PIDs a
// request; otherwise it refuses both and is read one PID a request.
Elm327StandIn::Script canCar(bool fast)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    if (fast) {
        script.countDigit = Elm327StandIn::CountDigit::Accepted;
        script.severalPids = Elm327StandIn::SeveralPids::Whole;
    }
    return script;
}

} // namespace

// The workstation with an ELM327 adapter chosen, the port being a link to the stand-in's
// pseudo-terminal (so that an adapter plugged in again appears under the same name).
class AdapterConnectionTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        plugIn(Elm327StandIn::DefaultScript());
        start();
    }

    void plugIn(const Elm327StandIn::Script &script)
    {
        standIn = std::make_unique<Elm327StandIn>(script);
        QFile::remove(port());
        ASSERT_TRUE(QFile::link(standIn->portName(), port()));
    }

    void startWithAdapter()
    {
        env.settings.present = true;
        env.settings.values = {{QStringLiteral("Port"), port()},
                               {QStringLiteral("Interfejs"), QStringLiteral("ELM327")},
                               {QStringLiteral("Predkosc"), QStringLiteral("115200")},
                               {QStringLiteral("LogDirectory"), folder.path()}};
        start();
    }

    QString port() const { return folder.filePath(QStringLiteral("elm")); }
    QString portLine(const char *state) const
    {
        return QStringLiteral("Port %1 %2").arg(port(), QString::fromUtf8(state));
    }

    // Connects through the adapter with script, on the tab "Kody błędów" afterwards.
    void connectTo(const Elm327StandIn::Script &script)
    {
        plugIn(script);
        startWithAdapter();
        clickPolacz();
        ASSERT_TRUE(state().Connected);
    }

    // The report printed to a PDF file, as text.
    QString reportText()
    {
        const QString path = folder.filePath(QStringLiteral("protokol.pdf"));
        env.dialogs.printerAnswers = {true};
        env.dialogs.onPrinterChosen = [path](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        };
        click(workstation->raportForm().ButtonPrint);
        return pdfText(path);
    }

    QTemporaryDir folder;
    std::unique_ptr<Elm327StandIn> standIn;
};

TEST_F(AdapterConnectionTest, ShowsTheVehicleBehindTheAdapterOnEveryTab)
{
    startWithAdapter();
    EXPECT_EQ(state().Settings.BaudRate, 115200);
    clickPolacz();
    EXPECT_EQ(statusLines(),
              (QStringList{portLine("otwarty"), QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                           QStringLiteral("Skonfigurowano interfejs"), QStringLiteral("Napięcie akumulatora: 12,6 V"),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    ASSERT_TRUE(state().Connected);
    MainTabPage &tab = *main().TabMain;
    EXPECT_EQ(tab.LabelMILStatus->text(), QStringLiteral("Zapalona"));
    EXPECT_EQ(tab.LabelDTCStatus->text(), QStringLiteral("3"));
    EXPECT_EQ(tab.LabeledEditOBDStd->text(), QStringLiteral("OBD i OBD II"));
    EXPECT_EQ(tab.LabeledEditVIN->text(), QStringLiteral("WDB2030461A123456"));
    const ReportData &report = workstation->raportForm().reportData();
    EXPECT_EQ(report.InterfaceName, QStringLiteral("ELM327 v1.5"));
    EXPECT_EQ(report.ModuleAddress, QStringLiteral("$7E8h"));
    EXPECT_EQ(report.Protocol, QStringLiteral("ISO 15765-4 (CAN 11/500)"));

    clickTab(main().TabDTC);
    DtcTabPage &dtc = *main().TabDTC;
    click(dtc.ButtonDTCOdczytaj);
    EXPECT_EQ(dtc.LabelDTCPendCount->text(), QStringLiteral("1"));
    EXPECT_EQ(dtc.LabelDTCStoredCount->text(), QStringLiteral("3"));
    EXPECT_EQ(dtc.StringGridDTCPending->Cells(0, 1), QStringLiteral("P0420"));
    EXPECT_TRUE(dtc.StringGridDTCPending->Cells(0, 2).isEmpty());
    EXPECT_TRUE(dtc.StringGridDTCPending->Cells(1, 6).isEmpty()); // no description without a code
    EXPECT_EQ(dtc.StringGridDTCStored->Cells(0, 3), QStringLiteral("P0171"));
    EXPECT_FALSE(dtc.StringGridDTCStored->Cells(1, 3).isEmpty());
    EXPECT_EQ(dtc.LabelDTCMILStatus->text(), QStringLiteral("Zapalona"));
    env.dialogs.answers = {MessageAnswer::Yes};
    click(dtc.ButtonDTCKasuj);
    EXPECT_TRUE(dtc.StringGridDTCStored->Cells(0, 1).isEmpty());
    const std::vector<QByteArray> sent = standIn->commands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), QByteArray("04")), sent.end());

    clickTab(main().TabFreeze);
    FreezeTabPage &freeze = *main().TabFreeze;
    click(freeze.ButtonFreezeRead);
    EXPECT_EQ(freeze.LabeledEditDTCCode->text(), QStringLiteral("P0133"));
    EXPECT_FALSE(freeze.LabeledEditDTCDesc->text().isEmpty());
    EXPECT_EQ(freeze.StringGridFreezeParams->Cells(3, 10), QStringLiteral("1000")); // PID 0C
    EXPECT_EQ(freeze.StringGridFreezeParams->Cells(3, 3), QStringLiteral("50")); // PID 05

    clickTab(main().TabMonitors);
    click(main().TabMonitors->ButtonMonitorRead);
    EXPECT_EQ(main().TabMonitors->StringGridMonitorCont->Cells(1, 1), QStringLiteral("Zakończony"));
    EXPECT_EQ(main().TabMonitors->StringGridMonitorNonCont->Cells(1, 3), QStringLiteral("Niezakończony"));
}

TEST_F(AdapterConnectionTest, AFailedStepIsLoggedAndLeavesThePortClosed)
{
    // The battery is low as well: the ignition may be off.
    plugIn([] {
        Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
        script.fixed["0100"] = "SEARCHING...\rUNABLE TO CONNECT";
        script.battery = "10.2V";
        return script;
    }());
    startWithAdapter();
    clickPolacz();
    EXPECT_EQ(statusLines(),
              (QStringList{portLine("otwarty"), QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                           QStringLiteral("Skonfigurowano interfejs"), QStringLiteral("Napięcie akumulatora: 10,2 V"),
                           QStringLiteral("Błąd: interfejs działa, ale pojazd nie odpowiada (UNABLE TO CONNECT) - "
                                          "sprawdź, czy zapłon jest włączony; napięcie akumulatora wynosi tylko 10,2 V "
                                          "- zapłon może być wyłączony lub akumulator rozładowany"),
                           portLine("zamknięty")}));
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    // The reason is also shown in a box, and the long line wraps in the log instead of running
    // out of its sight.
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].text, statusLines()[4]);
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(main().TabMain->MemoStatus->horizontalScrollBar()->maximum(), 0);

    // A missing port says so, and nothing else is tried.
    QFile::remove(port());
    clickPolacz();
    EXPECT_EQ(statusLines(), QStringList{QStringLiteral("Błąd: port %1 nie istnieje").arg(port())});
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(env.dialogs.texts().last(), statusLines()[0]);
}

// The close button pressed while the adapter answers its reset late: held back with the clicks
// until the wait ends, then carried out, before the failure's message box could block the window
// (and drop it).
TEST_F(AdapterConnectionTest, AWindowClosedWhileTheAdapterIsWaitedOnClosesWhenTheWaitEnds)
{
    plugIn([] {
        Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
        script.lateMs["ATZ"] = 300;
        script.fixed["0100"] = "SEARCHING...\rUNABLE TO CONNECT";
        return script;
    }());
    startWithAdapter();
    bool asked = false;
    QTimer::singleShot(50, &main(), [&] {
        asked = true;
        RequestCloseAsTheWindowSystemDoes(main().windowHandle());
    });
    clickPolacz();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(state().Connected);
    EXPECT_TRUE(env.dialogs.shown.empty()) << env.dialogs.texts().join(u'|').toStdString();
}

TEST_F(AdapterConnectionTest, PullingTheAdapterOutIsNoticedAtOnceAndALaterConnectionWorks)
{
    startWithAdapter();
    clickPolacz();
    ASSERT_TRUE(state().Connected);
    clickTab(main().TabSensors);

    // Reads are counted by their debug-log lines. The adapter is pulled out after a few: the
    // live loop ends with the first read that finds the port gone, and the window shows itself
    // disconnected, as after "Rozłącz", saying why.
    int reads = 0;
    QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, [&] {
        if (state().SensorsRunning && ++reads == 4)
            standIn->unplug();
    });
    click(main().TabSensors->ButtonStart);
    QCoreApplication::processEvents(); // the window's part, once the click has returned
    EXPECT_LE(reads, 6);
    EXPECT_FALSE(state().SensorsRunning);
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    const QString lost = QStringLiteral("Błąd: utracono połączenie z interfejsem na porcie %1 - sprawdź podłączenie i "
                                        "połącz ponownie")
                             .arg(port());
    EXPECT_EQ(statusLines(), (QStringList{lost, portLine("zamknięty")}));
    EXPECT_EQ(env.dialogs.texts().value(env.dialogs.texts().size() - 1), lost);

    plugIn(Elm327StandIn::DefaultScript());
    clickPolacz();
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(statusLines().size(), 5);
}

// A Wi-Fi adapter whose connection closes, or that hangs and answers nothing, while a tab uses
// the link: the window shows itself disconnected on "Główna", says why, and "Połącz" connects at
// once. The link waits 100 ms for a reply, so that three silent requests take a fraction of a
// second.
TEST_F(AdapterConnectionTest, ALinkLostOnAnyTabLeavesTheOperatorOneClickFromPolacz)
{
    const ElmTimeouts quick{3000, 100, 3000};
    const struct {
        const char *name;
        QWidget *(*page)(TMainForm &);
        QPushButton *(*button)(TMainForm &);
        bool loop; // the button starts a loop, which the loss must end
        bool silent; // the adapter hangs rather than closing the connection
    } cases[] = {
        {"sensors, closed", [](TMainForm &m) -> QWidget * { return m.TabSensors; },
         [](TMainForm &m) { return m.TabSensors->ButtonStart; }, true, false},
        {"sensors, silent", [](TMainForm &m) -> QWidget * { return m.TabSensors; },
         [](TMainForm &m) { return m.TabSensors->ButtonStart; }, true, true},
        {"plot, closed", [](TMainForm &m) -> QWidget * { return m.TabPlot; },
         [](TMainForm &m) { return m.TabPlot->ButtonPlotStart; }, true, false},
        {"plot, silent", [](TMainForm &m) -> QWidget * { return m.TabPlot; },
         [](TMainForm &m) { return m.TabPlot->ButtonPlotStart; }, true, true},
        {"codes, closed", [](TMainForm &m) -> QWidget * { return m.TabDTC; },
         [](TMainForm &m) { return m.TabDTC->ButtonDTCOdczytaj; }, false, false},
        {"codes, silent", [](TMainForm &m) -> QWidget * { return m.TabDTC; },
         [](TMainForm &m) { return m.TabDTC->ButtonDTCOdczytaj; }, false, true},
        {"freeze frame, silent", [](TMainForm &m) -> QWidget * { return m.TabFreeze; },
         [](TMainForm &m) { return m.TabFreeze->ButtonFreezeRead; }, false, true},
        {"monitors, silent", [](TMainForm &m) -> QWidget * { return m.TabMonitors; },
         [](TMainForm &m) { return m.TabMonitors->ButtonMonitorRead; }, false, true},
        {"monitor tests, closed", [](TMainForm &m) -> QWidget * { return m.TabMonitorTests; },
         [](TMainForm &m) { return m.TabMonitorTests->ButtonMonitorTestsRead; }, false, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        auto wifi = std::make_unique<Elm327StandIn>(Elm327StandIn::DefaultScript(), Elm327StandIn::Serving::Tcp);
        env.settings.present = true;
        env.settings.values = {{QStringLiteral("Interfejs"), QStringLiteral("ELM327WiFi")},
                               {QStringLiteral("AdresWiFi"), QStringLiteral("127.0.0.1")},
                               {QStringLiteral("PortWiFi"), QString::number(wifi->tcpPort())}};
        start();
        env.adapters.links.push_back(
            std::make_unique<Elm327Vehicle>(ElmTcpTarget{QStringLiteral("127.0.0.1"), wifi->tcpPort()}, quick));
        clickPolacz();
        ASSERT_TRUE(state().Connected);
        clickTab(entry.page(main()));
        ASSERT_EQ(currentPage(), entry.page(main()));

        auto lose = [&] {
            if (entry.silent)
                wifi->edit([](Elm327StandIn::Script &s) { s.silent = true; });
            else
                wifi->unplug();
        };
        int lines = 0;
        const QMetaObject::Connection watch =
            QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, [&] {
                if (!entry.loop)
                    return;
                if (++lines == 1 && state().PlotRunning) // a trace to read
                    main().TabPlot->ComboBoxPlot[0]->setCurrentIndex(int(main().plotTab().plotPidMap().indexOf(0x0C)));
                if (lines == 3)
                    lose();
                if (lines == 200) // never reached while the loss ends the loop
                    entry.button(main())->click();
            });
        if (!entry.loop)
            lose();
        // A single read asks too little to tell silence from a slow answer: the operator tries again.
        for (int click = 0; click < 3 && state().Connected; ++click) {
            this->click(entry.button(main()));
            QCoreApplication::processEvents(); // the window's part, once the click has returned
        }
        QObject::disconnect(watch);
        EXPECT_LT(lines, 200);
        EXPECT_FALSE(state().Connected);
        EXPECT_EQ(currentPage(), main().TabMain);
        EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
        EXPECT_TRUE(main().TabMain->ButtonPolacz->isVisible());
        EXPECT_TRUE(env.dialogs.texts().contains(
            QStringLiteral("Błąd: utracono połączenie z interfejsem na porcie 127.0.0.1:%1 - sprawdź podłączenie i "
                           "połącz ponownie")
                .arg(wifi->tcpPort())));

        // The adapter back (here: another one on the same settings), one click connects.
        wifi = std::make_unique<Elm327StandIn>(Elm327StandIn::DefaultScript(), Elm327StandIn::Serving::Tcp);
        env.adapters.links.push_back(
            std::make_unique<Elm327Vehicle>(ElmTcpTarget{QStringLiteral("127.0.0.1"), wifi->tcpPort()}, quick));
        clickPolacz();
        EXPECT_TRUE(state().Connected);
        clickTab(main().TabMain);
        clickPolacz();
    }
}

TEST_F(AdapterConnectionTest, TheDialogChoosesTheInterfaceItsPortAndSpeed)
{
    TSetupForm &setup = workstation->setupForm();
    EXPECT_EQ(setup.ComboBoxInterfejs->currentText(), QStringLiteral("Symulator"));
    EXPECT_EQ(setup.ComboBoxPredkosc->currentText(), QStringLiteral("38400"));
    EXPECT_FALSE(setup.ComboBoxPredkosc->isEnabled());
    EXPECT_EQ(setup.ComboBoxPredkosc->accessibleName(), QStringLiteral("Prędkość"));

    QTemporaryDir logs;
    setup.EditLogDir->setText(logs.path());
    setup.ComboBoxInterfejs->setCurrentIndex(1);
    EXPECT_TRUE(setup.ComboBoxPredkosc->isEnabled());
    setup.ComboBoxPredkosc->setCurrentIndex(setup.ComboBoxPredkosc->findText(QStringLiteral("500000")));
    setup.EditPort->clear();
    QTest::keyClicks(setup.EditPort, port());
    setup.ButtonSaveClick();
    EXPECT_EQ(state().Settings.Interface, VehicleInterface::Elm327);
    EXPECT_EQ(state().Settings.BaudRate, 500000);
    EXPECT_EQ(main().comPort().portName(), port());
    EXPECT_EQ(env.settings.values.value(QStringLiteral("Interfejs")), QStringLiteral("ELM327"));
    EXPECT_EQ(env.settings.values.value(QStringLiteral("Predkosc")), QStringLiteral("500000"));

    clickPolacz();
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(statusLines().value(1), QStringLiteral("Wykryto interfejs ELM327 v1.5"));
}

TEST_F(AdapterConnectionTest, TwoUnitsShowTheirCodesAndARefusedClearKeepsThem)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    auto &gearbox = script.units[0].answers;
    gearbox["03"] = {QByteArray::fromHex("43010700")};
    gearbox["07"] = {QByteArray::fromHex("47010715")};
    gearbox["0101"] = {QByteArray::fromHex("410181000000")};
    gearbox["04"] = {QByteArray::fromHex("7F0422")};
    connectTo(script);
    EXPECT_EQ(main().TabMain->LabelDTCStatus->text(), QStringLiteral("4"));

    clickTab(main().TabDTC);
    DtcTabPage &dtc = *main().TabDTC;
    click(dtc.ButtonDTCOdczytaj);
    QStringList stored;
    for (int row = 1; row <= 5; ++row)
        stored << dtc.StringGridDTCStored->Cells(0, row);
    EXPECT_EQ(stored, (QStringList{"P0133", "P0300", "P0171", "P0700", ""}));
    EXPECT_EQ(dtc.StringGridDTCPending->Cells(0, 2), QStringLiteral("P0715"));
    EXPECT_EQ(dtc.LabelDTCStoredCount->text(), QStringLiteral("4"));

    env.dialogs.answers = {MessageAnswer::Yes};
    click(dtc.ButtonDTCKasuj);
    EXPECT_EQ(env.dialogs.texts().last(),
              QStringLiteral("Pojazd nie skasował kodów błędów.\r\nsterownik $7E9h odmówił (7F 04 22: warunki nie "
                             "pozwalają - np. pracuje silnik)"));
    EXPECT_EQ(dtc.StringGridDTCStored->Cells(0, 4), QStringLiteral("P0700"));
    EXPECT_TRUE(dtc.ButtonDTCKasuj->isEnabled());

    const QString report = reportText();
    for (const char *code : {"P0133 - ", "P0300 - ", "P0171 - ", "P0700 - ", "P0420 - ", "P0715 - "})
        EXPECT_TRUE(report.contains(QLatin1String(code))) << code << "\n" << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Kontrolka MIL: Zapalona")));
    EXPECT_FALSE(report.contains(QStringLiteral("Brak zarejestrowanych błędów")));
    // The adapter's protocol as the adapter describes it, without the simulated link's bus.
    EXPECT_TRUE(report.contains(QStringLiteral("Standard komunikacji diagnostycznej: ISO 15765-4 (CAN 11/500) Adres")))
        << report.toStdString();
}

// A real car's codes that the first table lacks, on the fault-code tab, as the freeze frame's
// trigger and in the printed report: the generic table's texts, and the manufacturer's own range
// said to be so.
TEST_F(AdapterConnectionTest, ARealCarsGenericCodesAreDescribedOnScreenAndInTheReport)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    auto &engine = script.units[1].answers;
    engine["03"] = {QByteArray::fromHex("4305C10020020A8034001234")};
    engine["07"] = {QByteArray::fromHex("47010301")};
    engine["020200"] = {QByteArray::fromHex("420200C100")};
    connectTo(script);

    const QString u0100 = QStringLiteral("U0100 - Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A");
    const QStringList stored = {
        u0100,
        QStringLiteral("P2002 - Filtr cząstek stałych (DPF) (Bank 1) - skuteczność poniżej progu"),
        QStringLiteral("P0A80 - Akumulator trakcyjny (hybrydowy) - wymagana wymiana"),
        QStringLiteral("P3400 - Układ odłączania cylindrów (Bank 1) - usterka"),
        QStringLiteral("P1234 - Kod producenta - opis w dokumentacji producenta pojazdu"),
    };
    clickTab(main().TabDTC);
    DtcTabPage &dtc = *main().TabDTC;
    click(dtc.ButtonDTCOdczytaj);
    QStringList shown;
    for (int row = 1; row <= 5; ++row)
        shown << dtc.StringGridDTCStored->Cells(0, row) + QStringLiteral(" - ")
                     + dtc.StringGridDTCStored->Cells(1, row);
    EXPECT_EQ(shown, stored);
    EXPECT_EQ(dtc.StringGridDTCPending->Cells(1, 1), QStringLiteral("Cylinder 1 - wykryte wypadanie zapłonów "));

    clickTab(main().TabFreeze);
    click(main().TabFreeze->ButtonFreezeRead);
    EXPECT_EQ(main().TabFreeze->LabeledEditDTCCode->text() + QStringLiteral(" - ")
                  + main().TabFreeze->LabeledEditDTCDesc->text(),
              u0100);

    const QString report = reportText();
    for (const QString &line : stored)
        EXPECT_TRUE(report.contains(line)) << line.toStdString() << "\n" << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("Brak opisu kodu w bazie")));
}

TEST_F(AdapterConnectionTest, FailingReadsNeverShowACleanCar)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    connectTo(script);
    standIn->edit([](Elm327StandIn::Script &s) {
        s.fixed["0101"] = "STOPPED";
        s.fixed["03"] = "7E8 04 43 01 01 33\rCAN ERROR";
        s.units[0].answers.erase("07"); // the gearbox keeps quiet
    });

    clickTab(main().TabDTC);
    DtcTabPage &dtc = *main().TabDTC;
    click(dtc.ButtonDTCOdczytaj);
    EXPECT_EQ(env.dialogs.texts().last(), QStringLiteral("Nie udało się odczytać pamięci usterek pojazdu:\r\n"
                                                         "- stan kontrolki \"Check Engine\": STOPPED\r\n"
                                                         "- kody oczekujące: sterownik $7E9h nie odpowiedział\r\n"
                                                         "- kody zarejestrowane: CAN ERROR"));
    EXPECT_EQ(dtc.LabelDTCStoredCount->text(), QStringLiteral("?"));
    EXPECT_EQ(dtc.LabelDTCPendCount->text(), QStringLiteral("?"));
    EXPECT_TRUE(dtc.StringGridDTCStored->Cells(0, 1).isEmpty());
    EXPECT_TRUE(dtc.StringGridDTCPending->Cells(0, 1).isEmpty());
    EXPECT_TRUE(dtc.LabelDTCMILStatus->isHidden());
    EXPECT_TRUE(dtc.ImageMILoff->isHidden());

    clickTab(main().TabMonitors);
    click(main().TabMonitors->ButtonMonitorRead);
    EXPECT_EQ(env.dialogs.texts().last(),
              QStringLiteral("Nie udało się odczytać stanu monitorów diagnostycznych.\r\nSTOPPED"));
    EXPECT_TRUE(main().TabMonitors->StringGridMonitorCont->Cells(1, 1).isEmpty());

    const QString report = reportText();
    EXPECT_TRUE(report.contains(QStringLiteral("Kontrolka MIL: Nie odczytano"))) << report.toStdString();
    EXPECT_EQ(report.count(QStringLiteral("Nie udało się odczytać pamięci usterek")), 2);
    EXPECT_TRUE(report.contains(QStringLiteral("CAT Nie odczytano")));
    EXPECT_FALSE(report.contains(QStringLiteral("Brak zarejestrowanych błędów")));
    EXPECT_FALSE(report.contains(QStringLiteral("Zapalona")));
}

// The gearbox has lit the lamp and holds a code, but keeps quiet on the status: no tab and no
// report shows the lamp out and no codes as if the whole car had been read, and each names the unit.
TEST_F(AdapterConnectionTest, AUnitSilentOnTheStatusNeverLeavesTheCarShownClean)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.units[0].answers.erase("0101");
    script.units[0].answers["03"] = {QByteArray::fromHex("43010700")};
    script.units[1].answers["0101"] = {QByteArray::fromHex("410100076504")};
    script.units[1].answers["03"] = {QByteArray::fromHex("4300")};
    connectTo(script);
    const QString silent = QStringLiteral("sterownik $7E9h nie odpowiedział");
    MainTabPage &tab = *main().TabMain;
    EXPECT_EQ(tab.LabelMILStatus->text(), QStringLiteral("?"));
    EXPECT_EQ(tab.LabelDTCStatus->text(), QStringLiteral("?"));
    EXPECT_EQ(statusLines().value(5),
              QStringLiteral("Nie udało się odczytać stanu kontrolki \"Check Engine\" i liczby kodów: ") + silent);

    clickTab(main().TabMonitors);
    click(main().TabMonitors->ButtonMonitorRead);
    EXPECT_EQ(env.dialogs.texts().last(),
              QStringLiteral("Nie udało się odczytać stanu monitorów diagnostycznych.\r\n") + silent);

    const QString report = reportText();
    EXPECT_TRUE(report.contains(QStringLiteral("Kontrolka MIL: Nie odczytano (") + silent + u')'))
        << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("Zgaszona")));
    EXPECT_TRUE(report.contains(QStringLiteral("P0700 - ")));
}

TEST_F(AdapterConnectionTest, ADieselShowsAndPrintsItsOwnMonitors)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.units[1].answers["0101"] = {QByteArray::fromHex("410100082501")}; // bit 2 of C names nothing
    // Its oxygen sensors are told in four banks (PID 1D), not in two (13).
    script.units[1].answers["0100"] = {QByteArray::fromHex("4100BC1F8019")};
    script.units[1].answers["011D"] = {QByteArray::fromHex("411D11")};
    connectTo(script);
    clickTab(main().TabMonitors);
    StringGrid *grid = main().TabMonitors->StringGridMonitorNonCont;
    click(main().TabMonitors->ButtonMonitorRead);
    EXPECT_EQ(grid->Cells(0, 1), QStringLiteral("Monitor katalizatora NMHC"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("Niezakończony"));
    EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("-"));
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("-"));
    EXPECT_EQ(grid->Cells(0, 6), QStringLiteral("Monitor czujników spalin"));
    EXPECT_EQ(grid->Cells(1, 6), QStringLiteral("Zakończony"));

    const QString report = reportText();
    EXPECT_TRUE(report.contains(QStringLiteral("NMHC Niezakończony"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("EGS Zakończony")));
    EXPECT_FALSE(report.contains(QStringLiteral("HCAT")));
    EXPECT_TRUE(report.contains(QStringLiteral("Ilość czujników tlenu: 2 Lokalizacja czujników tlenu: B1S1 B3S1")));

    // Another car afterwards: the names of a petrol engine again.
    clickTab(main().TabMain);
    clickPolacz();
    EXPECT_EQ(grid->Cells(0, 1), QStringLiteral("Monitor katalizatora"));
}

// Read with the response count and several PIDs a request, the sensor loop shows the operator
// exactly what it shows read one PID a request: the grid as each read begins, pass after pass,
// with the gearbox also giving a speed and one PID failing until it is taken as unsupported.
TEST_F(AdapterConnectionTest, TheSensorLoopShowsTheSameWhenReadTheFastWay)
{
    constexpr int kReads = 40; // four passes and a half
    startWithAdapter();
    std::vector<QStringList> seen[2];
    for (const bool fast : {false, true}) {
        SCOPED_TRACE(fast ? "fast" : "plain");
        Elm327StandIn::Script script = canCar(fast);
        script.units[0].answers["010D"] = {QByteArray::fromHex("410D14")};
        script.units[1].answers.erase("0111");
        plugIn(script);
        clickPolacz();
        ASSERT_TRUE(state().Connected);
        clickTab(main().TabSensors);
        StringGrid *grid = main().TabSensors->StringGridSensors;
        const QMetaObject::Connection watch =
            QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog,
                             [&](const QString &line) {
                                 if (!line.startsWith(QLatin1String("Reading sensors")))
                                     return;
                                 QStringList cells;
                                 for (int row = 1; row <= 10; ++row)
                                     for (int column = 1; column <= 5; ++column)
                                         cells << grid->Cells(column, row);
                                 seen[fast].push_back(cells);
                                 if (seen[fast].size() == kReads)
                                     click(main().TabSensors->ButtonStart);
                             });
        click(main().TabSensors->ButtonStart);
        QObject::disconnect(watch);
        clickTab(main().TabMain);
        clickPolacz();
        ASSERT_FALSE(state().Connected);
    }
    ASSERT_EQ(seen[0].size(), std::size_t(kReads));
    EXPECT_EQ(seen[1], seen[0]);
    EXPECT_EQ(seen[0][9].value(5 * 5 + 4), QStringLiteral("50")); // the engine's speed, row 6
    const std::vector<QByteArray> sent = standIn->commands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), QByteArray("01030405060C0D4")), sent.end());
}

// The plot, read the fast way, shows the same values pass after pass; a PID plotted twice is
// read twice, as before.
TEST_F(AdapterConnectionTest, ThePlotShowsTheSameWhenReadTheFastWay)
{
    constexpr int kReads = 30;
    startWithAdapter();
    std::vector<QStringList> seen[2];
    for (const bool fast : {false, true}) {
        SCOPED_TRACE(fast ? "fast" : "plain");
        plugIn(canCar(fast));
        clickPolacz();
        ASSERT_TRUE(state().Connected);
        clickTab(main().TabPlot);
        PlotTabPage &plot = *main().TabPlot;
        const QMetaObject::Connection watch =
            QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog,
                             [&](const QString &line) {
                                 if (!line.startsWith(QLatin1String("Reading sensors")))
                                     return;
                                 const QList<std::uint8_t> &map = main().plotTab().plotPidMap();
                                 if (seen[fast].empty()) {
                                     plot.ComboBoxPlot[0]->setCurrentIndex(int(map.indexOf(0x0C)));
                                     plot.ComboBoxPlot[1]->setCurrentIndex(int(map.indexOf(0x0D)));
                                     plot.ComboBoxPlot[2]->setCurrentIndex(int(map.indexOf(0x0C)));
                                     plot.CBP[3]->setChecked(false);
                                 }
                                 QStringList texts;
                                 for (int k = 0; k < 5; ++k)
                                     texts << plot.EditPlot[k]->text();
                                 seen[fast].push_back(texts);
                                 if (seen[fast].size() == kReads)
                                     click(plot.ButtonPlotStart);
                             });
        click(plot.ButtonPlotStart);
        QObject::disconnect(watch);
        clickTab(main().TabMain);
        clickPolacz();
        ASSERT_FALSE(state().Connected);
    }
    // From the third pass, once the traces are chosen, to the pass during which Stop came.
    ASSERT_EQ(seen[1].size(), seen[0].size());
    ASSERT_GE(seen[0].size(), std::size_t(kReads));
    const auto window = [](const std::vector<QStringList> &all) {
        return std::vector<QStringList>(all.begin() + 8, all.begin() + kReads - 2);
    };
    EXPECT_EQ(window(seen[1]), window(seen[0]));
    EXPECT_EQ(seen[0][8].mid(0, 3), (QStringList{"1726", "50", "1726"}));
    const std::vector<QByteArray> sent = standIn->commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), QByteArray("010C0D1")),
              std::count(sent.begin(), sent.end(), QByteArray("010C1")));
    EXPECT_GT(std::count(sent.begin(), sent.end(), QByteArray("010C0D1")), 3);
}

// A recent car announces PIDs past 0x4E: the sensors tab lists them after the others, reads
// those the operator checks, logs them, the log viewer reads them back and the plot offers the
// numeric ones.
TEST_F(AdapterConnectionTest, ARecentCarsPidsPastFourEAreShownLoggedViewedAndPlotted)
{
    connectTo(Elm327StandIn::RecentCarScript());
    state().Settings.LogDirectory = folder.path();
    clickTab(main().TabSensors);
    SensorsTabPage &sensors = *main().TabSensors;
    StringGrid &grid = *sensors.StringGridSensors;
    const auto rowOf = [&grid](const char *pid) {
        for (int row = 1; row < grid.rowCountWithHeader(); ++row)
            if (grid.Cells(2, row) == QLatin1String(pid))
                return QStringList{grid.Cells(3, row), grid.Cells(4, row), grid.Cells(5, row)}.join(u'|');
        return QStringLiteral("(none)");
    };
    QStringList firstPass;
    QStringList shown;
    int passes = 0;
    const auto onLine = [&](const QString &line) {
        if (!state().SensorsRunning)
            return;
        // Each pass starts with PID 0x03, the first of the default selection.
        if (line.endsWith(QLatin1String("(PID: 3)")) && ++passes == 1) {
            // The operator checks some of the car's PIDs.
            for (std::uint8_t pid : {0x51, 0x5C, 0x65, 0x7C, 0xA6})
                state().Selection.SetSelected(pid, true);
        } else if (passes == 2 && line.endsWith(QLatin1String("(PID: 12)"))) {
            for (int row = 1; row < grid.rowCountWithHeader(); ++row)
                firstPass << grid.Cells(2, row);
            click(sensors.ButtonLogToFile); // the third pass is the log's first line
        } else if (passes == 4 && line.endsWith(QLatin1String("(PID: 3)"))) {
            for (const char *pid : {"4F", "51", "5C", "5E", "65", "7C", "8E", "A6"})
                shown << rowOf(pid);
            click(sensors.ButtonStart);
        }
    };
    const QMetaObject::Connection watch =
        QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, onLine);
    click(sensors.ButtonStart);
    QObject::disconnect(watch);

    // The read PIDs in order, the separator, then those listed: 0x4F and the others past 0x4E
    // after 0x4E.
    const qsizetype separator = firstPass.indexOf(QString());
    EXPECT_EQ(firstPass.mid(separator - 5, 5), (QStringList{"51", "5C", "65", "7C", "A6"}));
    QStringList listed = firstPass.mid(separator + 1);
    listed.removeAll(QString());
    EXPECT_EQ(listed.mid(listed.indexOf(QStringLiteral("4F"))), (QStringList{"4F", "5E", "61", "62", "63", "8E"}));
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Zakresy: lambda / napięcie O2 / prąd O2 / MAP|lambda / V / mA / kPa|"),
                           QStringLiteral("Rodzaj paliwa||Olej napędowy"),
                           QStringLiteral("Temperatura oleju silnikowego|st C|83"),
                           QStringLiteral("Chwilowe zużycie paliwa|l/h|"),
                           QStringLiteral("Nieopisany parametr - surowe bajty|hex|01 00"),
                           QStringLiteral("Temp. DPF: B1 wlot / wylot, B2 wlot / wylot|st C|360,0 / 310,0 / N/A / N/A"),
                           QStringLiteral("Moment tarcia wewnętrznego silnika|%|"),
                           QStringLiteral("Przebieg (licznik kilometrów)|km|200000,0")}));

    // The log names them in its header; the viewer reads them back and charts the numbers.
    const QStringList logs = QDir(folder.path()).entryList({QStringLiteral("log*.csv")});
    ASSERT_EQ(logs.size(), 1);
    const QString path = folder.filePath(logs.first());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine(), QByteArray("Ulmora Log,03,04,05,06,0C,0D,0E,10,11,51,5C,65,7C,A6,\r\n"));
    env.dialogs.filesToOpen = {path};
    main().Records->MnuOtworzLog->trigger();
    const QList<LogViewerWindow *> viewers = main().findChildren<LogViewerWindow *>();
    ASSERT_EQ(viewers.size(), 1);
    LogViewerWindow &viewer = *viewers.first();
    EXPECT_TRUE(env.dialogs.shown.empty());
    ASSERT_GE(viewer.data().rowCount(), 1);
    QComboBox &list = *viewer.ComboBoxLog[0];
    EXPECT_NE(list.findText(QStringLiteral("Temperatura oleju silnikowego")), -1);
    EXPECT_NE(list.findText(QStringLiteral("Przebieg (licznik kilometrów)")), -1);
    EXPECT_EQ(list.findText(QStringLiteral("Rodzaj paliwa")), -1);
    EXPECT_EQ(list.findText(QStringLiteral("Nieopisany parametr - surowe bajty")), -1);
    ASSERT_TRUE(viewer.chooseParameter(4, 0x5C));
    EXPECT_EQ(viewer.chart().valueAxis(4).label(), QStringLiteral("st C"));
    const QAbstractItemModel &table = *viewer.TableLog->model();
    EXPECT_EQ(table.headerData(11, Qt::Horizontal).toString(),
              QStringLiteral("5C Temperatura oleju silnikowego [st C]"));
    EXPECT_EQ(table.index(0, 10).data().toString(), QStringLiteral("Olej napędowy"));
    EXPECT_EQ(table.index(0, 11).data().toString(), QStringLiteral("83"));
    EXPECT_EQ(table.index(0, 13).data().toString(), QStringLiteral("360.0 / 310.0 / N/A / N/A"));
    EXPECT_EQ(table.index(0, 14).data().toString(), QStringLiteral("200000.0"));
    viewer.close();

    // The plot offers the numeric ones, with their units.
    clickTab(main().TabPlot);
    PlotTabPage &plot = *main().TabPlot;
    int plotPasses = 0;
    QString oil;
    QString unit;
    const QMetaObject::Connection plotWatch =
        QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, [&] {
            const QList<std::uint8_t> &map = main().plotTab().plotPidMap();
            if (++plotPasses == 1) {
                EXPECT_TRUE(map.contains(0x4F));
                EXPECT_FALSE(map.contains(0x51));
                EXPECT_FALSE(map.contains(0x65));
                EXPECT_EQ(map.back(), 0xA6);
                plot.ComboBoxPlot[0]->setCurrentIndex(int(map.indexOf(0x5C)));
            } else if (plotPasses == 15) {
                oil = plot.EditPlot[0]->text();
                unit = plot.LabelPlot[0]->text();
                click(plot.ButtonPlotStart);
            }
        });
    click(plot.ButtonPlotStart);
    QObject::disconnect(plotWatch);
    EXPECT_EQ(oil, QStringLiteral("83"));
    EXPECT_EQ(unit, QStringLiteral("st C"));
}

// A Wi-Fi adapter chosen in the dialog, reached on 127.0.0.1: the connection log names its
// address, and the live values come through it.
TEST_F(AdapterConnectionTest, AWifiAdapterChosenInTheDialogShowsLiveValues)
{
    Elm327StandIn wifi(Elm327StandIn::DefaultScript(), Elm327StandIn::Serving::Tcp);
    TSetupForm &setup = workstation->setupForm();
    setup.ComboBoxInterfejs->setCurrentIndex(setup.ComboBoxInterfejs->findText(QStringLiteral("ELM327 Wi-Fi")));
    EXPECT_FALSE(setup.ComboBoxPredkosc->isEnabled());
    EXPECT_TRUE(setup.EditAdresWiFi->isEnabled());
    EXPECT_EQ(setup.EditAdresWiFi->text(), QStringLiteral("192.168.0.10"));
    EXPECT_EQ(setup.SpinBoxPortTcp->value(), 35000);
    EXPECT_EQ(setup.EditAdresWiFi->accessibleName(), QStringLiteral("Adres Wi-Fi"));
    EXPECT_EQ(setup.SpinBoxPortTcp->accessibleName(), QStringLiteral("Port TCP"));
    setup.EditAdresWiFi->setText(QStringLiteral("127.0.0.1"));
    setup.SpinBoxPortTcp->setValue(wifi.tcpPort());
    QTemporaryDir logs;
    setup.EditLogDir->setText(logs.path());
    setup.ButtonSaveClick();
    EXPECT_EQ(env.settings.values.value(QStringLiteral("Interfejs")), QStringLiteral("ELM327WiFi"));
    EXPECT_EQ(env.settings.values.value(QStringLiteral("PortWiFi")), QString::number(wifi.tcpPort()));

    clickPolacz();
    const QString line = QStringLiteral("Port 127.0.0.1:%1 otwarty").arg(wifi.tcpPort());
    EXPECT_EQ(statusLines(),
              (QStringList{line, QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                           QStringLiteral("Skonfigurowano interfejs"), QStringLiteral("Napięcie akumulatora: 12,6 V"),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    ASSERT_TRUE(state().Connected);
    EXPECT_EQ(main().TabMain->LabeledEditVIN->text(), QStringLiteral("WDB2030461A123456"));

    // The values column while the loop runs, taken after two passes.
    clickTab(main().TabSensors);
    StringGrid &grid = *main().TabSensors->StringGridSensors;
    QStringList values;
    int reads = 0;
    QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, [&] {
        if (!state().SensorsRunning || ++reads != 30)
            return;
        for (int row = 1; row <= 9; ++row)
            values << grid.Cells(5, row);
        main().TabSensors->ButtonStart->click();
    });
    click(main().TabSensors->ButtonStart);
    EXPECT_TRUE(values.contains(QStringLiteral("1726"))) << values.join(u'|').toStdString();
    EXPECT_TRUE(values.contains(QStringLiteral("50"))) << values.join(u'|').toStdString();
}

TEST_F(AdapterConnectionTest, ASpeedFoundAutomaticallyIsLogged)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.baudRate = 9600;
    plugIn(script);
    env.settings.present = true;
    env.settings.values = {{QStringLiteral("Port"), port()},
                           {QStringLiteral("Interfejs"), QStringLiteral("ELM327")},
                           {QStringLiteral("Predkosc"), QStringLiteral("Automatycznie")}};
    start();
    EXPECT_EQ(workstation->setupForm().ComboBoxPredkosc->currentText(), QStringLiteral("Automatycznie"));
    // What the log ends in at each change: the step under way stands last until its result
    // replaces it, so that no wait on the adapter is a silent log.
    QStringList shown;
    QObject::connect(main().TabMain->MemoStatus, &QPlainTextEdit::textChanged, main().TabMain->MemoStatus, [&] {
        const QString last = statusLines().value(statusLines().size() - 1);
        if (!last.isEmpty() && shown.value(shown.size() - 1) != last)
            shown << last;
    });
    clickPolacz();
    EXPECT_EQ(shown,
              (QStringList{portLine("otwarty"), QStringLiteral("Sprawdzanie prędkości interfejsu: 38400 b/s..."),
                           QStringLiteral("Sprawdzanie prędkości interfejsu: 9600 b/s..."),
                           QStringLiteral("Resetowanie interfejsu..."), QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                           QStringLiteral("Konfigurowanie interfejsu..."), QStringLiteral("Skonfigurowano interfejs"),
                           QStringLiteral("Napięcie akumulatora: 12,6 V"),
                           QStringLiteral("Wyszukiwanie protokołu pojazdu (do 30 s)..."),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    EXPECT_EQ(statusLines(),
              (QStringList{portLine("otwarty"), QStringLiteral("Znaleziono prędkość interfejsu: 9600 b/s"),
                           QStringLiteral("Wykryto interfejs ELM327 v1.5"), QStringLiteral("Skonfigurowano interfejs"),
                           QStringLiteral("Napięcie akumulatora: 12,6 V"),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    EXPECT_TRUE(state().Connected);

    // A step that fails takes the place of the line that announced it.
    clickPolacz(); // disconnects
    plugIn([] {
        Elm327StandIn::Script other = Elm327StandIn::DefaultScript();
        other.baudRate = 57600;
        return other;
    }());
    shown.clear();
    clickPolacz();
    EXPECT_EQ(shown.mid(shown.size() - 3),
              (QStringList{QStringLiteral("Sprawdzanie prędkości interfejsu: 500000 b/s..."),
                           QStringLiteral("Błąd: interfejs nie odpowiada przy żadnej prędkości (38400, 9600, 115200, "
                                          "230400, 500000) - sprawdź podłączenie"),
                           portLine("zamknięty")}));
    EXPECT_EQ(statusLines().size(), 3);
}

// A car of two units: the new tab shows each unit's name, calibrations, counters and permanent
// codes, the battery is measured again on request, and the report prints them on a second page.
TEST_F(AdapterConnectionTest, ShowsEachUnitsOwnDataAndPrintsItOnASecondPage)
{
    startWithAdapter();
    clickPolacz();
    ASSERT_TRUE(state().Connected);
    clickTab(main().TabUnits);
    UnitsTabPage &tab = *main().TabUnits;
    EXPECT_EQ(tab.LabelBatteryVoltage->text(), QStringLiteral("12,6 V")); // as measured at the connection
    click(tab.ButtonUnitsRead);
    ASSERT_EQ(tab.ListBoxUnits->count(), 2);
    EXPECT_EQ(tab.ListBoxUnits->item(0)->text(), QStringLiteral("$7E8h ECM-EngineControl"));
    EXPECT_EQ(tab.ListBoxUnits->item(1)->text(), QStringLiteral("$7E9h TCM-TransmissionCtl"));
    EXPECT_EQ(tab.EditUnitName->text(), QStringLiteral("ECM-EngineControl"));
    EXPECT_EQ(tab.StringGridCalibrations->rowCountWithHeader(), 3);
    EXPECT_EQ(tab.StringGridCalibrations->Cells(0, 2), QStringLiteral("KVD11B0205ABC"));
    EXPECT_EQ(tab.StringGridCalibrations->Cells(1, 2), QStringLiteral("00C0FFEE"));
    EXPECT_EQ(tab.LabelInUseCounters->text(), QStringLiteral("Mianownik ogólny: 512, Cykle zapłonu: 2044"));
    EXPECT_EQ(tab.StringGridInUse->Cells(4, 7), QStringLiteral("za niski")); // the evaporative system, 9 of 400
    StringGrid &permanent = *tab.StringGridPermanent;
    ASSERT_EQ(permanent.rowCountWithHeader(), 3);
    EXPECT_EQ(permanent.Cells(1, 1), QStringLiteral("P0420"));
    EXPECT_EQ(permanent.Cells(2, 1), QStringLiteral("System katalizatora (Bank 1) - wydajność poniżej progu "));
    EXPECT_EQ(permanent.Cells(0, 2), QStringLiteral("$7E9h"));
    EXPECT_EQ(permanent.Cells(2, 2), QStringLiteral("nieobsługiwane przez sterownik"));

    tab.ListBoxUnits->setCurrentRow(1);
    EXPECT_EQ(tab.EditUnitAddress->text(), QStringLiteral("$7E9h"));
    EXPECT_EQ(tab.EditInfoTypes->text(), QStringLiteral("04 06 0A"));
    EXPECT_EQ(tab.StringGridCalibrations->Cells(1, 1), QStringLiteral("DEADBEEF"));
    EXPECT_EQ(tab.LabelInUseCounters->text(), QStringLiteral("nieobsługiwane przez sterownik"));
    EXPECT_EQ(tab.StringGridInUse->rowCountWithHeader(), 1);

    EXPECT_EQ(tab.LabelBatteryVoltage->text(), QStringLiteral("12,6 V"));
    standIn->edit([](Elm327StandIn::Script &script) { script.battery = "11.9V"; });
    click(tab.ButtonBatteryRefresh);
    EXPECT_EQ(tab.LabelBatteryVoltage->text(), QStringLiteral("11,9 V"));

    // Ticked for a car behind an adapter: the second page follows the first.
    EXPECT_TRUE(workstation->raportForm().CheckBoxUnits->isChecked());
    const QString path = folder.filePath(QStringLiteral("protokol.pdf"));
    reportText();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Strona 1 z 2")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("DANE STEROWNIKÓW")));
    const QString second = pages[1].simplified();
    for (const QString &line :
         {QStringLiteral("Strona 2 z 2"), QStringLiteral("DANE STEROWNIKÓW"),
          QStringLiteral("Napięcie akumulatora: 11,9 V"), QStringLiteral("Sterownik: $7E8h"),
          QStringLiteral("Nazwa: ECM-EngineControl"), QStringLiteral("KVD11B0204 1A2B3C4D"),
          QStringLiteral("KVD11B0205ABC 00C0FFEE"),
          QStringLiteral("P0420 - System katalizatora (Bank 1) - wydajność poniżej progu"),
          QStringLiteral("Mianownik ogólny: 512, Cykle zapłonu: 2044"), QStringLiteral("0,023 za niski"),
          QStringLiteral("Sterownik: $7E9h"), QStringLiteral("Nazwa: TCM-TransmissionCtl"),
          QStringLiteral("TCM5HP19-0815 DEADBEEF"), QStringLiteral("Przyrząd użyty do badania: ELM327 v1.5")})
        EXPECT_TRUE(second.contains(line)) << line.toStdString() << "\nin: " << second.toStdString();

    // Unticked, the report is its one page again.
    workstation->raportForm().CheckBoxUnits->setChecked(false);
    EXPECT_FALSE(reportText().contains(QStringLiteral("DANE STEROWNIKÓW")));
    EXPECT_FALSE(workstation->raportForm().reportData().IncludeUnits);
}
