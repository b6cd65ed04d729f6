#include "core/logview/SensorLogReader.h"

#include "core/livedata/SensorTable.h"
#include "core/logview/LogValue.h"
#include "core/text/HexDigit.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kHeaderStart = "Ulmora Log,";
constexpr qint64 kChunkSize = 4 * 1024 * 1024;

// The fields of a line: each one ends with a comma; text after the last comma is one more
// (unterminated) field.
template <class Visit>
int forEachField(std::string_view line, Visit &&visit)
{
    int count = 0;
    std::size_t start = 0;
    while (start < line.size()) {
        const void *comma = std::memchr(line.data() + start, ',', line.size() - start);
        const std::size_t end = comma ? std::size_t(static_cast<const char *>(comma) - line.data()) : line.size();
        visit(count, line.substr(start, end - start));
        ++count;
        start = end + 1;
    }
    return count;
}

class Reader {
public:
    Reader(LogReadResult &result, qint64 maxValues, qint64 size)
        : m_result(result), m_maxValues(maxValues), m_size(size)
    {
    }

    // One line without its line end; false once reading must stop.
    bool line(std::string_view text, qint64 offset)
    {
        ++m_lineNumber;
        if (!m_headerRead)
            return header(text);
        if (text.empty()) {
            if (m_result.data.rowCount() == 0)
                ++m_result.data.firstRowLine;
            return true;
        }
        return row(text, offset);
    }

    bool fail(LogProblem problem, QString detail = {})
    {
        m_result.problem = problem;
        m_result.line = m_lineNumber;
        m_result.detail = std::move(detail);
        return false;
    }

    qint64 lineNumber() const { return m_lineNumber; }
    bool headerRead() const { return m_headerRead; }

private:
    bool header(std::string_view text)
    {
        if (!text.starts_with(kHeaderStart))
            return fail(LogProblem::NotALog);
        SensorLogData &data = m_result.data;
        bool ok = true;
        const std::string_view rest = text.substr(kHeaderStart.size());
        forEachField(rest, [&](int, std::string_view field) {
            if (!ok)
                return;
            const int pid = field.size() == 2 && HexDigit(char16_t(field[0])) >= 0 && HexDigit(char16_t(field[1])) >= 0
                                ? HexDigit(char16_t(field[0])) * 16 + HexDigit(char16_t(field[1]))
                                : -1;
            const QString shown = QString::fromLatin1(field.data(), qsizetype(std::min<std::size_t>(field.size(), 20)));
            if (!IsLivePid(pid))
                ok = fail(LogProblem::UnknownPid, shown);
            else if (data.pids.contains(std::uint8_t(pid)))
                ok = fail(LogProblem::RepeatedPid, shown);
            else
                data.pids.append(std::uint8_t(pid));
        });
        if (ok && !rest.empty() && !rest.ends_with(','))
            ok = fail(LogProblem::UnknownPid, QString::fromLatin1(rest.substr(rest.rfind(',') + 1).substr(0, 20)));
        if (!ok) {
            data.pids.clear(); // a refused header names no column
            return false;
        }
        data.columns.resize(std::size_t(data.pids.size()));
        m_headerRead = true;
        return true;
    }

    bool row(std::string_view text, qint64 offset)
    {
        SensorLogData &data = m_result.data;
        const int expected = int(data.pids.size()) + 1;
        const int found = fieldCount(text);
        const auto stamp = LogTimeStampMs(text.substr(0, text.find(',')));
        if (!stamp) {
            // A log begun in the middle of an acquisition pass may start with the rest of that
            // pass: no time stamp and fewer fields. Such a first line holds no row.
            if (data.rowCount() == 0 && !m_skippedPartial && found < expected && text.ends_with(',')) {
                m_skippedPartial = true;
                ++data.firstRowLine;
                return true;
            }
            return fail(LogProblem::BadTimeStamp,
                        QString::fromLatin1(text.substr(0, std::min<std::size_t>(text.find(','), 20))));
        }
        if (found != expected || !text.ends_with(',')) {
            m_result.fields = found;
            m_result.expectedFields = expected;
            return fail(LogProblem::FieldCount);
        }
        const double time = double(*stamp) / 1000.0;
        if (!data.times.empty() && time < data.times.back())
            return fail(LogProblem::TimeBackwards, QString::fromLatin1(text.substr(0, text.find(','))));
        if ((data.rowCount() + 1) * qint64(std::max<qsizetype>(data.pids.size(), 1)) > m_maxValues)
            return fail(LogProblem::TooLarge);
        if (data.times.empty())
            reserveFor(text.size() + 2, offset);
        data.times.push_back(time);
        data.rowOffsets.push_back(offset);
        forEachField(text, [&](int index, std::string_view field) {
            if (index > 0)
                data.columns[std::size_t(index - 1)].push_back(LogValueNumber(field));
        });
        return true;
    }

    // Room for as many rows as the rest of the file holds lines like the first one, so the
    // columns do not grow by copying (and hold twice what they need) on a long log.
    void reserveFor(std::size_t lineLength, qint64 offset)
    {
        SensorLogData &data = m_result.data;
        if (m_size <= offset)
            return;
        const qint64 perRow = std::max<qint64>(1, qint64(data.pids.size()));
        const qint64 rows =
            std::min<qint64>((m_size - offset) / qint64(lineLength) * 11 / 10 + 16, m_maxValues / perRow);
        data.times.reserve(std::size_t(rows));
        data.rowOffsets.reserve(std::size_t(rows));
        for (auto &column : data.columns)
            column.reserve(std::size_t(rows));
    }

    static int fieldCount(std::string_view text)
    {
        const int commas = int(std::count(text.begin(), text.end(), ','));
        return text.ends_with(',') ? commas : commas + 1;
    }

    LogReadResult &m_result;
    qint64 m_maxValues;
    qint64 m_size;
    qint64 m_lineNumber = 0;
    bool m_headerRead = false;
    bool m_skippedPartial = false;
};

} // namespace

LogReadResult ReadSensorLog(QIODevice &device, qint64 maxValues)
{
    LogReadResult result;
    Reader reader(result, maxValues, device.isSequential() ? 0 : device.size() - device.pos());
    QByteArray buffer;
    qint64 bufferOffset = 0; // file offset of buffer[0]
    bool sawAnyByte = false;
    bool more = true;
    while (more) {
        // No larger buffer than the rest of the file needs.
        const QByteArray chunk = device.read(std::clamp<qint64>(device.bytesAvailable(), 4096, kChunkSize));
        if (chunk.isEmpty()) {
            more = false;
        } else {
            sawAnyByte = true;
            buffer.append(chunk);
        }
        if (!reader.headerRead() && !buffer.isEmpty()) {
            // A file that does not begin like a log is refused before any line is looked for.
            const auto prefix =
                std::string_view(buffer.constData(), std::size_t(buffer.size())).substr(0, kHeaderStart.size());
            if (!kHeaderStart.starts_with(prefix)) {
                reader.line(prefix, 0);
                return result;
            }
        }
        qsizetype start = 0;
        const std::string_view view(buffer.constData(), std::size_t(buffer.size()));
        while (true) {
            const std::size_t newline = view.find('\n', std::size_t(start));
            if (newline == std::string_view::npos)
                break;
            std::string_view text = view.substr(std::size_t(start), newline - std::size_t(start));
            if (text.ends_with('\r'))
                text.remove_suffix(1);
            if (qsizetype(text.size()) > kMaxLogLineLength) {
                reader.line({}, 0); // counts the line
                reader.fail(LogProblem::LineTooLong);
                return result;
            }
            if (!reader.line(text, bufferOffset + start))
                return result;
            start = qsizetype(newline) + 1;
        }
        const qsizetype rest = buffer.size() - start;
        if (rest > kMaxLogLineLength + 1) {
            reader.line({}, 0);
            reader.fail(result.data.pids.isEmpty() && !reader.headerRead() ? LogProblem::NotALog
                                                                           : LogProblem::LineTooLong);
            return result;
        }
        if (!more && rest > 0) {
            // The last line without its line end (a log cut short) still counts.
            std::string_view text(buffer.constData() + start, std::size_t(rest));
            if (text.ends_with('\r'))
                text.remove_suffix(1);
            if (!reader.line(text, bufferOffset + start))
                return result;
        }
        buffer.remove(0, start);
        bufferOffset += start;
    }
    if (!sawAnyByte) {
        reader.fail(LogProblem::Empty);
        result.line = 0;
    } else if (!reader.headerRead()) {
        reader.fail(LogProblem::NotALog);
    }
    return result;
}

LogReadResult ReadSensorLogFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LogReadResult result;
        result.problem = LogProblem::Unreadable;
        return result;
    }
    return ReadSensorLog(file);
}
