#pragma once

#include "core/report/ReportData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

struct AppSettings;
struct Platform;

// Keeps a copy of every printed report: the page as a PDF in the archive folder, written under a
// temporary name and renamed when complete (so the archive never holds half a report, and never
// replaces one), and the report's data in the archive's index.
class ReportArchiver {
    Q_DECLARE_TR_FUNCTIONS(ReportArchiver)
public:
    // Saves the report printed at `printed`; the empty text when it was saved, otherwise what
    // went wrong, for the operator. fileName receives the name it was saved under.
    static QString save(const QString &directory, const QDateTime &printed, const ReportData &data,
                        const QStringList &remarks, QString *fileName = nullptr);

    // Saves a report just printed in the archive folder of the settings, telling the operator
    // when that fails; the print itself is done by then.
    static void archivePrinted(Platform &platform, const AppSettings &settings, const ReportData &data,
                               const QStringList &remarks);
};
