#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/TDtcList.h"
#include "gui/faults/DtcTab.h"
#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTab.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>
#include <QLineEdit>

namespace {

QStringList gridRows(StringGrid *grid, int firstColumn = 0)
{
    QStringList rows;
    for (int row = 1; row < grid->rowCountWithHeader(); ++row) {
        QStringList cells;
        for (int column = firstColumn; column < grid->columnCount(); ++column)
            cells << grid->Cells(column, row);
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

class FaultTabsTest : public WorkstationTest {
protected:
    void SetUp() override { startConnected(); }
    DtcTabPage &dtc() { return *main().TabDTC; }
    FreezeTabPage &freeze() { return *main().TabFreeze; }
    MonitorsTabPage &monitors() { return *main().TabMonitors; }
};

TEST_F(FaultTabsTest, ReadingTheFaultMemoryDealsTheCodesToBothGrids)
{
    clickTab(main().TabDTC);
    for (int read = 0; read < 2; ++read) {
        click(dtc().ButtonDTCOdczytaj);
        EXPECT_EQ(
            gridRows(dtc().StringGridDTCPending),
            (QStringList{
                QStringLiteral("P0301|Cylinder 1 - wykryte wypadanie zapłonów "),
                QStringLiteral(
                    "P0103|Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy "),
                QStringLiteral("P0252|Wirnik / krzywka pompy wtryskowej A - sygnał poza zakresem / działanie "),
                QStringLiteral("P0445|Układ odprowadzania par paliwa, obwód sterujący zaworu oczyszczania - zwarcie "),
                QStringLiteral("P0553|Czujnik ciśnienia układu wspomagania kierownicy - wysoki sygnał wejściowy "),
                QStringLiteral("C0732|Przyspieszeniomierz lewy tylny - niski sygnał wejściowy")}));
        EXPECT_EQ(
            gridRows(dtc().StringGridDTCStored),
            (QStringList{
                QStringLiteral("P0326|Czujnik spalania stukowego 1 (Bank 1) - sygnał poza zakresem / działanie "),
                QStringLiteral("P0133|Czujnik tlenu (sonda lambda) (Bank 1 czujnik 1) - powolna reakcja / odpowiedź "),
                QStringLiteral("P0322|Obwód wejścia prędkości silnika dla rozdzielacza / zapłonu - brak sygnału "),
                QStringLiteral("P0507|Układ regulacji biegu jałowego - obroty wyższe niż oczekiwane "),
                QStringLiteral("P0268|Wtryskiwacz cylindra 3 - wysoki sygnał "),
                QStringLiteral("B0848|Obwód napięcia odniesienia 5V - wysoki sygnał wejściowy")}));
        EXPECT_EQ(dtc().StringGridDTCStored->Cells(0, 0), QStringLiteral("Kod błędu"));
        EXPECT_EQ(dtc().LabelDTCMILStatus->text(), QStringLiteral("Zapalona"));
        EXPECT_FALSE(dtc().LabelDTCMILStatus->isHidden());
        EXPECT_FALSE(dtc().ImageMILon->isHidden());
        EXPECT_TRUE(dtc().ImageMILoff->isHidden());
        EXPECT_EQ(dtc().LabelDTCPendCount->text(), QStringLiteral("6"));
        EXPECT_FALSE(dtc().LabelDTCStoredCount->isHidden());
        EXPECT_TRUE(dtc().ButtonDTCKasuj->isEnabled());
        EXPECT_TRUE(dtc().ButtonDTCOdczytaj->isEnabled());
    }
    EXPECT_EQ(env.clock.now(), 0);
}

TEST_F(FaultTabsTest, ClearingAsksFirstAndEmptiesOnlyTheFaultCodes)
{
    clickTab(main().TabMonitors);
    click(monitors().ButtonMonitorRead);
    clickTab(main().TabDTC);
    click(dtc().ButtonDTCOdczytaj);

    env.dialogs.answers = {MessageAnswer::No};
    click(dtc().ButtonDTCKasuj);
    ASSERT_EQ(env.dialogs.shown.size(), 1u);
    EXPECT_EQ(env.dialogs.shown[0].text, LoadMessage(SDTCClearWrng));
    EXPECT_EQ(env.dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(env.dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dtc().StringGridDTCPending->Cells(0, 1), QStringLiteral("P0301"));
    EXPECT_TRUE(dtc().ButtonDTCKasuj->isEnabled());

    // The vehicle's memory is empty after the clear; the main tab asks it again.
    vehicle->status.milStatusWord = 0x0000;
    vehicle->status.storedCodeCount = 0;
    env.dialogs.answers = {MessageAnswer::Yes};
    click(dtc().ButtonDTCKasuj);
    EXPECT_EQ(main().TabMain->LabelMILStatus->text(), QStringLiteral("Zgaszona"));
    EXPECT_EQ(main().TabMain->LabelDTCStatus->text(), QStringLiteral("0"));
    EXPECT_EQ(gridRows(dtc().StringGridDTCPending).join(QString()), QStringLiteral("||||||"));
    EXPECT_TRUE(dtc().StringGridDTCStored->Cells(1, 6).isEmpty());
    EXPECT_TRUE(dtc().LabelDTCPendCount->isHidden());
    EXPECT_TRUE(dtc().LabelDTCPendCount->text().isEmpty());
    EXPECT_TRUE(dtc().LabelDTCMILStatus->isHidden());
    EXPECT_TRUE(dtc().ImageMILon->isHidden());
    EXPECT_FALSE(dtc().ButtonDTCKasuj->isEnabled());
    EXPECT_TRUE(dtc().ButtonDTCOdczytaj->isEnabled());
    EXPECT_EQ(monitors().StringGridMonitorCont->Cells(2, 1), QStringLiteral("NIE")); // untouched
}

TEST_F(FaultTabsTest, TheLampFollowsBitSevenAndANonAnswerChangesNothing)
{
    clickTab(main().TabDTC);
    vehicle->status.milStatusWord = 0x0002;
    click(dtc().ButtonDTCOdczytaj);
    EXPECT_EQ(dtc().LabelDTCMILStatus->text(), QStringLiteral("Zgaszona"));
    EXPECT_FALSE(dtc().ImageMILoff->isHidden());
    EXPECT_TRUE(dtc().ImageMILon->isHidden());

    vehicle->status.milStatusWord = 0xFFFF;
    click(dtc().ButtonDTCOdczytaj);
    EXPECT_EQ(dtc().LabelDTCMILStatus->text(), QStringLiteral("Zgaszona"));
    EXPECT_FALSE(dtc().ImageMILoff->isHidden());
}

TEST_F(FaultTabsTest, TheFreezeFrameReadsFifteenParametersInFreezeFrameMode)
{
    clickTab(main().TabFreeze);
    const int pumps = env.clock.pumps();
    click(freeze().ButtonFreezeRead);
    EXPECT_EQ(env.clock.now(), 1500);
    EXPECT_EQ(env.clock.pumps(), pumps);
    // A text wider than its column is shortened on screen and whole in the cell's tool-tip.
    StringGrid *grid = freeze().StringGridFreezeParams;
    grid->setColumnWidth(1, 40);
    EXPECT_EQ(grid->item(9, 1)->toolTip(), grid->Cells(1, 10));
    EXPECT_EQ(grid->textElideMode(), Qt::ElideRight);
    ASSERT_EQ(vehicle->queries.size(), 15u);
    for (const auto &query : vehicle->queries)
        EXPECT_EQ(query.mode, FreezeFrame);

    EXPECT_EQ(freeze().LabeledEditDTCCode->text(), QStringLiteral("P0103"));
    EXPECT_EQ(freeze().LabeledEditDTCDesc->text(),
              QStringLiteral("Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy"));
    const QStringList rows = gridRows(freeze().StringGridFreezeParams);
    EXPECT_EQ(rows[0].left(3), QStringLiteral("03|"));
    EXPECT_EQ(rows[2], QStringLiteral("05|Temperatura płynu chłodzącego|st C|215"));
    EXPECT_EQ(rows[9], QStringLiteral("0C|Prędkość obrotowa silnika|obr/min|16383"));
    EXPECT_EQ(rows[14].left(3), QStringLiteral("11|"));
    EXPECT_EQ(rows.mid(15), (QStringList{QStringLiteral("|||"), QStringLiteral("|||"), QStringLiteral("|||")}));
    EXPECT_TRUE(freeze().ButtonFreezeRead->isEnabled());
}

TEST_F(FaultTabsTest, MonitorsShowTheReadinessAfterHalfASecond)
{
    clickTab(main().TabMonitors);
    for (int read = 1; read <= 2; ++read) {
        click(monitors().ButtonMonitorRead);
        EXPECT_EQ(env.clock.now(), 500 * read);
        EXPECT_EQ(gridRows(monitors().StringGridMonitorCont, 1),
                  (QStringList{QStringLiteral("-|NIE"), QStringLiteral("Zakończony|TAK"),
                               QStringLiteral("Niezakończony|TAK")}));
        EXPECT_EQ(gridRows(monitors().StringGridMonitorNonCont, 1),
                  (QStringList{QStringLiteral("-|NIE"), QStringLiteral("Zakończony|TAK"), QStringLiteral("-|NIE"),
                               QStringLiteral("Zakończony|TAK"), QStringLiteral("-|NIE"),
                               QStringLiteral("Niezakończony|TAK"), QStringLiteral("-|NIE"),
                               QStringLiteral("Niezakończony|TAK")}));
    }
    // A status bit where support is clear shows the monitor as unsupported.
    vehicle->status.readiness = {0x70, 0x00, 0xFF};
    click(monitors().ButtonMonitorRead);
    EXPECT_EQ(gridRows(monitors().StringGridMonitorCont, 1).join(u';'), QStringLiteral("-|NIE;-|NIE;-|NIE"));
    EXPECT_EQ(monitors().StringGridMonitorNonCont->Cells(1, 8), QStringLiteral("-"));
}

TEST_F(FaultTabsTest, DisconnectingEmptiesTheThreeTabsButKeepsHeadersAndNames)
{
    clickTab(main().TabDTC);
    click(dtc().ButtonDTCOdczytaj);
    clickTab(main().TabFreeze);
    click(freeze().ButtonFreezeRead);
    clickTab(main().TabMonitors);
    click(monitors().ButtonMonitorRead);
    clickTab(main().TabMain);
    clickPolacz();

    EXPECT_TRUE(dtc().StringGridDTCPending->Cells(0, 1).isEmpty());
    EXPECT_FALSE(dtc().ButtonDTCKasuj->isEnabled());
    EXPECT_TRUE(freeze().LabeledEditDTCCode->text().isEmpty());
    EXPECT_TRUE(freeze().LabeledEditDTCDesc->text().isEmpty());
    EXPECT_EQ(gridRows(freeze().StringGridFreezeParams).join(QString()).remove(u'|'), QString());
    EXPECT_EQ(freeze().StringGridFreezeParams->Cells(3, 0), QStringLiteral("Wartość"));
    EXPECT_TRUE(monitors().StringGridMonitorNonCont->Cells(1, 1).isEmpty());
    EXPECT_EQ(monitors().StringGridMonitorNonCont->Cells(0, 8),
              QStringLiteral("Monitor systemu recyrkulacji spalin (EGR)"));
    EXPECT_EQ(monitors().StringGridMonitorCont->Cells(1, 0), QStringLiteral("Status"));
}

TEST_F(FaultTabsTest, FaultDataComeFromTheVehicleLinkWhateverItHolds)
{
    // More codes than rows: the grid grows; a refused clear keeps them and says so.
    vehicle->storedCodes = QStringList{"0101", "0102", "0103", "0104", "0105", "0106", "0107", "0108"};
    vehicle->pendingCodes = std::nullopt; // not answered
    vehicle->clearAccepted = false;
    clickTab(main().TabDTC);
    click(dtc().ButtonDTCOdczytaj);
    EXPECT_EQ(dtc().LabelDTCStoredCount->text(), QStringLiteral("8"));
    EXPECT_EQ(dtc().LabelDTCPendCount->text(), QStringLiteral("?"));
    EXPECT_EQ(dtc().StringGridDTCStored->Cells(0, 8), QStringLiteral("P0108"));
    EXPECT_EQ(gridRows(dtc().StringGridDTCPending).join(QString()).remove(u'|'), QString());
    env.dialogs.answers = {MessageAnswer::Yes};
    click(dtc().ButtonDTCKasuj);
    EXPECT_EQ(vehicle->clears, 1);
    EXPECT_EQ(env.dialogs.texts().last(), LoadMessage(SDTCClearFailed));
    EXPECT_EQ(dtc().StringGridDTCStored->Cells(0, 1), QStringLiteral("P0101"));

    // A freeze frame of another code takes the description table's text; "0000" means none.
    vehicle->freezeFrameCode = QStringLiteral("0300");
    clickTab(main().TabFreeze);
    click(freeze().ButtonFreezeRead);
    EXPECT_EQ(freeze().LabeledEditDTCCode->text(), QStringLiteral("P0300"));
    EXPECT_EQ(freeze().LabeledEditDTCDesc->text(), TDtcList::Describe(QStringLiteral("P0300")));
    vehicle->freezeFrameCode = QStringLiteral("0000");
    click(freeze().ButtonFreezeRead);
    EXPECT_TRUE(freeze().LabeledEditDTCCode->text().isEmpty());

    // Monitors the vehicle does not report stay empty.
    vehicle->status.ok = false;
    clickTab(main().TabMonitors);
    click(monitors().ButtonMonitorRead);
    EXPECT_TRUE(monitors().StringGridMonitorCont->Cells(1, 1).isEmpty());
}

// A real car's codes that the first table lacks are described from the generic table, or as the
// manufacturer's own; read from the simulated vehicle the same codes keep the fallback.
TEST_F(FaultTabsTest, ARealCarsCodesAreDescribedOnTheFaultCodeAndFreezeFrameTabs)
{
    vehicle->storedCodes = QStringList{"C100", "2002", "0A80", "3400", "1234", "0301"};
    vehicle->freezeFrameCode = QStringLiteral("C100");
    const QString none = QStringLiteral("Brak opisu kodu w bazie");
    for (const DtcOrigin origin : {DtcOrigin::SimulatedVehicle, DtcOrigin::RealVehicle}) {
        vehicle->origin = origin;
        clickTab(main().TabDTC);
        click(dtc().ButtonDTCOdczytaj);
        clickTab(main().TabFreeze);
        click(freeze().ButtonFreezeRead);
        if (origin == DtcOrigin::SimulatedVehicle) {
            EXPECT_EQ(gridRows(dtc().StringGridDTCStored).mid(0, 2),
                      (QStringList{QStringLiteral("U0100|") + none, QStringLiteral("P2002|") + none}));
            EXPECT_EQ(freeze().LabeledEditDTCDesc->text(), none);
            continue;
        }
        EXPECT_EQ(gridRows(dtc().StringGridDTCStored),
                  (QStringList{QStringLiteral("U0100|Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A"),
                               QStringLiteral("P2002|Filtr cząstek stałych (DPF) (Bank 1) - skuteczność poniżej progu"),
                               QStringLiteral("P0A80|Akumulator trakcyjny (hybrydowy) - wymagana wymiana"),
                               QStringLiteral("P3400|Układ odłączania cylindrów (Bank 1) - usterka"),
                               QStringLiteral("P1234|Kod producenta - opis w dokumentacji producenta pojazdu"),
                               QStringLiteral("P0301|Cylinder 1 - wykryte wypadanie zapłonów ")}));
        EXPECT_EQ(freeze().LabeledEditDTCCode->text(), QStringLiteral("U0100"));
        EXPECT_EQ(freeze().LabeledEditDTCDesc->text(),
                  QStringLiteral("Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A"));
    }
}

TEST_F(FaultTabsTest, EveryWaitShowsTheBusyCursorAndEndsWithoutIt)
{
    // Each blocking handler: the cursor while the vehicle is asked, the normal one afterwards.
    std::vector<bool> busyWhileWaiting;
    env.clock.onPause([&](qint64, int) {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busyWhileWaiting.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    });
    clickTab(main().TabFreeze);
    click(freeze().ButtonFreezeRead);
    clickTab(main().TabMonitors);
    click(monitors().ButtonMonitorRead);
    clickTab(main().TabMain);
    clickPolacz(); // the disconnection's pauses
    ASSERT_GT(busyWhileWaiting.size(), 15u);
    EXPECT_EQ(std::count(busyWhileWaiting.begin(), busyWhileWaiting.end(), false), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
