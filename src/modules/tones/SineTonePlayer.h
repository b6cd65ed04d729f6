#pragma once

// What the tone module exports, resolved by name when the first tone sounds.
//
// Plays a sine tone on the default audio output and returns once it has sounded; false, at
// once, where there is no output that takes the tone.
extern "C" bool korvathPlaySineTone(int frequencyHz, int durationMs);

// The name the program resolves.
inline constexpr char kPlaySineToneSymbol[] = "korvathPlaySineTone";
// The module's file name beside the program, without the system's suffix.
inline constexpr char kToneModuleName[] = "korvath-diag-tones";
