#include "support/core/Elm327StandIn.h"
#include "support/core/VirtualClock.h"
#include "support/gui/PaintGapMeter.h"
#include "support/gui/WorkstationFixture.h"

#include "core/platform/SystemClock.h"
#include "core/vehicle/AdapterWait.h"

#include <QTimer>

// Only the test that needs the windows starts them.
class PaintGapTest : public WorkstationTest {
protected:
    void SetUp() override {}
};

// The measure itself, on the virtual clock: the longest time between two paints, the time since
// the last paint counting as well.
TEST_F(PaintGapTest, TheMeasureIsTheLongestTimeBetweenTwoPaints)
{
    VirtualClock clock;
    QWidget window;
    window.resize(200, 100);
    window.show();
    QCoreApplication::processEvents();
    PaintGapMeter meter(window, clock);
    meter.restart();
    for (const int step : {30, 100, 20, 40}) {
        clock.advance(step);
        window.repaint();
    }
    EXPECT_EQ(meter.paints(), 4);
    EXPECT_EQ(meter.longestGapMs(), 100u);
    clock.advance(150); // frozen since the last paint
    EXPECT_EQ(meter.longestGapMs(), 150u);
}

// The one real-time check: the window goes on painting while the connection waits a third of a
// second for a slow answer.
TEST_F(PaintGapTest, TheWindowPaintsWhileTheAdapterIsSlow)
{
    start();
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.lateMs["0101"] = 300;
    Elm327StandIn wifi(script, Elm327StandIn::Serving::Tcp);
    state().Settings.Interface = VehicleInterface::Elm327Wifi;
    state().Settings.WifiHost = QStringLiteral("127.0.0.1");
    state().Settings.WifiPort = wifi.tcpPort();
    main().show();
    QTimer asking;
    int ticksDuringWait = 0;
    QObject::connect(&asking, &QTimer::timeout, &main(), [&] {
        main().update();
        ticksDuringWait += AdapterWait::active() ? 1 : 0;
    });
    asking.start(10);
    SystemClock clock;
    PaintGapMeter meter(main(), clock);
    meter.restart();
    clickPolacz();
    asking.stop();
    EXPECT_TRUE(state().Connected);
    EXPECT_GT(ticksDuringWait, 10);
    EXPECT_GT(meter.paints(), 10);
    EXPECT_LT(meter.longestGapMs(), 100u);
    main().hide();
}
