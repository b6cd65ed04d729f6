#pragma once

#include <cstdint>

// The fixed pseudo-random generator behind the simulated vehicle: a linear congruential
// generator that starts at 1 and is never reseeded, so every run sees the same sequence.
class SimRandom {
public:
    // The next number, 0..32767.
    int operator()();

    // The generator of the calling thread.
    static SimRandom &forThisThread();

private:
    std::uint32_t m_state = 1;
};
