#include "core/logview/SensorLogReader.h"

#include "core/livedata/SensorTable.h"
#include "core/livedata/Windows1250.h"
#include "core/logview/LogValue.h"
#include "core/platform/RegularFile.h"
#include "core/text/HexDigit.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kHeaderStart = "Ulmora Log,";
constexpr qint64 kChunkSize = 4 * 1024 * 1024;

// A piece of a line as a message shows it: at most 20 characters, on one line.
QString shown(std::string_view text)
{
    QString result = fromWindows1250(QByteArray(text.data(), qsizetype(std::min<std::size_t>(text.size(), 20))));
    for (QChar &c : result)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return result;
}

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

// Finds the line ends of a buffer in turn: CR LF, LF or a CR alone. A CR that is the buffer's last
// byte ends a line only when no more bytes follow, as its LF may come with the next ones.
class LineEnds {
public:
    LineEnds(std::string_view view, bool more) : m_view(view), m_more(more), m_lf(find('\n', 0, view.size())) {}

    // The end of the line starting at start and where the next line starts; nullopt when the
    // buffer holds no whole line from start.
    std::optional<std::pair<std::size_t, std::size_t>> next(std::size_t start)
    {
        // The next LF is looked for again only once it has been passed, so that a log without
        // any costs one search a buffer, not one a line.
        if (m_lf < start)
            m_lf = find('\n', start, m_view.size());
        const std::size_t cr = find('\r', start, m_lf);
        if (cr < m_lf) {
            if (cr + 1 < m_view.size())
                return std::pair{cr, m_view[cr + 1] == '\n' ? cr + 2 : cr + 1};
            if (m_more)
                return std::nullopt;
            return std::pair{cr, cr + 1};
        }
        if (m_lf < m_view.size())
            return std::pair{m_lf, m_lf + 1};
        return std::nullopt;
    }

private:
    // The first c in [from, to), or to.
    std::size_t find(char c, std::size_t from, std::size_t to) const
    {
        if (from >= to)
            return to;
        const void *found = std::memchr(m_view.data() + from, c, to - from);
        return found ? std::size_t(static_cast<const char *>(found) - m_view.data()) : to;
    }

    std::string_view m_view;
    bool m_more;
    std::size_t m_lf; // the first LF at or after the line being looked at, or the buffer's size
};

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
            if (!IsLivePid(pid))
                ok = fail(LogProblem::UnknownPid, shown(field));
            else if (data.pids.contains(std::uint8_t(pid)))
                ok = fail(LogProblem::RepeatedPid, shown(field));
            else
                data.pids.append(std::uint8_t(pid));
        });
        if (ok && !rest.empty() && !rest.ends_with(','))
            ok = fail(LogProblem::UnknownPid, shown(rest.substr(rest.rfind(',') + 1)));
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
            return fail(LogProblem::BadTimeStamp, shown(text.substr(0, text.find(','))));
        }
        if (found != expected || !text.ends_with(',')) {
            m_result.fields = found;
            m_result.expectedFields = expected;
            return fail(LogProblem::FieldCount);
        }
        const double time = double(*stamp) / 1000.0;
        if (!data.times.empty() && time < data.times.back())
            return fail(LogProblem::TimeBackwards, shown(text.substr(0, text.find(','))));
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
        LineEnds ends(view, more);
        while (const auto end = ends.next(std::size_t(start))) {
            const std::string_view text = view.substr(std::size_t(start), end->first - std::size_t(start));
            if (qsizetype(text.size()) > kMaxLogLineLength) {
                reader.line({}, 0); // counts the line
                reader.fail(LogProblem::LineTooLong);
                return result;
            }
            if (!reader.line(text, bufferOffset + start))
                return result;
            start = qsizetype(end->second);
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
            if (!reader.line(std::string_view(buffer.constData() + start, std::size_t(rest)), bufferOffset + start))
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
    QFile file;
    const RegularFileOpen opened = OpenRegularFile(file, path);
    if (opened == RegularFileOpen::Opened)
        return ReadSensorLog(file);
    LogReadResult result;
    result.problem = opened == RegularFileOpen::NotRegular ? LogProblem::NotAFile : LogProblem::Unreadable;
    return result;
}
