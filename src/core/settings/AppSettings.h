#pragma once

#include <QString>

// The workstation's settings: the serial port, the directory of the sensor logs and the
// workshop's name and address printed on the inspection report.
struct AppSettings {
    QString Port = QStringLiteral("COM1");
    QString LogDirectory;
    QString Nazwa;
    QString Adres1;
    QString Adres2;
    QString Adres3;
};

// The longest workshop name or address line the operator can type.
inline constexpr int kWorkshopFieldMaxLength = 70;
// The longest log directory taken from the working directory at start.
inline constexpr int kMaxPathLength = 260;
