// A unit's answers to vehicle information (09) and permanent codes (0A): the first input byte picks
// the protocol family, the InfoType and the message count announced; the rest is split into
// answers, each led by its length. Every decoding the units' tab uses is run on them.
#include "core/units/InUseTracking.h"
#include "core/units/VehicleInfo.h"
#include "core/vehicle/ObdAnswer.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool can = (data[0] & 0x80) != 0;
    static constexpr std::array<std::uint8_t, 5> kInfoTypes{0x04, 0x06, 0x08, 0x0A, 0x0B};
    static constexpr std::array<int, 5> kItemSizes{16, 4, 2, 20, 2};
    const std::size_t kind = std::size_t(data[0] & 0x0F) % kInfoTypes.size();
    const std::optional<int> announced =
        (data[0] & 0x40) != 0 ? std::optional<int>((data[0] >> 4) & 0x03) : std::nullopt;

    std::vector<QByteArray> answers;
    for (std::size_t at = 1; at < size;) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        answers.emplace_back(reinterpret_cast<const char *>(data + at + 1), qsizetype(length));
        at += 1 + length;
    }

    (void)SupportedInfoTypes(answers);
    (void)AnnouncedMessages(answers, MessageCountInfoType(kInfoTypes[kind]));
    QString why;
    const int itemSize = kItemSizes[kind];
    if (const auto items = InfoTypeItems(answers, kInfoTypes[kind], can, itemSize, announced, &why)) {
        if (items->size() % itemSize != 0)
            std::abort(); // whole items only
        (void)InfoTexts(*items, itemSize);
        (void)CvnTexts(*items);
        const InUseTracking tracking = InUseOf(Counters(*items), kind == 4);
        for (const MonitorRatio &monitor : tracking.monitors)
            (void)RatioText(monitor, u',');
    } else if (why.isEmpty()) {
        std::abort(); // a failed read says why
    }
    for (const QByteArray &answer : answers)
        if (const auto codes = CodesOfAnswer(answer, can))
            for (const QString &code : *codes)
                if (code.size() != 4)
                    std::abort(); // raw codes are the two code bytes as four digits
    return 0;
}
