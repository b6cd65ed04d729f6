#include "core/logview/LogRowTexts.h"

#include "core/livedata/Windows1250.h"
#include "core/logview/SensorLogReader.h"
#include "core/platform/RegularFile.h"

LogRowTexts::LogRowTexts(const QString &path, const std::vector<qint64> &offsets) : m_offsets(offsets)
{
    OpenRegularFile(m_file, path);
}

QStringList LogRowTexts::row(qsizetype row)
{
    if (row < 0 || row >= qsizetype(m_offsets.size()))
        return {};
    if (const QStringList *cached = m_cache.object(row))
        return *cached;
    if (!m_file.isOpen() || !m_file.seek(m_offsets[std::size_t(row)]))
        return {};
    QByteArray line = m_file.readLine(kMaxLogLineLength + 2);
    // A log with a CR alone at the end of each line reads as one long line: it ends at the first
    // CR, which no field holds.
    if (const qsizetype end = line.indexOf('\r'); end >= 0)
        line.truncate(end);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith(','))
        line.chop(1);
    auto *fields = new QStringList(fromWindows1250(line).split(u','));
    const QStringList copy = *fields;
    m_cache.insert(row, fields);
    return copy;
}
