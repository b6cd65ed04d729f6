// The sensor log's text conversion and line writing: the input, cut at NUL bytes, gives value
// texts (UTF-8) for the logged PIDs. Each written line must stay one CSV line that lines up with
// the header, in Windows-1250, whatever the value texts hold.
#include "core/livedata/SensorLog.h"
#include "core/livedata/Windows1250.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString whole = QString::fromUtf8(input);
    if (toWindows1250(whole).size() > whole.size())
        std::abort(); // one byte per character at most
    const QList<QByteArray> values = input.split('\0').mid(0, 64);

    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    QBuffer *out = buffer.get();
    const QList<std::uint8_t> pids = {0x03, 0x0C, 0x12, 0x2D};
    SensorLog log;
    if (!log.start(std::move(buffer), pids))
        std::abort();
    const QDateTime when(QDate(2026, 12, 8), QTime(10, 5, 14, 300));
    for (qsizetype i = 0; i < values.size(); i += qsizetype(pids.size())) {
        log.beginLine(when);
        for (qsizetype j = 0; j < qsizetype(pids.size()) && i + j < values.size(); ++j)
            log.addValue(pids[j], QString::fromUtf8(values[i + j]));
        if (!log.endLine())
            std::abort();
    }
    const QList<QByteArray> lines = out->data().split('\n');
    if (!lines.last().isEmpty())
        std::abort(); // the file ends with CR LF
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (!line.endsWith(",\r") || line.count('\r') != 1 || line.count(',') != qsizetype(pids.size()) + 1)
            std::abort();
    }
    log.close();
    return 0;
}
