#include "support/gui/WorkstationFixture.h"

#include "gui/units/UnitsTab.h"
#include "gui/units/UnitsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// The "Sterowniki" tab with the simulated vehicle, whose one engine unit answers fixed data.
class UnitsTabTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        start();
        clickPolacz();
        clickTab(main().TabUnits);
    }

    UnitsTabPage &page() { return *main().TabUnits; }
};

TEST_F(UnitsTabTest, ComesAfterEveryEarlierTabAndShowsTheSimulatedEngineUnit)
{
    // The earlier tabs keep their places; the hidden debug log stays between them and this one.
    EXPECT_EQ(main().Pages->indexOf(main().TabDyno), 7);
    EXPECT_EQ(main().Pages->indexOf(main().TabDebug), 8);
    EXPECT_EQ(main().Pages->indexOf(&page()), 9);
    ASSERT_EQ(currentPage(), &page());
    EXPECT_EQ(page().ListBoxUnits->count(), 0);

    const qint64 before = env.clock.now();
    click(page().ButtonUnitsRead);
    EXPECT_EQ(env.clock.now() - before, 6 * 100); // 09 00, 0A, 04, 06, 08 and 0A: one query each
    ASSERT_EQ(page().ListBoxUnits->count(), 1);
    EXPECT_EQ(page().ListBoxUnits->item(0)->text(), QStringLiteral("$F1h ECM-EngineControl"));
    EXPECT_EQ(page().EditUnitName->text(), QStringLiteral("ECM-EngineControl"));
    EXPECT_EQ(page().EditUnitAddress->text(), QStringLiteral("$F1h"));
    EXPECT_EQ(page().EditInfoTypes->text(), QStringLiteral("02 04 06 08 0A"));
    EXPECT_EQ(page().StringGridCalibrations->Cells(0, 1), QStringLiteral("KVD11B0204"));
    EXPECT_EQ(page().StringGridCalibrations->Cells(1, 1), QStringLiteral("1A2B3C4D"));
    EXPECT_EQ(page().LabelInUseCounters->text(), QStringLiteral("Mianownik ogólny: 412, Cykle zapłonu: 1873"));
    StringGrid &inUse = *page().StringGridInUse;
    ASSERT_EQ(inUse.rowCountWithHeader(), 1 + 7);
    EXPECT_EQ(inUse.Cells(0, 7), QStringLiteral("Monitor systemu odprowadzania par paliwa (EVAP)"));
    EXPECT_EQ(inUse.Cells(3, 7), QStringLiteral("0,034"));
    EXPECT_EQ(inUse.Cells(4, 7), QStringLiteral("za niski"));
    EXPECT_EQ(inUse.Cells(3, 2), QStringLiteral("-")); // bank 2 never had its conditions
    EXPECT_TRUE(inUse.Cells(4, 1).isEmpty());
    EXPECT_EQ(page().StringGridPermanent->Cells(0, 1), QStringLiteral("$F1h"));
    EXPECT_EQ(page().StringGridPermanent->Cells(2, 1), QStringLiteral("Brak kodów stałych"));
    EXPECT_EQ(page().LabelBatteryVoltage->text(), QStringLiteral("12,4 V"));

    // A disconnection empties the tab.
    clickTab(main().TabMain);
    clickPolacz();
    EXPECT_EQ(page().ListBoxUnits->count(), 0);
    EXPECT_TRUE(page().EditUnitName->text().isEmpty());
    EXPECT_TRUE(page().LabelBatteryVoltage->text().isEmpty());
    EXPECT_EQ(page().StringGridPermanent->rowCountWithHeader(), 1);
}
