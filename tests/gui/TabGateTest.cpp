#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QKeyEvent>

class TabGateTest : public WorkstationTest {};

TEST_F(TabGateTest, BeforeConnectingEveryOtherTabIsRefusedWithTheNotice)
{
    for (QWidget *page :
         std::initializer_list<QWidget *>{main().TabDTC, main().TabFreeze, main().TabSensors, main().TabMonitors,
                                          main().TabPlot, main().TabAccel, main().TabDyno, main().TabMonitorTests}) {
        clickTab(page);
        EXPECT_EQ(currentPage(), main().TabMain) << page->objectName().toStdString();
    }
    ASSERT_EQ(env.dialogs.shown.size(), 8u);
    for (const auto &shown : env.dialogs.shown) {
        EXPECT_EQ(shown.text, LoadMessage(STabMsg));
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
    // The keyboard passes the same gate.
    QTest::keyClick(main().Pages->tabBar(), Qt::Key_Right);
    EXPECT_EQ(currentPage(), main().TabMain);
    EXPECT_EQ(env.dialogs.shown.size(), 9u);
}

TEST_F(TabGateTest, ConnectedChangesAreAllowedAndStopTheLiveSensorLoop)
{
    clickPolacz();
    state().SensorsRunning = true;
    clickTab(main().TabSensors);
    EXPECT_EQ(currentPage(), main().TabSensors);
    EXPECT_FALSE(state().SensorsRunning);
    QTest::keyClick(main().Pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(currentPage(), main().TabMonitors);
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(TabGateTest, RunningMeasurementsKeepTheOperatorOnTheirTabSilently)
{
    clickPolacz();
    clickTab(main().TabPlot);
    bool MainState::*flags[] = {&MainState::SensorLogActive, &MainState::PlotRunning, &MainState::AccelRunning,
                                &MainState::DynoRunning};
    for (bool MainState::*flag : flags) {
        state().*flag = true;
        clickTab(main().TabDTC);
        QTest::keyClick(main().Pages->tabBar(), Qt::Key_Left);
        EXPECT_EQ(currentPage(), main().TabPlot);
        state().*flag = false;
    }
    EXPECT_TRUE(env.dialogs.shown.empty());
}

TEST_F(TabGateTest, TheDebugTabCannotBeReached)
{
    clickPolacz();
    clickTab(main().TabDyno);
    ASSERT_EQ(currentPage(), main().TabDyno);
    // The keys pass over it to the tabs after it, and back.
    QTest::keyClick(main().Pages->tabBar(), Qt::Key_Right);
    EXPECT_EQ(currentPage(), main().TabUnits);
    QTest::keyClick(main().Pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(currentPage(), main().TabDyno);
    const int debugTab = main().Pages->indexOf(main().TabDebug);
    main().Pages->gatedTabBar()->requestIndex(debugTab);
    EXPECT_EQ(currentPage(), main().TabDyno);
    EXPECT_FALSE(main().Pages->isTabVisible(debugTab));
}
