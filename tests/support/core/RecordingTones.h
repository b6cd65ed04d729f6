#pragma once

#include "core/platform/Tones.h"
#include "support/core/VirtualClock.h"

#include <utility>
#include <vector>

// Tones for tests: recorded as (frequency, duration); each takes its duration on the virtual clock.
class RecordingTones final : public Tones {
public:
    explicit RecordingTones(VirtualClock &clock) : m_clock(clock) {}
    void beep(int frequencyHz, int durationMs) override
    {
        beeps.emplace_back(frequencyHz, durationMs);
        m_clock.advance(durationMs);
    }
    std::vector<std::pair<int, int>> beeps;

private:
    VirtualClock &m_clock;
};
