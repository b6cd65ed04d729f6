#pragma once

#include "core/vehicle/VehicleLink.h"

#include <QString>

#include <cstdint>
#include <functional>

struct SensorSelection;

// What reading one PID needs besides the selection record: the vehicle, the user's decimal
// separator and the debug log that every read writes a line to.
struct PidReader {
    VehicleLink &link;
    QChar decimalSeparator = u',';
    std::function<void(const QString &)> debugLine;
};

// Reads one PID from the vehicle and returns its value text (without the unit). Updates the
// failure count and the supported flags of selection. The empty text for a PID above 0x4E that
// the car did not announce, one that is not read, and a failed read. The wide-range oxygen
// sensors (0x24-0x2B, 0x34-0x3B) are read in the spans of the selection's scaling.
QString FormatPidValue(PidReader &reader, SensorSelection &selection, std::uint8_t pid, PidMode mode);

// How a value's bytes are read: the link's QueryPid, or a read made earlier for several PIDs.
using PidQuery = std::function<PidReply(std::uint8_t pid, PidMode mode, int byteCount)>;

// The same, the PID's bytes (if it is read at all) coming from query.
QString FormatPidValue(PidReader &reader, SensorSelection &selection, std::uint8_t pid, PidMode mode,
                       const PidQuery &query);

// Whether FormatPidValue asks the vehicle for the PID at all (past 0x4E: once announced).
bool PidValueIsRead(std::uint8_t pid, PidMode mode);

// The number of data bytes the PID's value is made of; 0 for a PID past 0x4E without a rule,
// read with as many as its answer carries.
int PidByteCount(std::uint8_t pid);
