#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

class QIODevice;

// Waiting on an adapter without freezing the window: the program's events go on (painting, the
// accessibility bus, the line's own notifications), while the operator's input is held back until
// the wait has ended, so that no click or key starts anything in between. Timers still run: while
// a wait is going on, active() is true and the link refuses to start another exchange.
class AdapterWait {
public:
    static bool active() { return s_depth > 0; }

    // Returns once device has bytes to read, has been closed, or ms have passed.
    static void forData(QIODevice &device, int ms);

    // Returns once sender emits one of the two signals, or ms have passed.
    template <class Sender, class Done, class Failed>
    static void forSignal(Sender *sender, Done done, Sender *other, Failed failed, int ms)
    {
        QEventLoop loop;
        QObject::connect(sender, done, &loop, &QEventLoop::quit);
        QObject::connect(other, failed, &loop, &QEventLoop::quit);
        run(loop, ms);
    }

    // Returns after ms, the window painting meanwhile.
    static void pause(int ms)
    {
        QEventLoop loop;
        run(loop, ms);
    }

private:
    static void run(QEventLoop &loop, int ms);

    static inline int s_depth = 0;
};
