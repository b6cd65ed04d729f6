#pragma once

#include "core/vehicle/VehicleLink.h"

#include <QChar>
#include <QString>

#include <cstdint>

// The value text of a live PID past 0x4E from its answer, by the J1979 rule of the extended
// table: several values of one PID separated by " / ", "N/A" for a sensor the car says it lacks.
// A PID without a rule shows the bytes its answer carried, as upper-case hexadecimal pairs
// separated by blanks ("01 A3 FF").
QString ExtendedPidValue(std::uint8_t pid, const PidReply &reply, QChar decimalSeparator);
