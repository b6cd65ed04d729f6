#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QKeyEvent>

TEST_F(WorkstationTest, BeforeConnectingEveryOtherTabIsRefusedWithTheNotice)
{
    for (int index = 1; index <= 7; ++index) {
        clickTab(index);
        EXPECT_EQ(main().Pages->currentIndex(), 0) << index;
    }
    ASSERT_EQ(env.dialogs.shown.size(), 7u);
    for (const auto &shown : env.dialogs.shown) {
        EXPECT_EQ(shown.text, LoadMessage(STabMsg));
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
    // The keyboard passes the same gate.
    QTest::keyClick(main().Pages->tabBar(), Qt::Key_Right);
    EXPECT_EQ(main().Pages->currentIndex(), 0);
    EXPECT_EQ(env.dialogs.shown.size(), 8u);
}

TEST_F(WorkstationTest, ConnectedChangesAreAllowedAndStopTheLiveSensorLoop)
{
    clickPolacz();
    state().SensorsRunning = true;
    clickTab(3);
    EXPECT_EQ(main().Pages->currentIndex(), 3);
    EXPECT_FALSE(state().SensorsRunning);
    QTest::keyClick(main().Pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main().Pages->currentIndex(), 4);
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(WorkstationTest, RunningMeasurementsKeepTheOperatorOnTheirTabSilently)
{
    clickPolacz();
    clickTab(5);
    bool MainState::*flags[] = {&MainState::SensorLogActive, &MainState::PlotRunning, &MainState::AccelRunning,
                                &MainState::DynoRunning};
    for (bool MainState::*flag : flags) {
        state().*flag = true;
        clickTab(1);
        QTest::keyClick(main().Pages->tabBar(), Qt::Key_Left);
        EXPECT_EQ(main().Pages->currentIndex(), 5);
        state().*flag = false;
    }
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(WorkstationTest, TheDebugTabCannotBeReached)
{
    clickPolacz();
    clickTab(7);
    ASSERT_EQ(main().Pages->currentIndex(), 7);
    QTest::keyClick(main().Pages->tabBar(), Qt::Key_Right);
    QTest::keyClick(main().Pages, Qt::Key_Tab, Qt::ControlModifier);
    main().Pages->gatedTabBar()->requestIndex(8);
    EXPECT_EQ(main().Pages->currentIndex(), 7);
    EXPECT_FALSE(main().Pages->isTabVisible(8));
}
