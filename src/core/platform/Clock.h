#pragma once

#include <QDateTime>
#include <cstdint>

// Time as the workstation sees it, and its message pump: blocking pauses, a millisecond tick
// counter, the local date and time, and the pumping of pending window messages between the steps
// of a long operation. The long operations pace themselves and let the window's messages through
// only by this interface, so tests can run them on a virtual clock.
class Clock {
public:
    virtual ~Clock() = default;

    // Blocks the calling thread for ms milliseconds. Window messages are not pumped.
    virtual void pause(int ms) = 0;

    // Monotonic milliseconds; wraps like a 32-bit tick counter.
    virtual std::uint32_t tickCount() = 0;

    // Local date and time, with milliseconds.
    virtual QDateTime localNow() = 0;

    // The message pump: processes the pending window messages (clicks, repaints, tab changes) once.
    virtual void processEvents() = 0;

    // The message pump of a wait that takes no input: the window repaints and answers screen
    // readers, while the operator's clicks and keys stay queued until the wait is over.
    virtual void processEventsWithoutInput() = 0;
};
