#include "core/settings/SettingsIO.h"

#include "support/core/FakeSettingsStore.h"
#include "support/core/QtPrinters.h"
#include "support/core/ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(AdapterSettingsTest, OlderStoresMeanTheSimulatorAndUnknownSpeedsTheDefault)
{
    ScriptedDialogs dialogs;
    FakeSettingsStore older;
    older.values = {{QStringLiteral("Port"), QStringLiteral("ttyUSB0")}};
    AppSettings settings;
    LoadSettings(older, dialogs, settings);
    EXPECT_EQ(settings.Interface, VehicleInterface::Simulator);
    EXPECT_EQ(settings.BaudRate, 38400);

    FakeSettingsStore odd;
    odd.values = {{QStringLiteral("Interfejs"), QStringLiteral("elm")},
                  {QStringLiteral("Predkosc"), QStringLiteral("57600")}};
    LoadSettings(odd, dialogs, settings);
    EXPECT_EQ(settings.Interface, VehicleInterface::Simulator);
    EXPECT_EQ(settings.BaudRate, 38400);

    FakeSettingsStore adapter;
    adapter.values = {{QStringLiteral("Interfejs"), QStringLiteral("ELM327")},
                      {QStringLiteral("Predkosc"), QStringLiteral("230400")}};
    LoadSettings(adapter, dialogs, settings);
    EXPECT_EQ(settings.Interface, VehicleInterface::Elm327);
    EXPECT_EQ(settings.BaudRate, 230400);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(AdapterSettingsTest, AreStoredOnceAnAdapterWasChosenAndFromThenOn)
{
    ScriptedDialogs dialogs;
    FakeSettingsStore store;
    AppSettings settings;
    SaveSettings(store, dialogs, settings);
    EXPECT_FALSE(store.written.contains(QStringLiteral("Interfejs"))); // as before adapters existed

    settings.Interface = VehicleInterface::Elm327;
    settings.BaudRate = 9600;
    SaveSettings(store, dialogs, settings);
    EXPECT_EQ(store.written.mid(store.written.size() - 2),
              (QStringList{QStringLiteral("Interfejs"), QStringLiteral("Predkosc")}));
    EXPECT_EQ(store.values.value(QStringLiteral("Predkosc")), QStringLiteral("9600"));

    // Back to the simulator: stored too, or the next start would find the adapter again.
    settings.Interface = VehicleInterface::Simulator;
    SaveSettings(store, dialogs, settings);
    EXPECT_EQ(store.values.value(QStringLiteral("Interfejs")), QStringLiteral("Symulator"));
    AppSettings loaded;
    LoadSettings(store, dialogs, loaded);
    EXPECT_EQ(loaded.Interface, VehicleInterface::Simulator);
    EXPECT_EQ(loaded.BaudRate, 9600);
}
