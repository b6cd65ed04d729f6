#pragma once

#include "core/report/ReportData.h"

#include <QByteArray>
#include <QStringList>

// The report as the bytes of a PDF file, on the report dialog's first printer (A4 upright) at
// 1200 dpi, as the archive keeps it; empty when it could not be drawn.
QByteArray ReportPdf(const ReportData &report, const QStringList &remarks);
