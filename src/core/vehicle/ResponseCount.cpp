#include "core/vehicle/ResponseCount.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kNegativeAnswer = 0x7F;

bool answersRequest(const ElmMessage &message, const QByteArray &request)
{
    const int service = request.left(2).toInt(nullptr, 16);
    const QByteArray &bytes = message.bytes;
    if (bytes.isEmpty() || static_cast<std::uint8_t>(bytes[0]) != (0x40 | service))
        return false;
    if (service != 0x01 && service != 0x02 && service != 0x09)
        return true;
    if (bytes.size() < 2)
        return false;
    const QByteArray pids = QByteArray::fromHex(service == 0x02 ? request.mid(2, 2) : request.mid(2));
    return pids.contains(bytes[1]);
}

// A single frame holds seven bytes, a first frame six and each consecutive frame seven more.
int framesOf(qsizetype bytes)
{
    return bytes <= 7 ? 1 : 1 + int((bytes - 6 + 7 - 1) / 7);
}

} // namespace

bool IsNegativeAnswer(const ElmMessage &message, std::uint8_t code)
{
    return message.bytes.size() >= 3 && static_cast<std::uint8_t>(message.bytes[0]) == kNegativeAnswer
           && static_cast<std::uint8_t>(message.bytes[2]) == code;
}

bool AnyNegativeAnswer(const ElmReply &reply, std::uint8_t code)
{
    return std::any_of(reply.messages.begin(), reply.messages.end(),
                       [code](const ElmMessage &message) { return IsNegativeAnswer(message, code); });
}

bool AnswersRequest(const ElmReply &reply, const QByteArray &request)
{
    return !ElmFailed(reply.status)
           && std::any_of(reply.messages.begin(), reply.messages.end(),
                          [&](const ElmMessage &message) { return answersRequest(message, request); });
}

int ResponseFrames(const ElmReply &reply, const QByteArray &request)
{
    if (!AnswersRequest(reply, request) || AnyNegativeAnswer(reply, kResponsePending)
        || AnyNegativeAnswer(reply, kBusyRepeatRequest))
        return 0;
    int frames = 0;
    for (const ElmMessage &message : reply.messages)
        frames += framesOf(message.bytes.size());
    return frames;
}
