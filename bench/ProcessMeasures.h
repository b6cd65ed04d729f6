#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtGlobal>

#include <time.h>

// Processor time of the calling thread: unlike the clock on the wall it does not count the time
// other programs on a busy machine take the processor away.
inline qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

inline double threadCpuMs()
{
    return double(threadCpuNanoseconds()) / 1e6;
}

// The process's resident memory in MB, -1 when the system does not tell.
inline double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}
