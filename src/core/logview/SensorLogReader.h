#pragma once

#include "core/logview/SensorLogData.h"

#include <QString>

class QIODevice;

// What stopped the reading of a sensor log. With None the whole file was read; with the
// problems of a row the rows before it are kept and usable.
enum class LogProblem {
    None,
    Unreadable, // the file cannot be opened or read
    NotAFile, // a pipe, a socket, a device or a directory: nothing a log is kept in
    Empty, // not a single byte
    NotALog, // the first line is not the header of a sensor log
    UnknownPid, // the header names something that is not a live PID (one with a value of its own)
    RepeatedPid, // the header names a PID twice
    LineTooLong, // a line longer than any log line can be (a binary file, for instance)
    FieldCount, // a row with more or fewer fields than the header
    BadTimeStamp, // a row whose first field is no time stamp
    TimeBackwards, // a row older than the one before it
    TooLarge, // more values than the viewer keeps in memory
};

struct LogReadResult {
    SensorLogData data;
    LogProblem problem = LogProblem::None;
    qint64 line = 0; // the line of the problem, counted from 1
    QString detail; // the offending text (a PID, a time stamp), when there is one
    int fields = 0; // FieldCount: the fields found
    int expectedFields = 0; // FieldCount: the fields the header calls for

    // Whether the log is refused altogether (the header is unusable or no row was read).
    bool refused() const { return problem != LogProblem::None && data.rowCount() == 0; }
};

// The longest line a log may have: every PID with a long status text fits many times over.
inline constexpr qsizetype kMaxLogLineLength = 64 * 1024;
// The most values (rows times PIDs) kept in memory; a longer log is read up to this bound.
inline constexpr qint64 kMaxLogValues = 60'000'000;

// Reads a sensor log from the current position of device (offsets count from there) in one pass.
// A line ends with CR LF, LF or a CR alone.
LogReadResult ReadSensorLog(QIODevice &device, qint64 maxValues = kMaxLogValues);
// Reads the log in the regular file at path; anything else is refused unread (NotAFile).
LogReadResult ReadSensorLogFile(const QString &path);
