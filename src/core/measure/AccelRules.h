#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The rules of the acceleration test that need no window.

struct SpeedRange {
    int start = 0; // km/h
    int end = 0; // km/h
};

// What is wrong with a typed range, checked in this order.
enum class SpeedRangeError {
    None,
    EndZero, // the end speed is 0 (an empty end field too)
    StartNotBelowEnd, // the start speed is not below the end speed
};

// A speed typed into a three-digit field: its leading number truncated toward zero; empty is 0.
int TypedSpeed(const QString &text);

SpeedRangeError CheckTypedRange(const SpeedRange &range);

// The speed after one measurement step: +4 km/h while the next km/h is below 50, +2 from 50 to
// 79, +1 from 80.
int NextAccelSpeed(int speed);

// The number of measurement steps from start until the speed reaches end.
int AccelStepCount(const SpeedRange &range);

// The elapsed time as shown: seconds with two digits, a double quote, a blank and three-digit
// milliseconds (07" 250); from a minute on the minutes and an apostrophe come first (1'05" 250).
QString AccelTimeText(std::uint32_t elapsedMs);

// The elapsed time at which the end speed was crossed within the last step, which began at
// stepTick at speedBefore and ended at `now` at speedAfter; the step's time is shared out in
// proportion to the speed, in whole milliseconds. Ticks are 32-bit and may wrap.
std::uint32_t AccelCrossingElapsed(std::uint32_t t0, std::uint32_t stepTick, std::uint32_t now, int end,
                                   int speedBefore, int speedAfter);
