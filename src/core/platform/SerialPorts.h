#pragma once

#include <QStringList>

// The serial ports the system offers now (USB adapters come and go).
class SerialPorts {
public:
    virtual ~SerialPorts() = default;
    virtual QStringList names() = 0;
};
