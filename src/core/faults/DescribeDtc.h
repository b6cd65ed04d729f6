#pragma once

#include "core/faults/DtcOrigin.h"

#include <QString>

// Whether code lies in a range whose meanings each vehicle manufacturer sets for itself: P1xxx,
// P30xx-P33xx, B1xxx, B2xxx, C1xxx, C2xxx, U1xxx and U2xxx. Only a well-formed code counts: a
// system letter, a digit 0-3 and three upper-case hexadecimal digits ("P1A2F").
bool IsManufacturerDtc(const QString &code);

// The description of a fault code as the workstation shows and prints it. A code of the
// simulated vehicle gets LookupDtcDescription, exactly. A code read from a real car gets the
// description table's row where it has one, else the generic table's, else, in a manufacturer's
// range, the message SDTCManufacturer, else the fallback of LookupDtcDescription; all in the
// language the fault codes are described in.
QString DescribeDtc(const QString &code, DtcOrigin origin);
