// The stand-in's reading of requests to the vehicle (the response count digit, several PIDs in
// one request) and its model of the time a CAN car and the adapter take.
#include "support/core/Elm327StandIn.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

namespace {

bool allHex(const QByteArray &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
}

constexpr int kMostPids = 6;

} // namespace

std::optional<Elm327StandIn::Request> Elm327StandIn::readRequest(const QByteArray &command) const
{
    if (!allHex(command) || command.size() < 2)
        return std::nullopt;
    Request request{command};
    if (command.size() % 2 == 0)
        return request;
    // An odd digit at the end is the number of answers to wait for.
    request.text.chop(1);
    switch (m_script.countDigit) {
    case CountDigit::Refused: return std::nullopt;
    case CountDigit::Ignored: break;
    case CountDigit::Garbled: request.garbled = true; break;
    case CountDigit::Accepted: request.count = QByteArray(1, command.back()).toInt(nullptr, 16); break;
    }
    return request;
}

QByteArray Elm327StandIn::severalPidsAnswer(const Unit &unit, const QByteArray &request) const
{
    // "41", then each PID the unit knows with its data bytes, in the order asked.
    QByteArray message(1, '\x41');
    for (qsizetype at = 2; at < request.size(); at += 2) {
        const auto found = unit.answers.find("01" + request.mid(at, 2));
        if (found != unit.answers.end() && !found->second.isEmpty())
            message += found->second.first().mid(1);
        if (m_script.severalPids == SeveralPids::FirstOnly)
            break;
    }
    return message.size() > 1 ? message : QByteArray();
}

QList<QByteArray> Elm327StandIn::requestAnswer(const Request &request)
{
    m_carAnswered = true;
    m_countMet = false;
    if (request.garbled)
        return {"NO DATA"};
    const bool can = m_script.protocol == 6 || m_script.protocol == 7;
    const bool several = request.text.startsWith("01") && request.text.size() > 4;
    if (several && (request.text.size() - 2) / 2 > kMostPids)
        return {"?"};
    if (request.count == 0 && (!several || !can || m_script.severalPids == SeveralPids::None))
        return obdAnswer(request.text);
    if (several && (!can || m_script.severalPids == SeveralPids::None))
        return {"NO DATA"};

    // The units answer in the script's order; with a count the adapter stops once that many
    // frames have come, in the middle of an answer if need be.
    QList<QByteArray> lines;
    int frames = 0;
    for (const Unit &unit : m_script.units) {
        QList<QByteArray> messages;
        if (several) {
            if (const QByteArray message = severalPidsAnswer(unit, request.text); !message.isEmpty())
                messages << message;
        } else if (const auto found = unit.answers.find(request.text); found != unit.answers.end()) {
            messages = found->second;
        }
        for (const QByteArray &message : messages) {
            QList<QByteArray> unitLines = framed(unit.address, message);
            // Without headers a long answer begins with its length, which is no frame.
            const bool lengthLine = !m_headers && can && message.size() > 7;
            for (qsizetype i = 0; i < unitLines.size(); ++i) {
                if (request.count > 0 && frames == request.count)
                    break;
                lines << unitLines[i];
                frames += lengthLine && i == 0 ? 0 : 1;
            }
        }
    }
    m_countMet = request.count > 0 && frames >= request.count;
    if (lines.isEmpty())
        lines << "NO DATA";
    return lines;
}

void Elm327StandIn::sendModelled(const QByteArray &raw, const QByteArray &out, int afterMs)
{
    const Timing &timing = m_script.timing;
    const bool car = m_carAnswered;
    m_carAnswered = false;
    if (timing.answerUs > 0) {
        m_traffic.bytes += raw.size() + 1 + out.size();
        m_traffic.modelledUs += timing.answerUs;
        m_traffic.requests += car ? 1 : 0;
        m_held.emplace(std::chrono::steady_clock::now() + std::chrono::microseconds(timing.answerUs), out);
        sendDue();
        return;
    }
    if (timing.baud <= 0) {
        send(out, afterMs);
        return;
    }
    const long long bytes = raw.size() + 1 + out.size(); // the command, its carriage return, the answer
    long long us = bytes * 10 * 1000000 / timing.baud;
    if (car) {
        us += timing.carMs * 1000LL;
        if (!m_countMet)
            us += timing.waitMs * 1000LL * (m_adaptiveTiming == 0 ? 2 : 1);
        ++m_traffic.requests;
    }
    m_traffic.bytes += bytes;
    m_traffic.modelledUs += us;

    auto due = std::chrono::steady_clock::now() + std::chrono::microseconds(us + afterMs * 1000LL);
    if (!m_held.empty())
        due = std::max(due, std::prev(m_held.end())->first);
    m_held.emplace(due, out);
    sendDue();
}

int Elm327StandIn::waitForInput(pollfd &wanted)
{
    auto wait = std::chrono::nanoseconds(std::chrono::milliseconds(5));
    {
        std::lock_guard lock(m_mutex);
        if (!m_held.empty())
            wait = std::clamp(std::chrono::nanoseconds(m_held.begin()->first - std::chrono::steady_clock::now()),
                              std::chrono::nanoseconds(0), wait);
    }
    const timespec timeout{0, long(wait.count())};
    return ::ppoll(&wanted, 1, &timeout, nullptr);
}

Elm327StandIn::Traffic Elm327StandIn::traffic() const
{
    std::lock_guard lock(m_mutex);
    return m_traffic;
}
