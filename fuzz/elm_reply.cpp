// Adapter replies: the first input byte picks the header format, the second the command the
// reply answers; the rest is what came over the serial line up to the prompt. The reply is parsed
// and read as each kind of answer the workstation asks for.
#include "core/vehicle/ElmReply.h"
#include "core/vehicle/ObdAnswer.h"

#include <array>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    static constexpr std::array<ElmHeaders, 3> kHeaders{ElmHeaders::Can11, ElmHeaders::Can29, ElmHeaders::Legacy};
    static constexpr std::array<const char *, 8> kCommands{"010C", "0101", "021100", "03", "07", "0902", "ATI", "ATZ"};
    const ElmHeaders headers = kHeaders[data[0] % kHeaders.size()];
    const QByteArrayView command(kCommands[data[1] % kCommands.size()]);
    const QByteArrayView received(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    const ElmReply reply = ParseElmReply(received, command, headers);
    if (reply.status == ElmStatus::Data && reply.messages.empty())
        std::abort(); // a data reply carries at least one answer

    const std::uint8_t pid = size > 2 ? data[2] : 0x0C;
    (void)PidBytes(reply, headers, 0x01, pid);
    (void)PidBytes(reply, headers, 0x02, pid);
    if (const auto codes = DtcCodes(reply, headers, 0x03)) {
        for (const QString &code : *codes)
            if (code.size() != 4)
                std::abort(); // raw codes are the two code bytes as four digits
    }
    (void)DtcCodes(reply, headers, 0x07);
    (void)VinText(reply, headers);
    QString why;
    (void)CombinedMonitorStatus(reply, headers, {}, &why);
    (void)ClearConfirmed(reply, headers, {0x7E8, 0x7E9}, &why);
    (void)ElmHeadersFromLines(received);
    (void)ElmStatusText(reply.status);
    return 0;
}
