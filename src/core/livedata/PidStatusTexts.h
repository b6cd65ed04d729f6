#pragma once

#include <QString>

#include <cstdint>

// The status texts of the bit-field and enumerated PIDs, from the message catalogue, and the fuel
// types from a table of texts that a language module translates in the context "SensorTable".

// PID 0x03: the lowest set bit 0-4 of A, then "/ " and that of B; "N/A" where none is set.
QString FuelSystemStatusText(std::uint8_t a, std::uint8_t b);
// PID 0x12, from A AND 7.
QString SecondaryAirStatusText(std::uint8_t a);
// PID 0x13: banks 1-2 with sensors 1-4, one "BxSy " token per set bit from bit 0.
QString OxygenSensorsBanks12Text(std::uint8_t a);
// PID 0x1D: banks 1-4 with sensors 1-2.
QString OxygenSensorsBanks1234Text(std::uint8_t a);
// PID 0x1C: the OBD standard the vehicle complies with.
QString ObdStandardText(std::uint8_t a);
// PID 0x2D: whether the EGR valve is driven below, above or at its commanded value.
QString EgrDeviationText(std::uint8_t a);
// PID 0x51: the fuel the car runs on, by the J1979 coding; a code past it as "Nieznany (n)".
QString FuelTypeText(std::uint8_t a);
