#pragma once

#include <QString>

#include <array>

// The vehicle the workstation talks to: the simulated one, or a real one through an
// ELM327-compatible adapter on the serial port.
enum class VehicleInterface { Simulator, Elm327 };

// The line speeds offered for an adapter; 38400 is the speed most adapters are sold with.
inline constexpr std::array<int, 5> kAdapterBaudRates{9600, 38400, 115200, 230400, 500000};
inline constexpr int kDefaultAdapterBaudRate = 38400;

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
    int BaudRate = kDefaultAdapterBaudRate;
    // The folder of the printed reports' archive; empty: "raporty" inside LogDirectory.
    QString ReportArchive;
};

// The longest workshop name or address line the operator can type.
inline constexpr int kWorkshopFieldMaxLength = 70;
// The longest log directory taken from the working directory at start.
inline constexpr int kMaxPathLength = 260;
