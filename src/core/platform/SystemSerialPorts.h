#pragma once

#include "core/platform/SerialPorts.h"

#include <QString>

// The serial ports of this machine: those Qt Serial Port finds, and the devices adapters appear
// as (USB serial converters ttyUSB*, USB modems ttyACM*, Bluetooth serial links rfcomm*), which
// not every system reports. Names without "/dev/", sorted, each once.
class SystemSerialPorts final : public SerialPorts {
public:
    // devices: the folder the adapter devices are looked for in.
    explicit SystemSerialPorts(QString devices = QStringLiteral("/dev"), bool withSystemPorts = true);

    QStringList names() override;

private:
    QString m_devices;
    bool m_withSystemPorts;
};
