#include "core/settings/AdapterHost.h"
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

// Each row: what the store holds, and what the workstation makes of it; a store of the
// serial-only workstation still loads as it did.
TEST(AdapterSettingsTest, WifiAdaptersAndTheAutomaticSpeed)
{
    ScriptedDialogs dialogs;
    using Values = QMap<QString, QString>;
    const struct {
        const char *name;
        Values stored;
        VehicleInterface interface;
        int speed;
        const char *host;
        int port;
    } cases[] = {
        {"serial only, before Wi-Fi",
         {{"Interfejs", "ELM327"}, {"Predkosc", "9600"}},
         VehicleInterface::Elm327,
         9600,
         "192.168.0.10",
         35000},
        {"Wi-Fi",
         {{"Interfejs", "ELM327WiFi"}, {"AdresWiFi", "10.0.0.5"}, {"PortWiFi", "23"}},
         VehicleInterface::Elm327Wifi,
         38400,
         "10.0.0.5",
         23},
        {"automatic speed",
         {{"Interfejs", "ELM327"}, {"Predkosc", "Automatycznie"}},
         VehicleInterface::Elm327,
         kAutoBaudRate,
         "192.168.0.10",
         35000},
        {"a port out of range",
         {{"Interfejs", "ELM327WiFi"}, {"PortWiFi", "70000"}},
         VehicleInterface::Elm327Wifi,
         38400,
         "192.168.0.10",
         35000},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        FakeSettingsStore store;
        for (auto it = entry.stored.begin(); it != entry.stored.end(); ++it)
            store.values.insert(it.key(), it.value());
        AppSettings settings;
        LoadSettings(store, dialogs, settings);
        EXPECT_EQ(settings.Interface, entry.interface);
        EXPECT_EQ(settings.BaudRate, entry.speed);
        EXPECT_EQ(settings.WifiHost, QString::fromLatin1(entry.host));
        EXPECT_EQ(settings.WifiPort, entry.port);

        // Saved and loaded again, nothing changes; the Wi-Fi keys appear once a Wi-Fi adapter was chosen.
        SaveSettings(store, dialogs, settings);
        EXPECT_EQ(store.values.contains(QStringLiteral("AdresWiFi")), entry.interface == VehicleInterface::Elm327Wifi);
        AppSettings again;
        LoadSettings(store, dialogs, again);
        EXPECT_EQ(again.Interface, settings.Interface);
        EXPECT_EQ(again.BaudRate, settings.BaudRate);
        EXPECT_EQ(again.WifiHost, settings.WifiHost);
        EXPECT_EQ(again.WifiPort, settings.WifiPort);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(AdapterSettingsTest, AWifiAddressIsAnIpAddressOrAHostName)
{
    const struct {
        const char *text;
        bool host;
    } cases[] = {
        {"192.168.0.10", true},
        {"10.0.0.1", true},
        {"fe80::1", true},
        {"obd-wifi", true},
        {"adapter.warsztat.local", true},
        {"adapter.local.", true},
        {"192.168.0.300", false}, // a number out of range
        {"192.168.0", false}, // a number left out
        {"192.168..10", false},
        {"192,168,0,10", false},
        {"adres adaptera", false},
        {"-obd.local", false},
        {"obd_wifi", false},
        {"http://192.168.0.10", false},
        {"192.168.0.10:35000", false}, // the TCP port has its own field
        {"żółw", false},
        {"", false},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(IsAdapterHost(QString::fromUtf8(entry.text)), entry.host) << entry.text;
    EXPECT_TRUE(IsAdapterHost(QString(63, u'a') + QStringLiteral(".pl")));
    EXPECT_FALSE(IsAdapterHost(QString(64, u'a') + QStringLiteral(".pl")));
}
