#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>

class LogFiles;

// The sensor log file: a header line naming the logged PIDs, then one line per acquisition
// pass with its time stamp and the values in header order, comma-separated, Windows-1250,
// CR LF. Each line reaches the file when it is complete. A pass that began before the header
// was written is not logged, and a PID missing from a pass leaves an empty field, so every line
// lines up with the header.
class SensorLog {
public:
    // "log" + local date and time (yyyyMMddhhmmss) + ".csv".
    static QString fileName(const QDateTime &when);
    // The path of a new log in directory; a name already taken gets "-2", "-3", ... before ".csv".
    static QString newPath(const QString &directory, const QDateTime &when);
    // The time-stamp field of a line: year, month, day, hour, minute, second, millisecond and ",",
    // as %4d%02d%02d%02d%02d%02d%02d, (so milliseconds below 100 have two digits).
    static QString timeStampField(const QDateTime &when);

    // Creates the file in files (never replacing one) and writes the header; false when that
    // fails, and a file that could not take the header is removed again.
    bool create(LogFiles &files, const QString &path, const QList<std::uint8_t> &pids);
    // Takes over an open device and writes the header to it; false when that fails.
    bool start(std::unique_ptr<QIODevice> device, const QList<std::uint8_t> &pids);
    void close();
    bool isOpen() const { return m_device != nullptr; }
    QString path() const { return m_path; }

    // A pass begins; its line is written by endLine().
    void beginLine(const QDateTime &passStart);
    void addValue(std::uint8_t pid, const QString &value);
    // Writes the line of the pass, if one was begun. False when the write failed; a file then
    // ends with the last line that was written whole.
    bool endLine();

private:
    bool write(const QString &line);

    std::unique_ptr<QIODevice> m_device;
    QString m_path;
    QList<std::uint8_t> m_pids;
    bool m_lineOpen = false;
    QString m_stamp;
    std::map<std::uint8_t, QString> m_values;
    qint64 m_complete = 0; // bytes of the lines written whole
};
