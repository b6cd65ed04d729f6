#pragma once

#include <QList>
#include <QtGlobal>

#include <cstdint>
#include <vector>

// A sensor log read into memory once, as compact columns: the logged PIDs, each row's time and
// the byte offset of its line in the file (so the row's texts can be read again when shown), and
// per PID the numeric value of every row, NaN where the row holds no number.
struct SensorLogData {
    QList<std::uint8_t> pids;
    // Seconds since 1970-01-01 00:00 of the local wall clock the log was written on.
    std::vector<double> times;
    std::vector<qint64> rowOffsets;
    std::vector<std::vector<float>> columns; // columns[c][row], one per entry of pids
    // The line of the file holding row 0 (the header is line 1).
    qint64 firstRowLine = 2;

    qsizetype rowCount() const { return qsizetype(times.size()); }
    // The file line of a row, counting blank lines skipped before it as the reader saw them.
    qint64 lineOfRow(qsizetype row) const { return firstRowLine + row; }
};
