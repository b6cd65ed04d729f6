#include "support/core/Elm327StandIn.h"
#include "support/gui/WorkstationFixture.h"

#include "core/vehicle/Elm327Vehicle.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>

class MonitorTestsTabTest : public WorkstationTest {
protected:
    // Connects to the stand-in's car through a Wi-Fi adapter of 127.0.0.1 and reads the tab.
    void readThroughTheStandIn(const Elm327StandIn::Script &script)
    {
        wifi = std::make_unique<Elm327StandIn>(script, Elm327StandIn::Serving::Tcp);
        env.settings.present = true;
        env.settings.values = {{QStringLiteral("Interfejs"), QStringLiteral("ELM327WiFi")},
                               {QStringLiteral("AdresWiFi"), QStringLiteral("127.0.0.1")},
                               {QStringLiteral("PortWiFi"), QString::number(wifi->tcpPort())}};
        start();
        clickPolacz();
        ASSERT_TRUE(state().Connected);
        clickTab(main().TabMonitorTests);
        ASSERT_EQ(currentPage(), main().TabMonitorTests);
        click(page().ButtonMonitorTestsRead);
    }

    MonitorTestsTabPage &page() { return *main().TabMonitorTests; }
    StringGrid &results() { return *page().StringGridMonitorTests; }
    StringGrid &misfires() { return *page().StringGridMisfire; }

    // A row of the results as it reads, the columns joined by "|".
    QString row(int at)
    {
        QStringList cells;
        for (int column = 0; column < MonitorTestsTabPage::ColumnCount; ++column)
            cells << results().Cells(column, at);
        return cells.join(u'|');
    }
    // A row of the misfire counts.
    QStringList misfireRow(int at)
    {
        QStringList cells;
        for (int column = 0; column < misfires().columnCount(); ++column)
            cells << misfires().Cells(column, at);
        return cells;
    }

    std::unique_ptr<Elm327StandIn> wifi;
};

// The simulated vehicle's fixed results: a test out of range in red, the misfires of the third
// cylinder at a glance.
TEST_F(MonitorTestsTabTest, ShowsTheSimulatedVehiclesTestsAndMisfires)
{
    clickPolacz();
    clickTab(main().TabMonitorTests);
    ASSERT_EQ(currentPage(), main().TabMonitorTests);
    EXPECT_EQ(main().Pages->tabText(main().Pages->indexOf(&page())), QStringLiteral("Testy monitorów"));
    EXPECT_EQ(results().Cells(MonitorTestsTabPage::ResultColumn, 0), QStringLiteral("Wynik"));
    const qint64 before = env.clock.now();
    click(page().ButtonMonitorTestsRead);
    EXPECT_EQ(env.clock.now() - before, 13 * 100); // thirteen requests
    EXPECT_TRUE(env.dialogs.shown.empty());

    EXPECT_EQ(row(1), QString::fromUtf8("$F1h|Sonda lambda B1S1|Czas przełączania bogata - uboga|72|0|400|ms|OK"));
    EXPECT_EQ(row(5),
              QString::fromUtf8("$F1h|Katalizator Bank 1|Test producenta $81|0,750|0,000|0,500||Poza zakresem"));
    EXPECT_EQ(results().item(4, MonitorTestsTabPage::ResultColumn)->foreground().color(), QColor(0xB0, 0, 0));
    EXPECT_FALSE(results().item(0, MonitorTestsTabPage::ResultColumn)->data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(results().Cells(MonitorTestsTabPage::MonitorColumn, 15),
              QString::fromUtf8("Wypadanie zapłonów - cylinder 4"));
    EXPECT_TRUE(results().Cells(MonitorTestsTabPage::MonitorColumn, 16).isEmpty());
    // One unit: its name is not repeated in every row.
    EXPECT_TRUE(results().isColumnHidden(MonitorTestsTabPage::UnitColumn));
    EXPECT_TRUE(page().LabelMonitorTestsNote->text().isEmpty());

    EXPECT_EQ(misfireRow(0), (QStringList{"Cylinder", "Razem", "1", "2", "3", "4"}));
    EXPECT_EQ(misfireRow(1), (QStringList{QString::fromUtf8("Średnio (10 cykli)"), "3", "0", "0", "3", "0"}));
    EXPECT_EQ(misfireRow(2), (QStringList{"Ostatni cykl", "5", "0", "0", "5", "0"}));

    // A second read lists the same; disconnecting empties the tab.
    click(page().ButtonMonitorTestsRead);
    EXPECT_EQ(row(5),
              QString::fromUtf8("$F1h|Katalizator Bank 1|Test producenta $81|0,750|0,000|0,500||Poza zakresem"));
    clickTab(main().TabMain);
    clickPolacz();
    EXPECT_EQ(row(1), QStringLiteral("|||||||"));
    EXPECT_EQ(misfireRow(0), QStringList{"Cylinder"});
    EXPECT_EQ(results().rowCountWithHeader(), 14);
}

// A car behind an adapter: many-frame answers, a unit that refuses the service, and the older
// protocols, whose results are raw.
TEST_F(MonitorTestsTabTest, ListsTheTestsOfACarThroughTheAdapter)
{
    readThroughTheStandIn(Elm327StandIn::DefaultScript());
    EXPECT_TRUE(env.dialogs.shown.empty()) << env.dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(row(2), QString::fromUtf8("$7E8h|Sonda lambda B1S1|Czas przełączania bogata - uboga|450|0|400|ms|"
                                        "Poza zakresem"));
    EXPECT_EQ(row(7), QString::fromUtf8("$7E8h|EVAP - nieszczelność 0,040\" (1 mm)|Test producenta $C9|-50,00|"
                                        "-250,00|0,00|Pa|OK"));
    EXPECT_EQ(results().rowCountWithHeader(), 18);
    EXPECT_EQ(page().LabelMonitorTestsNote->text(), QString::fromUtf8("sterownik $7E9h odmówił (7F 06 12)"));
    EXPECT_EQ(misfireRow(2), (QStringList{"Ostatni cykl", "12", "3", "0", "6", "3"}));

    readThroughTheStandIn(Elm327StandIn::ScriptFor(3));
    EXPECT_EQ(row(1), QString::fromUtf8("$10h|Składnik $11|Test $01|450||400|surowe|Poza zakresem"));
    EXPECT_TRUE(page().LabelMonitorTestsNote->text().startsWith(
        QString::fromUtf8("Protokół tego pojazdu podaje wyniki testów bez jednostek")));
    EXPECT_EQ(misfireRow(0), QStringList{"Cylinder"});
}

// Two units with results are told apart by a column; a car without results says so; a read
// that fails shows nothing and says why.
TEST_F(MonitorTestsTabTest, NamesTheUnitsAndSaysWhatCameInstead)
{
    startConnected();
    auto unit = [](std::uint32_t address, const char *name, const char *answer) {
        UnitServiceAnswer said;
        said.unit = address;
        said.name = QString::fromLatin1(name);
        if (answer != nullptr)
            said.answers.push_back(QByteArray::fromHex(answer));
        return said;
    };
    auto answers = [](std::vector<UnitServiceAnswer> units) {
        ServiceAnswers all;
        all.ok = true;
        all.units = std::move(units);
        return all;
    };
    vehicle->services[QByteArray::fromHex("0600")] =
        answers({unit(0x7E8, "$7E8h", "460080000000"), unit(0x7E9, "$7E9h", "460080000000")});
    vehicle->services[QByteArray::fromHex("0601")] =
        answers({unit(0x7E8, "$7E8h", "46010510004800000190"), unit(0x7E9, "$7E9h", "46010510005000000190")});
    clickTab(main().TabMonitorTests);
    click(page().ButtonMonitorTestsRead);
    EXPECT_FALSE(results().isColumnHidden(MonitorTestsTabPage::UnitColumn));
    EXPECT_EQ(results().Cells(MonitorTestsTabPage::UnitColumn, 2), QStringLiteral("$7E9h"));
    EXPECT_EQ(results().Cells(MonitorTestsTabPage::ValueColumn, 2), QStringLiteral("80"));

    vehicle->services[QByteArray::fromHex("0600")] = answers({unit(0x7E8, "$7E8h", "460000000000")});
    click(page().ButtonMonitorTestsRead);
    EXPECT_TRUE(results().Cells(MonitorTestsTabPage::ValueColumn, 1).isEmpty());
    EXPECT_TRUE(results().isColumnHidden(MonitorTestsTabPage::UnitColumn));
    EXPECT_EQ(page().LabelMonitorTestsNote->text(),
              QString::fromUtf8("Pojazd nie podał wyników żadnego testu.\nsterownik $7E8h nie podaje wyników testów"));

    vehicle->services[QByteArray::fromHex("0600")] = answers({unit(0x7E8, "$7E8h", "460080000000")});
    click(page().ButtonMonitorTestsRead);
    ServiceAnswers failed;
    failed.failure = QStringLiteral("CAN ERROR");
    vehicle->services[QByteArray::fromHex("0601")] = failed;
    click(page().ButtonMonitorTestsRead);
    EXPECT_EQ(env.dialogs.texts(),
              QStringList{QString::fromUtf8("Nie udało się odczytać wyników testów monitorów.\r\nCAN ERROR")});
    EXPECT_TRUE(results().Cells(MonitorTestsTabPage::ValueColumn, 1).isEmpty());
    EXPECT_TRUE(page().LabelMonitorTestsNote->text().isEmpty());
    EXPECT_TRUE(page().ButtonMonitorTestsRead->isEnabled());
}
