#pragma once

#include "core/report/ReportData.h"

#include <QStringList>

class ReportCanvas;

// Prints the inspection report on canvas, in the printer's device pixels: title, workshop,
// vehicle, results, fault memory, monitors and the remarks (one text a line), then the footer
// naming the instrument and the frame. Remarks that would reach the footer continue on further
// pages, each with its own footer and frame; a line wider than the frame wraps at a blank, its
// continuation starting in the same column. False when the printer could not be started.
bool PrintReport(ReportCanvas &canvas, const ReportData &report, const QStringList &remarks);

// The remarks box's text as the lines the report prints: none for an empty box; a final line
// break does not start another line.
QStringList RemarkLines(const QString &text);
