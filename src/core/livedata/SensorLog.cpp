#include "core/livedata/SensorLog.h"

#include "core/livedata/Windows1250.h"
#include "core/platform/LogFiles.h"
#include "core/text/HexByte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

QString SensorLog::fileName(const QDateTime &when)
{
    return QStringLiteral("log") + when.toString(QStringLiteral("yyyyMMddHHmmss")) + QStringLiteral(".csv");
}

QString SensorLog::newPath(const QString &directory, const QDateTime &when)
{
    const QString base = QDir(directory).filePath(fileName(when));
    QString path = base;
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = base.chopped(4) + QStringLiteral("-%1.csv").arg(copy);
    return QDir::toNativeSeparators(path);
}

QString SensorLog::timeStampField(const QDateTime &when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    return QString::asprintf("%4d%02d%02d%02d%02d%02d%02d,", date.year(), date.month(), date.day(), time.hour(),
                             time.minute(), time.second(), time.msec());
}

bool SensorLog::create(LogFiles &files, const QString &path, const QList<std::uint8_t> &pids)
{
    std::unique_ptr<QIODevice> device = files.create(path);
    if (!device)
        return false;
    const bool onDisk = qobject_cast<QFileDevice *>(device.get()) != nullptr;
    m_path = path;
    if (start(std::move(device), pids))
        return true;
    if (onDisk)
        QFile::remove(path); // not even the header fitted: an empty file is no log
    return false;
}

bool SensorLog::start(std::unique_ptr<QIODevice> device, const QList<std::uint8_t> &pids)
{
    m_device = std::move(device);
    m_pids = pids;
    m_lineOpen = false;
    m_values.clear();
    m_complete = 0;
    QString header = QStringLiteral("Ulmora Log,");
    for (std::uint8_t pid : pids)
        header += HexByte(pid) + u',';
    if (write(header + kLineEnd))
        return true;
    close();
    return false;
}

void SensorLog::close()
{
    if (m_device)
        m_device->close(); // an error while closing is of no further use
    m_device.reset();
    m_lineOpen = false;
    m_values.clear();
}

void SensorLog::beginLine(const QDateTime &passStart)
{
    if (!m_device)
        return;
    m_lineOpen = true;
    m_stamp = timeStampField(passStart);
    m_values.clear();
}

void SensorLog::addValue(std::uint8_t pid, const QString &value)
{
    if (m_lineOpen)
        m_values[pid] = value;
}

bool SensorLog::endLine()
{
    if (!m_device || !m_lineOpen)
        return true;
    m_lineOpen = false;
    QString line = m_stamp;
    for (std::uint8_t pid : m_pids) {
        // The decimal comma, and any comma of a status text, would split the field; a line break
        // (a language module's status text may hold one) would split the line.
        QString value = m_values.count(pid) != 0 ? m_values[pid] : QString();
        value.replace(u',', u'.').replace(u'\r', u' ').replace(u'\n', u' ');
        line += value + u',';
    }
    m_values.clear();
    return write(line + kLineEnd);
}

bool SensorLog::write(const QString &line)
{
    const QByteArray bytes = toWindows1250(line);
    auto *file = qobject_cast<QFileDevice *>(m_device.get());
    if (m_device->write(bytes) == bytes.size() && (file == nullptr || file->flush())) {
        m_complete += bytes.size();
        return true;
    }
    // Part of the line may have reached the file (a full disk takes what fits): cut it off, so
    // the file ends with its last complete line.
    if (file != nullptr)
        file->resize(m_complete);
    return false;
}
