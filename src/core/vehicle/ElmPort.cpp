#include "core/vehicle/ElmPort.h"

#include "core/vehicle/AdapterWait.h"
#include "core/vehicle/SerialTransport.h"

#include <QElapsedTimer>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// How often a long wait calls its pump.
constexpr qint64 kPumpSliceMs = 50;
// How long a '>' that follows data without a line end waits for more bytes before it counts as
// the prompt (the adapter ends its answer with a line end before the prompt; a '>' of noise is
// followed by the rest of its answer at once).
constexpr int kPromptGraceMs = 100;

bool endsLine(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ElmPort::ElmPort() = default;

ElmPort::~ElmPort()
{
    close();
}

QString ElmPort::systemLocation(const QString &portName)
{
    return SerialTransport::systemLocation(portName);
}

LinkStep ElmPort::open(std::unique_ptr<ElmTransport> transport, int connectMs)
{
    close();
    m_transport.reset();
    m_owesPrompt = false;
    m_lost = false;
    const LinkStep opened = transport->open(connectMs);
    if (!opened.ok)
        return opened;
    m_transport = std::move(transport);
    m_transport->setOnFailure([this] { fail(); });
    return opened;
}

void ElmPort::close()
{
    if (m_transport)
        m_transport->close();
}

bool ElmPort::isOpen() const
{
    return m_transport && m_transport->device().isOpen();
}

bool ElmPort::hasSpeed() const
{
    return m_transport && m_transport->hasSpeed();
}

bool ElmPort::setSpeed(int baudRate)
{
    return m_transport && m_transport->setSpeed(baudRate);
}

void ElmPort::fail()
{
    close();
    if (!m_lost) {
        m_lost = true;
        if (m_onLost)
            m_onLost();
    }
}

bool ElmPort::waitForData(qint64 ms)
{
    AdapterWait::forData(m_transport->device(), int(ms));
    return !m_lost && isOpen();
}

bool ElmPort::readUntilPrompt(QByteArray &text, qint64 ms)
{
    QIODevice &device = m_transport->device();
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        text += device.readAll();
        if (text.contains('>'))
            return true;
        const qint64 left = ms - elapsed.elapsed();
        if (left <= 0)
            return true;
        if (!waitForData(left))
            return false;
    }
}

ElmExchange ElmPort::exchange(const QByteArray &command, int timeoutMs, int drainMs, const Patience &patience)
{
    ElmExchange result;
    // Another exchange is waiting further down the stack: this one would read its answer.
    if (!isOpen() || m_busy || AdapterWait::active())
        return result;
    const QScopedValueRollback busy(m_busy, true);

    QIODevice &device = m_transport->device();
    result.unasked = device.readAll(); // late answers and noise of earlier commands
    if (m_owesPrompt && !result.unasked.contains('>') && !readUntilPrompt(result.unasked, drainMs))
        return result;
    m_owesPrompt = false;

    if (device.write(command + '\r') < 0) {
        fail();
        return result;
    }
    // Out at once, rather than when the event loop next hears that the line can take it.
    m_transport->flush();
    result.sent = true;
    readReply(result, timeoutMs, {}, patience);
    return result;
}

ElmExchange ElmPort::probe(const QByteArray &command, int timeoutMs)
{
    if (isOpen())
        m_transport->device().readAll();
    m_owesPrompt = false;
    ElmExchange result = exchange(command, timeoutMs);
    m_owesPrompt = false;
    return result;
}

bool ElmPort::endsInPrompt(const QByteArray &text)
{
    if (!text.endsWith('>'))
        return false;
    if (text.size() == 1 || endsLine(text[text.size() - 2]))
        return true;
    QIODevice &device = m_transport->device();
    return !waitForData(kPromptGraceMs) || device.bytesAvailable() == 0;
}

void ElmPort::readReply(ElmExchange &result, qint64 ms, const std::function<void()> &pump, const Patience &patience)
{
    QIODevice &device = m_transport->device();
    QElapsedTimer elapsed;
    elapsed.start();
    QByteArray &text = result.text;
    for (;;) {
        text += device.readAll();
        // A prompt with nothing before it is a late one of an earlier command.
        qsizetype prompt = text.indexOf('>');
        while (prompt >= 0 && text.left(prompt).trimmed().isEmpty()) {
            text.remove(0, prompt + 1);
            prompt = text.indexOf('>');
        }
        if (endsInPrompt(text)) {
            text.chop(1);
            result.answered = true;
            m_owesPrompt = false;
            return;
        }
        if (device.bytesAvailable() > 0)
            continue; // the rest of a line after a '>' of noise
        qint64 left = ms - elapsed.elapsed();
        if (left <= 0 && patience) {
            ms += patience(text);
            left = ms - elapsed.elapsed();
        }
        if (left <= 0) {
            m_owesPrompt = true;
            return;
        }
        if (pump)
            pump();
        const qint64 slice = pump ? std::min(left, kPumpSliceMs) : left;
        if (!waitForData(slice))
            return; // the line failed underneath: nothing more will come
    }
}

void ElmPort::keepReading(ElmExchange &exchange, int ms, const std::function<void()> &pump)
{
    if (!isOpen() || exchange.answered || m_busy || AdapterWait::active())
        return;
    const QScopedValueRollback busy(m_busy, true);
    readReply(exchange, ms, pump);
}
