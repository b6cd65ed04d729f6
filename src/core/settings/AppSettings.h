#pragma once

#include <QString>

#include <array>

// The vehicle the workstation talks to: the simulated one, or a real one through an
// ELM327-compatible adapter on the serial port or on Wi-Fi (TCP).
enum class VehicleInterface { Simulator, Elm327, Elm327Wifi };

// The line speeds offered for an adapter; 38400 is the speed most adapters are sold with.
inline constexpr std::array<int, 5> kAdapterBaudRates{9600, 38400, 115200, 230400, 500000};
inline constexpr int kDefaultAdapterBaudRate = 38400;
// "Automatycznie": the speed is searched for at each connection, trying these in turn (the
// speed most adapters are sold with first, then the older and the faster ones).
inline constexpr int kAutoBaudRate = 0;
inline constexpr std::array<int, 5> kProbedBaudRates{38400, 9600, 115200, 230400, 500000};

// Where most Wi-Fi adapters listen.
inline constexpr const char *kDefaultWifiHost = "192.168.0.10";
inline constexpr int kDefaultWifiPort = 35000;

// The workstation's settings: the serial port, the directory of the sensor logs and the
// workshop's name and address printed on the inspection report.
struct AppSettings {
    QString Port = QStringLiteral("COM1");
    QString LogDirectory;
    QString Nazwa;
    QString Adres1;
    QString Adres2;
    QString Adres3;
    VehicleInterface Interface = VehicleInterface::Simulator;
    int BaudRate = kDefaultAdapterBaudRate; // or kAutoBaudRate
    // The address and TCP port of a Wi-Fi adapter.
    QString WifiHost = QString::fromLatin1(kDefaultWifiHost);
    int WifiPort = kDefaultWifiPort;
    // The folder of the printed reports' archive; empty: "raporty" inside LogDirectory.
    QString ReportArchive;
};

// The longest workshop name or address line the operator can type.
inline constexpr int kWorkshopFieldMaxLength = 70;
// The longest log directory taken from the working directory at start.
inline constexpr int kMaxPathLength = 260;
