// The sensor log reader on any bytes: it must stop at the first invalid line without crashing,
// keep every column as long as the rows it read, keep row offsets inside the input and in order,
// and keep row times in order.
#include "core/logview/Envelope.h"
#include "core/logview/SensorLogReader.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const LogReadResult result = ReadSensorLog(buffer, 4096);
    const SensorLogData &log = result.data;
    if (qsizetype(log.rowOffsets.size()) != log.rowCount() || log.columns.size() != std::size_t(log.pids.size()))
        std::abort();
    for (const auto &column : log.columns) {
        if (qsizetype(column.size()) != log.rowCount())
            std::abort();
    }
    if (!std::is_sorted(log.times.begin(), log.times.end())
        || !std::is_sorted(log.rowOffsets.begin(), log.rowOffsets.end()))
        std::abort();
    if (!log.rowOffsets.empty() && log.rowOffsets.back() >= qint64(size))
        std::abort();
    if (result.problem == LogProblem::None && result.line != 0)
        std::abort();
    for (const auto &column : log.columns) {
        if (!log.times.empty()) {
            const EnvelopePoints points = BuildEnvelope(log.times, column, log.times.front(), log.times.back() + 1, 3);
            if (points.x.size() != points.y.size() || !std::is_sorted(points.x.begin(), points.x.end()))
                std::abort();
        }
    }
    return 0;
}
