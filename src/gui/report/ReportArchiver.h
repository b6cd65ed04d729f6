#pragma once

#include "core/report/ReportData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

class LogFiles;
struct AppSettings;
struct Platform;

// Keeps a copy of every printed report: the page as a PDF in the archive folder, written whole
// under a hidden name and renamed when complete (so the archive never holds half a report, and
// never replaces one), and the report's data at the end of the archive's index.
class ReportArchiver {
    Q_DECLARE_TR_FUNCTIONS(ReportArchiver)
public:
    // What became of a report given to the archive.
    struct Outcome {
        QString fileName; // the PDF's name in the archive; empty when it is not there
        QString problem; // for the operator; empty when the PDF and its index entry were both saved
    };

    // Saves the report printed at `printed`, its PDF written through files.
    static Outcome save(LogFiles &files, const QString &directory, const QDateTime &printed, const ReportData &data,
                        const QStringList &remarks);

    // Saves a report just printed in the archive folder of the settings, telling the operator
    // when that fails; the print itself is done by then.
    static void archivePrinted(Platform &platform, const AppSettings &settings, const ReportData &data,
                               const QStringList &remarks);
};
