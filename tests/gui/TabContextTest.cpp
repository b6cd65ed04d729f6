// A tab needs only its context: the freeze-frame tab built and driven without a main window.
#include "gui/state/TabContext.h"
#include "core/livedata/FormatPidValue.h"
#include "core/state/MainState.h"
#include "gui/faults/FreezeTab.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/widgets/StringGrid.h"
#include "support/core/ScriptedVehicle.h"
#include "support/gui/TestPlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(TabContextTest, AFaultTabRunsOnItsContextAlone)
{
    TestPlatform env;
    MainState state;
    auto vehicle = std::make_unique<ScriptedVehicle>();
    vehicle->clock = &env.clock;
    vehicle->fallback = {true, {0x20, 0, 0, 0}};
    ScriptedVehicle &queries = *vehicle;
    state.Vehicle = std::move(vehicle);
    QStringList debugLines;
    PidReader reader{*state.Vehicle, u',', [&](const QString &line) { debugLines << line; }};
    TabContext context{env.platform, state, reader};

    FreezeTabPage page;
    auto *tab = new FreezeTab(context, page); // owned by the page
    QTest::mouseClick(page.ButtonFreezeRead, Qt::LeftButton);

    ASSERT_EQ(queries.queries.size(), 15u);
    EXPECT_EQ(queries.queries.front().mode, FreezeFrame);
    EXPECT_EQ(env.clock.now(), 1500);
    EXPECT_EQ(debugLines.size(), 15);
    EXPECT_EQ(page.LabeledEditDTCCode->text(), QStringLiteral("P0103"));
    EXPECT_EQ(page.StringGridFreezeParams->Cells(0, 1), QStringLiteral("03"));

    tab->ResetFreezeFrameTab();
    EXPECT_TRUE(page.LabeledEditDTCCode->text().isEmpty());
    EXPECT_TRUE(page.StringGridFreezeParams->Cells(0, 1).isEmpty());
}
