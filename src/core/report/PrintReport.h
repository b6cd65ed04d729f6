#pragma once

#include "core/report/ReportData.h"

#include <QStringList>

class ReportCanvas;

// Prints the inspection report on canvas, in the printer's device pixels: title, workshop,
// vehicle, results, fault memory, monitors and the remarks (one text a line), then the footer
// naming the instrument and the frame; with IncludeUnits the control units' data follows on a
// page of its own. Whatever would reach the footer continues on further
// pages, each with its own footer and frame, and with the registration number and "page N of M"
// above the frame when there is more than one. A text wider than its column wraps at a blank, its
// continuation starting in the same column, even over pages. False when the printer could not be
// started.
bool PrintReport(ReportCanvas &canvas, const ReportData &report, const QStringList &remarks);

// The remarks box's text as the lines the report prints: none for an empty box; a final line
// break does not start another line.
QStringList RemarkLines(const QString &text);
