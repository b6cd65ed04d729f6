#pragma once

#include "core/report/ReportData.h"

#include <QString>
#include <QStringList>

// A digest of what the report's pages show: the report laid out on pages of fixed measures, every
// text in the order drawn. Two reports have the same digest when their pages show the same texts,
// whatever printer and fonts they meet; the catalogue's texts (the language) count as well.
QString ReportContentDigest(const ReportData &report, const QStringList &remarks);
