#include "support/gui/WorkstationFixture.h"

#include <QTimer>

class ClosingTest : public WorkstationTest {};

TEST_F(ClosingTest, ClosingTheWindowEndsEveryRunningLoop)
{
    clickPolacz();
    state().SensorsRunning = true;
    state().PlotRunning = true;
    state().AccelRunning = true;
    state().DynoRunning = true;
    EXPECT_TRUE(main().close());
    EXPECT_FALSE(state().SensorsRunning);
    EXPECT_FALSE(state().PlotRunning);
    EXPECT_FALSE(state().AccelRunning);
    EXPECT_FALSE(state().DynoRunning);
    EXPECT_EQ(env.clock.now(), 10);
}

TEST_F(ClosingTest, ZakonczEndsTheProgramWithStatusZeroFromInsideALoop)
{
    clickPolacz();
    bool loopEnded = false;
    // A handler that loops while its flag is set, pumping messages between steps, as the
    // measurements do; "Zakończ" arrives through the pump.
    QTimer::singleShot(0, &main(), [&] {
        state().SensorsRunning = true;
        QTimer::singleShot(0, main().MnuZakoncz, &QAction::trigger);
        while (state().SensorsRunning)
            QCoreApplication::processEvents();
        loopEnded = true;
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(loopEnded);
}
