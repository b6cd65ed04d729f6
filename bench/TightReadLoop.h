#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <vector>

// What a link to an adapter allows at most: a loop that does nothing but write each request and
// read until the prompt, straight on the terminal, with no event loop and no parsing. Opens the
// terminal at path raw; the wall time in milliseconds of each pass over requests, or nothing when
// the terminal cannot be used.
inline std::vector<double> tightReadLoopPasses(const QString &path, const std::vector<QByteArray> &requests, int passes)
{
    std::vector<double> times;
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return times;
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd, TCSANOW, &raw);
    char buffer[512];
    for (int pass = 0; pass < passes; ++pass) {
        QElapsedTimer wall;
        wall.start();
        for (const QByteArray &request : requests) {
            const QByteArray line = request + '\r';
            if (::write(fd, line.constData(), size_t(line.size())) != line.size()) {
                ::close(fd);
                return {};
            }
            for (;;) {
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                if (got <= 0) {
                    ::close(fd);
                    return {};
                }
                if (buffer[got - 1] == '>')
                    break;
            }
        }
        times.push_back(double(wall.nsecsElapsed()) / 1e6);
    }
    ::close(fd);
    return times;
}
