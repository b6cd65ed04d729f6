#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/report/TFormRaport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

class ConnectionTest : public WorkstationTest {};

TEST_F(ConnectionTest, ConnectingWritesFourLogLinesAndTheIdentification)
{
    env.settings.present = true;
    env.settings.values[QStringLiteral("Port")] = QStringLiteral("ttyUSB3");
    start();

    clickPolacz();
    EXPECT_EQ(statusLines(),
              (QStringList{QStringLiteral("Port ttyUSB3 otwarty"), QStringLiteral("Wykryto interfejs QL-40"),
                           QStringLiteral("Skonfigurowano interfejs"),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    MainTabPage *tab = main().TabMain;
    EXPECT_EQ(tab->LabelMILStatus->text(), QStringLiteral("Zapalona"));
    EXPECT_FALSE(tab->LabelMILStatus->isHidden());
    EXPECT_EQ(tab->LabelDTCStatus->text(), QStringLiteral("6"));
    EXPECT_FALSE(tab->LabelDTCStatus->isHidden());
    EXPECT_EQ(tab->LabeledEditOBDStd->text(), QStringLiteral("EOBD (Europa)"));
    EXPECT_EQ(tab->LabeledEditVIN->text(), QStringLiteral("YV1LS5596P2123456"));
    EXPECT_EQ(tab->ButtonPolacz->text(), QStringLiteral("Rozłącz"));
    EXPECT_FALSE(main().MnuUstawienia->menuAction()->isEnabled());
    EXPECT_TRUE(tab->ButtonPrintReport->isEnabled());
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(state().BusyCount, 0);
    EXPECT_EQ(env.clock.now(), 0);

    const ReportData &report = workstation->raportForm().reportData();
    EXPECT_EQ(report.InterfaceName, QStringLiteral("QL-40"));
    EXPECT_EQ(report.ModuleAddress, QStringLiteral("$F1h"));
    EXPECT_EQ(report.Protocol, QStringLiteral("ISO"));
}

TEST_F(ConnectionTest, DisconnectingRunsItsTimedSequenceWithoutPumpingMessages)
{
    clickPolacz();
    std::vector<std::pair<qint64, QStringList>> seen;
    env.clock.onPause([&](qint64 now, int) { seen.emplace_back(now, statusLines()); });
    const int pumpsBefore = env.clock.pumps();

    clickPolacz();

    const QString pending = QStringLiteral("Trwa rozłączanie modułów... ");
    const QString done = QStringLiteral("Trwa rozłączanie modułów...    rozłączono");
    const QString portClosed = QStringLiteral("Port COM1 zamknięty");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].first, 0);
    EXPECT_EQ(seen[0].second.last(), pending);
    EXPECT_EQ(seen[1].first, 500);
    EXPECT_EQ(seen[1].second.last(), done);
    EXPECT_EQ(seen[2].first, 1500);
    EXPECT_EQ(seen[2].second.mid(4), (QStringList{done, portClosed}));
    EXPECT_EQ(env.clock.pauses(), (std::vector<int>{500, 1000, 1000}));
    EXPECT_EQ(env.clock.now(), 2500);
    EXPECT_EQ(env.clock.pumps(), pumpsBefore);

    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    EXPECT_FALSE(main().TabMain->ButtonPrintReport->isEnabled());
    EXPECT_TRUE(main().TabMain->LabelMILStatus->isHidden());
    EXPECT_TRUE(main().TabMain->LabeledEditVIN->text().isEmpty());
    // The report keeps the identification of the last connection.
    EXPECT_EQ(workstation->raportForm().reportData().InterfaceName, QStringLiteral("QL-40"));

    clickTab(main().TabFreeze);
    EXPECT_EQ(currentPage(), main().TabMain);
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(STabMsg)});
}

TEST_F(ConnectionTest, ConnectionStateClearsBeforeTheDisconnectPauses)
{
    clickPolacz();
    state().SensorsRunning = true;
    bool connectedDuringPause = true;
    env.clock.onPause([&](qint64, int) { connectedDuringPause = state().Connected; });
    clickPolacz();
    EXPECT_FALSE(connectedDuringPause);
}

TEST_F(ConnectionTest, AConnectionShownDecidesBetweenConnectingAndDisconnecting)
{
    // The port's notification after opening shows a connection that was never made: the next
    // click closes it.
    Q_EMIT main().ComPort->AfterOpen();
    ASSERT_FALSE(state().Connected);
    clickPolacz();
    EXPECT_EQ(env.clock.now(), 2500);
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(main().TabMain->ButtonPolacz->text(), QStringLiteral("Połącz"));

    clickPolacz();
    clickPolacz();
    clickPolacz();
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(statusLines().size(), 4);
}
