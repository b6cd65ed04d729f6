#include "core/settings/SettingsIO.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/Dialogs.h"
#include "core/platform/SettingsStore.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kPort = QStringLiteral("Port");
const QString kLogDirectory = QStringLiteral("LogDirectory");
const QString kNazwa = QStringLiteral("Nazwa");
const QString kAdres1 = QStringLiteral("Adres1");
const QString kAdres2 = QStringLiteral("Adres2");
const QString kAdres3 = QStringLiteral("Adres3");
const QString kInterfejs = QStringLiteral("Interfejs");
const QString kPredkosc = QStringLiteral("Predkosc");
const QString kArchiwum = QStringLiteral("ArchiwumRaportow");
const QString kSimulatorName = QStringLiteral("Symulator");
const QString kElm327Name = QStringLiteral("ELM327");
const QString kElm327WifiName = QStringLiteral("ELM327WiFi");
const QString kAutoSpeedName = QStringLiteral("Automatycznie");
const QString kAdresWifi = QStringLiteral("AdresWiFi");
const QString kPortWifi = QStringLiteral("PortWiFi");

// The interface, its speed and the Wi-Fi adapter's address; a store written before adapters
// existed means the simulator, one written before Wi-Fi adapters the default address.
void readInterface(const SettingsStore &store, AppSettings &settings)
{
    const QString name = store.readString(kInterfejs);
    settings.Interface = name == kElm327Name       ? VehicleInterface::Elm327
                         : name == kElm327WifiName ? VehicleInterface::Elm327Wifi
                                                   : VehicleInterface::Simulator;
    const QString speedText = store.readString(kPredkosc);
    bool number = false;
    const int speed = speedText.toInt(&number);
    if (speedText == kAutoSpeedName)
        settings.BaudRate = kAutoBaudRate;
    else if (number && std::find(kAdapterBaudRates.begin(), kAdapterBaudRates.end(), speed) != kAdapterBaudRates.end())
        settings.BaudRate = speed;
    const QString host = store.readString(kAdresWifi).trimmed();
    if (!host.isEmpty())
        settings.WifiHost = host;
    const int port = store.readString(kPortWifi).toInt(&number);
    if (number && port > 0 && port <= 65535)
        settings.WifiPort = port;
}

// Stored once the operator has chosen an adapter; until then the store keeps only the six
// values of a workstation without adapters. The Wi-Fi address likewise, once a Wi-Fi adapter
// has been chosen.
void writeInterface(SettingsStore &store, const AppSettings &settings)
{
    if (settings.Interface == VehicleInterface::Simulator && store.readString(kInterfejs).isEmpty())
        return;
    if (settings.Interface == VehicleInterface::Elm327Wifi || !store.readString(kAdresWifi).isEmpty()) {
        store.writeString(kAdresWifi, settings.WifiHost);
        store.writeString(kPortWifi, QString::number(settings.WifiPort));
    }
    const QString name = settings.Interface == VehicleInterface::Elm327       ? kElm327Name
                         : settings.Interface == VehicleInterface::Elm327Wifi ? kElm327WifiName
                                                                              : kSimulatorName;
    store.writeString(kInterfejs, name);
    store.writeString(kPredkosc,
                      settings.BaudRate == kAutoBaudRate ? kAutoSpeedName : QString::number(settings.BaudRate));
}

} // namespace

void LoadSettings(const SettingsStore &store, Dialogs &dialogs, AppSettings &settings)
{
    if (!store.exists())
        return;
    // A store the operator may read but not write is still loaded: only saving needs write access.
    if (!store.isReadable()) {
        dialogs.showMessage(LoadMessage(SErrLoadSetting));
        return;
    }
    try {
        const QString port = store.readString(kPort);
        if (!port.isEmpty())
            settings.Port = port;
        settings.LogDirectory = store.readString(kLogDirectory);
        settings.Nazwa = store.readString(kNazwa);
        settings.Adres1 = store.readString(kAdres1);
        settings.Adres2 = store.readString(kAdres2);
        settings.Adres3 = store.readString(kAdres3);
        readInterface(store, settings);
        settings.ReportArchive = store.readString(kArchiwum);
    } catch (const SettingsError &error) {
        dialogs.showMessage(error.text());
    }
}

void SaveSettings(SettingsStore &store, Dialogs &dialogs, const AppSettings &settings)
{
    if (!store.isWritable()) {
        dialogs.showMessage(LoadMessage(SErrSaveSettings));
        return;
    }
    try {
        store.writeString(kPort, settings.Port);
        store.writeString(kLogDirectory, settings.LogDirectory);
        store.writeString(kNazwa, settings.Nazwa);
        store.writeString(kAdres1, settings.Adres1);
        store.writeString(kAdres2, settings.Adres2);
        store.writeString(kAdres3, settings.Adres3);
        writeInterface(store, settings);
        // Like the interface: stored once chosen, so the store of a workstation that keeps its
        // reports in the default folder holds no more than it did before the archive existed.
        if (!settings.ReportArchive.isEmpty() || !store.readString(kArchiwum).isEmpty())
            store.writeString(kArchiwum, settings.ReportArchive);
        store.commit();
    } catch (const SettingsError &error) {
        dialogs.showMessage(error.text());
    }
}

QString DefaultLogDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath()).left(kMaxPathLength);
}
