#pragma once

#include <QList>
#include <QString>

#include <cstdint>

struct SensorSelection;

// The rules of the live plot that need no window.

// The PIDs offered in the plot's parameter lists, in list order: every supported live PID but
// the status and bit-field ones, which have no single numeric value (past 0x4E only those the
// car announced). Entry i is the PID of list entry i.
QList<std::uint8_t> PlotPidMap(const SensorSelection &selection);

// Whether a PID can never be plotted (status and bit-field PIDs, support bitmaps, the fuel type
// and the raw bytes of a PID past 0x4E without a rule).
bool IsUnplottablePid(std::uint8_t pid);

// The history length (points per trace minus one) of a selector text: its integer, 50..150.
int PlotSampleCountOf(const QString &text);

// The scroll interval in ms of a selector text: its integer, 100..1000.
int PlotIntervalOf(const QString &text);

// The value a trace shows for a value text: the number at its start in the C locale, so a
// decimal comma cuts the fraction and an oxygen-sensor pair plots its voltage.
double PlottedValue(const QString &valueText);
