#pragma once

#include <QDateTime>
#include <cstdint>

// Time as the workstation sees it: blocking pauses, a millisecond tick counter,
// the local date and time, and the pumping of pending window messages.
// The long operations pace themselves only through this interface, so tests
// can run them on a virtual clock.
class Clock {
public:
    virtual ~Clock() = default;

    // Blocks the calling thread for ms milliseconds. Window messages are not pumped.
    virtual void pause(int ms) = 0;

    // Monotonic milliseconds; wraps like a 32-bit tick counter.
    virtual std::uint32_t tickCount() = 0;

    // Local date and time, with milliseconds.
    virtual QDateTime localNow() = 0;

    // Processes the pending window messages (clicks, repaints, tab changes) once.
    virtual void processEvents() = 0;
};
