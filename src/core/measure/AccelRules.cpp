#include "core/measure/AccelRules.h"

#include "core/measure/NumberParsing.h"

int TypedSpeed(const QString &text)
{
    return TruncToInt(LeadingNumber(text));
}

SpeedRangeError CheckTypedRange(const SpeedRange &range)
{
    if (range.end == 0)
        return SpeedRangeError::EndZero;
    if (range.start >= range.end)
        return SpeedRangeError::StartNotBelowEnd;
    return SpeedRangeError::None;
}

int NextAccelSpeed(int speed)
{
    const int next = speed + 1;
    if (next < 50)
        return speed + 4;
    if (next < 80)
        return speed + 2;
    return speed + 1;
}

int AccelStepCount(const SpeedRange &range)
{
    int steps = 0;
    for (int speed = range.start; speed < range.end; speed = NextAccelSpeed(speed))
        ++steps;
    return steps;
}

QString AccelTimeText(std::uint32_t elapsedMs)
{
    const std::uint32_t minutes = elapsedMs / 60000;
    const std::uint32_t withinMinute = elapsedMs % 60000;
    const QString seconds = QStringLiteral("%1\" %2")
                                .arg(withinMinute / 1000, 2, 10, QChar(u'0'))
                                .arg(withinMinute % 1000, 3, 10, QChar(u'0'));
    if (minutes == 0)
        return seconds;
    return QStringLiteral("%1'").arg(minutes) + seconds;
}

std::uint32_t AccelCrossingElapsed(std::uint32_t t0, std::uint32_t stepTick, std::uint32_t now, int end,
                                   int speedBefore, int speedAfter)
{
    const std::int64_t stepLength = std::uint32_t(now - stepTick);
    const std::int64_t gained = speedAfter - speedBefore;
    const std::int64_t share = gained > 0 ? stepLength * (end - speedBefore) / gained : stepLength;
    return std::uint32_t(stepTick - t0) + std::uint32_t(share);
}
