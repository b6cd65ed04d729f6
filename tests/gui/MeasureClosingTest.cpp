// Closing the window or "Zakończ" while a measurement runs inside its button's handler: the
// handler returns and nothing touches a destroyed object (the sanitizer run proves the latter).
#include "support/gui/MeasureFixture.h"

#include <QAction>
#include <QTimer>

namespace {

struct Loop {
    const char *name;
    QWidget *(*page)(TMainForm &);
    QPushButton *(*button)(TMainForm &);
    bool MainState::*flag;
};

const Loop kLoops[] = {
    {"plot", [](TMainForm &m) -> QWidget * { return m.TabPlot; },
     [](TMainForm &m) { return m.TabPlot->ButtonPlotStart; }, &MainState::PlotRunning},
    {"accel", [](TMainForm &m) -> QWidget * { return m.TabAccel; },
     [](TMainForm &m) { return m.TabAccel->ButtonAccelStart; }, &MainState::AccelRunning},
    {"dyno", [](TMainForm &m) -> QWidget * { return m.TabDyno; },
     [](TMainForm &m) { return m.TabDyno->ButtonStartDyno; }, &MainState::DynoRunning},
};

} // namespace

class MeasureClosingTest : public MeasureTabTest {};

TEST_F(MeasureClosingTest, ClosingTheWindowInsideEachMeasurementEndsIt)
{
    // 3000 ms falls in the plot's read loop, the acceleration test's slow-down and the dyno run.
    for (const Loop &loop : kLoops) {
        startConnected();
        clickTab(loop.page(main()));
        bool wasRunning = false;
        after(3000, [&] {
            wasRunning = state().*loop.flag;
            main().close();
        });
        const qint64 before = env.clock.now();
        click(loop.button(main()));
        EXPECT_TRUE(wasRunning) << loop.name;
        EXPECT_FALSE(state().*loop.flag) << loop.name;
        EXPECT_LT(env.clock.now() - before, 3500) << loop.name;
        EXPECT_FALSE(main().isVisible());
    }
}

TEST_F(MeasureClosingTest, ZakonczInsideEachMeasurementEndsTheProgramWithStatusZero)
{
    for (const Loop &loop : kLoops) {
        startConnected();
        clickTab(loop.page(main()));
        bool handlerReturned = false;
        after(3000, [&] { main().MnuZakoncz->trigger(); });
        QTimer::singleShot(0, &main(), [&] {
            click(loop.button(main()));
            handlerReturned = true;
        });
        EXPECT_EQ(QCoreApplication::exec(), 0) << loop.name;
        EXPECT_TRUE(handlerReturned) << loop.name;
        EXPECT_FALSE(state().*loop.flag) << loop.name;
    }
    workstation.reset(); // the windows go after the handlers have returned
}
