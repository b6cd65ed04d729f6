#include "support/core/Elm327StandIn.h"
#include "support/gui/WorkstationFixture.h"

#include "core/vehicle/Elm327Vehicle.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/mainwindow/DebugLogMemo.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/report/TFormRaport.h"
#include "gui/widgets/StringGrid.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

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
                               {QStringLiteral("Predkosc"), QStringLiteral("115200")}};
        start();
    }

    QString port() const { return folder.filePath(QStringLiteral("elm")); }
    QString portLine(const char *state) const { return QStringLiteral("Port %1 %2").arg(port(), QString::fromUtf8(state)); }

    QTemporaryDir folder;
    std::unique_ptr<Elm327StandIn> standIn;
};

TEST_F(AdapterConnectionTest, ShowsTheVehicleBehindTheAdapterOnEveryTab)
{
    startWithAdapter();
    EXPECT_EQ(state().Settings.BaudRate, 115200);
    clickPolacz();
    EXPECT_EQ(statusLines(), (QStringList{portLine("otwarty"), QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                                          QStringLiteral("Skonfigurowano interfejs"),
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
    EXPECT_EQ(freeze.StringGridFreezeParams->Cells(3, 3), QStringLiteral("50"));    // PID 05

    clickTab(main().TabMonitors);
    click(main().TabMonitors->ButtonMonitorRead);
    EXPECT_EQ(main().TabMonitors->StringGridMonitorCont->Cells(1, 1), QStringLiteral("Zakończony"));
    EXPECT_EQ(main().TabMonitors->StringGridMonitorNonCont->Cells(1, 3), QStringLiteral("Niezakończony"));
}

TEST_F(AdapterConnectionTest, AFailedStepIsLoggedAndLeavesThePortClosed)
{
    plugIn([] {
        Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
        script.fixed["0100"] = "SEARCHING...\rUNABLE TO CONNECT";
        return script;
    }());
    startWithAdapter();
    clickPolacz();
    EXPECT_EQ(statusLines(),
              (QStringList{portLine("otwarty"), QStringLiteral("Wykryto interfejs ELM327 v1.5"),
                           QStringLiteral("Skonfigurowano interfejs"),
                           QStringLiteral("Błąd: interfejs działa, ale pojazd nie odpowiada (UNABLE TO CONNECT) - "
                                          "sprawdź, czy zapłon jest włączony"),
                           portLine("zamknięty")}));
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    // The reason is also shown in a box, and the long line wraps in the log instead of running
    // out of its sight.
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].text, statusLines()[3]);
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(main().TabMain->MemoStatus->horizontalScrollBar()->maximum(), 0);

    // A missing port says so, and nothing else is tried.
    QFile::remove(port());
    clickPolacz();
    EXPECT_EQ(statusLines(), QStringList{QStringLiteral("Błąd: port %1 nie istnieje").arg(port())});
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(env.dialogs.texts().last(), statusLines()[0]);
}

TEST_F(AdapterConnectionTest, PullingTheAdapterOutDoesNotStopTheLiveLoopAndALaterConnectionWorks)
{
    startWithAdapter();
    clickPolacz();
    ASSERT_TRUE(state().Connected);
    clickTab(main().TabSensors);

    // Reads are counted by their debug-log lines. The adapter is pulled out after a few; the loop
    // goes on failing until every PID has failed three times and then waits idle, which is when
    // the operator returns to "Główna" and presses "Rozłącz".
    int reads = 0;
    QObject::connect(main().MemoDebugLog, &DebugLogMemo::lineAppended, main().MemoDebugLog, [&] {
        if (!state().SensorsRunning || ++reads != 4)
            return;
        standIn->unplug();
        env.clock.at(env.clock.now() + 1, [&] {
            clickTab(main().TabMain);
            clickPolacz();
        });
    });
    click(main().TabSensors->ButtonStart);
    EXPECT_GE(reads, 4 + 9 * 3);
    EXPECT_FALSE(state().SensorsRunning);
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));

    plugIn(Elm327StandIn::DefaultScript());
    clickPolacz();
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(statusLines().size(), 4);
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
