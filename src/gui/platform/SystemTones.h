#pragma once

#include "core/platform/Tones.h"

// A sine tone on the default audio output, played by the tone module beside the program (loaded
// on the first tone), or the desktop bell where there is no output or no module.
// Blocks the caller for the tone's duration, as the speaker of a workshop PC does.
class SystemTones final : public Tones {
public:
    void beep(int frequencyHz, int durationMs) override;
};
