// The connection sequence of the "Główna" tab, built on its context without a main window.
#include "gui/mainwindow/MainTab.h"
#include "core/livedata/FormatPidValue.h"
#include "core/state/MainState.h"
#include "core/vehicle/ChosenVehicle.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/state/TabContext.h"
#include "support/core/ScriptedVehicle.h"
#include "support/gui/TestPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The tab on a context whose link is a scripted vehicle; with the ELM327 interface chosen, each
// connection takes the next scripted adapter.
struct MainTabBench {
    explicit MainTabBench(VehicleInterface interface)
    {
        state.Settings.Interface = interface;
        state.Settings.BaudRate = 115200;
        port.setPortName(QStringLiteral("ttyUSB0"));
        QObject::connect(&tab, &MainTab::linkIdentified,
                         [this](const LinkIdentity &id) { identified << id.interfaceName; });
        QObject::connect(&tab, &MainTab::connectedShown, [this](bool connected) { shown.push_back(connected); });
        QObject::connect(&tab, &MainTab::disconnected, [this] { disconnectedAt.push_back(env.clock.now()); });
    }

    ScriptedVehicle &queueAdapter()
    {
        auto adapter = std::make_unique<ScriptedVehicle>();
        ScriptedVehicle &result = *adapter;
        env.adapters.links.push_back(std::move(adapter));
        return result;
    }

    void clickPolacz() { QTest::mouseClick(page.ButtonPolacz, Qt::LeftButton); }
    QStringList log() const { return page.MemoStatus->toPlainText().split(u'\n', Qt::SkipEmptyParts); }

    TestPlatform env;
    MainState state = [] {
        MainState initial;
        initial.Vehicle = std::make_unique<ChosenVehicle>(std::make_unique<ScriptedVehicle>());
        return initial;
    }();
    ChosenVehicle *vehicle = static_cast<ChosenVehicle *>(state.Vehicle.get());
    PidReader reader{*state.Vehicle, u',', [](const QString &) {}};
    TabContext context{env.platform, state, reader};
    MainTabPage page;
    TComPort port{state.Settings};
    MainTab tab{context, page, *vehicle, port};
    QStringList identified;
    std::vector<bool> shown;
    std::vector<qint64> disconnectedAt;
};

} // namespace

TEST(MainTabTest, ConnectsThroughTheChosenAdapterAndDisconnectsAfterTheTimedSequence)
{
    MainTabBench bench(VehicleInterface::Elm327);
    ScriptedVehicle &adapter = bench.queueAdapter();
    bench.clickPolacz();

    ASSERT_EQ(bench.env.adapters.requests.size(), 1u);
    EXPECT_EQ(bench.env.adapters.requests[0].BaudRate, 115200);
    EXPECT_TRUE(bench.vehicle->adapterChosen());
    EXPECT_EQ(bench.log(),
              (QStringList{QStringLiteral("Port ttyUSB0 otwarty"), QStringLiteral("Wykryto interfejs QL-40"),
                           QStringLiteral("Skonfigurowano interfejs"),
                           QStringLiteral("Nawiązano komunikację z pojazdem")}));
    EXPECT_EQ(bench.identified, QStringList{QStringLiteral("QL-40")});
    EXPECT_EQ(bench.shown, std::vector<bool>{true});
    EXPECT_TRUE(bench.state.Connected);
    EXPECT_EQ(bench.page.LabeledEditVIN->text(), QStringLiteral("YV1LS5596P2123456"));
    EXPECT_EQ(bench.page.ButtonPolacz->text(), QStringLiteral("Rozłącz"));

    bench.clickPolacz();
    EXPECT_FALSE(bench.state.Connected);
    EXPECT_EQ(adapter.closes, 1);
    EXPECT_EQ(bench.disconnectedAt, std::vector<qint64>{2500}); // after the three pauses
    EXPECT_EQ(bench.shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(bench.page.ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(bench.page.MemoStatus->toPlainText().isEmpty());
}

TEST(MainTabTest, AFailedStepIsLoggedAndLeavesTheTabDisconnected)
{
    const struct {
        int failingStep;
        QStringList log;
    } cases[] = {
        {1, {QStringLiteral("step 1 failed")}},
        {2,
         {QStringLiteral("Port ttyUSB0 otwarty"), QStringLiteral("step 2 failed"),
          QStringLiteral("Port ttyUSB0 zamknięty")}},
        {4,
         {QStringLiteral("Port ttyUSB0 otwarty"), QStringLiteral("Wykryto interfejs QL-40"),
          QStringLiteral("Skonfigurowano interfejs"), QStringLiteral("step 4 failed"),
          QStringLiteral("Port ttyUSB0 zamknięty")}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.failingStep);
        MainTabBench bench(VehicleInterface::Elm327);
        ScriptedVehicle &adapter = bench.queueAdapter();
        adapter.failingStep = entry.failingStep;
        bench.clickPolacz();
        EXPECT_EQ(bench.log(), entry.log);
        EXPECT_EQ(adapter.closes, 1);
        EXPECT_FALSE(bench.state.Connected);
        EXPECT_TRUE(bench.identified.isEmpty());
        EXPECT_TRUE(bench.shown.empty());
        EXPECT_EQ(bench.page.ButtonPolacz->text(), QStringLiteral("Połącz"));
        EXPECT_TRUE(bench.page.LabelMILStatus->isHidden());
    }
}

TEST(MainTabTest, TheSimulatorNeedsNoAdapter)
{
    MainTabBench bench(VehicleInterface::Simulator);
    bench.clickPolacz();
    EXPECT_TRUE(bench.env.adapters.requests.empty());
    EXPECT_FALSE(bench.vehicle->adapterChosen());
    EXPECT_TRUE(bench.state.Connected);
}
