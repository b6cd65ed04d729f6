#pragma once

#include "core/vehicle/VehicleLink.h"

#include <QIODevice>

#include <functional>

// The line an ELM327-compatible adapter is reached through: a serial port (USB, Bluetooth) or a
// TCP connection (Wi-Fi adapters). The adapter's protocol runs over device() alike on both.
class ElmTransport {
public:
    virtual ~ElmTransport() = default;

    // Opens the line, waiting at most connectMs where that takes time (a TCP connection); a
    // failure carries the log line that says why, in the operator's language.
    virtual LinkStep open(int connectMs) = 0;
    virtual void close() = 0;
    virtual QIODevice &device() = 0;
    // Called when the line fails underneath (an adapter pulled out, the connection dropped).
    virtual void setOnFailure(std::function<void()> failed) = 0;
    // Sends what was written without waiting for the event loop.
    virtual void flush() = 0;

    // Whether the line has a speed the adapter must be met at (a serial port; a TCP connection
    // has none), and setting it on the open line.
    virtual bool hasSpeed() const { return false; }
    virtual bool setSpeed(int /*baudRate*/) { return true; }
};
