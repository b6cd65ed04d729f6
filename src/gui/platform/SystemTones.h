#pragma once

#include "core/platform/Tones.h"

// A sine tone on the default audio output, or the desktop bell where there is no output.
// Blocks the caller for the tone's duration, as the speaker of a workshop PC does.
class SystemTones final : public Tones {
public:
    void beep(int frequencyHz, int durationMs) override;
};
