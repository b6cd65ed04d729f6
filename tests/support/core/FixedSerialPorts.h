#pragma once

#include "core/platform/SerialPorts.h"

// The serial ports a test says the system has (none unless told).
class FixedSerialPorts final : public SerialPorts {
public:
    QStringList names() override { return ports; }

    QStringList ports;
};
