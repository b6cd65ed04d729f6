#pragma once

// The speaker: a tone of the given frequency that blocks the caller for its duration.
class Tones {
public:
    virtual ~Tones() = default;
    virtual void beep(int frequencyHz, int durationMs) = 0;
};
