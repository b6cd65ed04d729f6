#pragma once

#include "core/platform/SerialPorts.h"

// The ports Qt Serial Port finds on this machine.
class SystemSerialPorts final : public SerialPorts {
public:
    QStringList names() override;
};
