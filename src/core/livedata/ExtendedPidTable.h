#pragma once

#include <QString>

#include <cstdint>

// The live PIDs past 0x4E, which cars since about 2008 announce in their support bitmaps: for
// those the workstation decodes, a Polish description, a unit and the number of data bytes
// (SAE J1979); every other live PID past 0x4E is shown as its raw bytes. The texts are UTF-8; a
// language module translates them in the context "SensorTable", as the sensor table's.

// Whether a live PID past 0x4E is decoded by a rule of the workstation's.
bool HasExtendedPidRule(std::uint8_t pid);

// The description of a live PID past 0x4E; for one without a rule the text saying that its raw
// bytes are shown. The empty text for any other PID.
QString ExtendedPidDescription(std::uint8_t pid);

// The unit of a live PID past 0x4E ("hex" for the raw bytes); the empty text for any other PID.
QString ExtendedPidUnit(std::uint8_t pid);

// The number of data bytes a PID past 0x4E with a rule is read with; 0 for one whose length is
// the car's (the secondary oxygen-sensor trims) and for one without a rule, which are read with as
// many as their answer carries.
int ExtendedPidByteCount(std::uint8_t pid);

// Whether the value text of a live PID past 0x4E begins with its number, so that it can be
// plotted: not the fuel type's text nor raw bytes.
bool ExtendedPidIsNumeric(std::uint8_t pid);
