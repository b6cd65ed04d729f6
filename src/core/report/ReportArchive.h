#pragma once

#include "core/report/ReportData.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The archive of printed reports: a folder holding each printed report as a PDF named by the
// date and time of printing and the registration number (2026-12-08_1432_WX12345.pdf), and an
// index file beside them that keeps everything each report's pages show, so a report can be shown
// again. The index is only ever added to (core/report/ArchiveIndex.h).

// The folder the archive is in: the setting, or "raporty" inside the log directory when the
// setting is empty.
QString ReportArchiveDirectory(const QString &setting, const QString &logDirectory);

// The file name of a report printed at when: yyyy-MM-dd_hhmm, "_" and the registration number
// with every character a file name cannot hold (on Windows or here) replaced by "_"; without a
// registration number just the date and time.
QString ReportArchiveFileName(const QDateTime &when, const QString &registration);

// A path in directory for fileName that names no existing file: fileName itself, else with
// "-2", "-3", ... before its extension.
QString FreeArchivePath(const QString &directory, const QString &fileName);

// One report of the archive, newest first in a listing.
struct ArchivedReport {
    QString fileName;
    QString path;
    QDateTime printed;
    QString registration;
    QString make;
    // The report's data and remarks as they were printed; hasData is false for a PDF the index
    // does not know (one copied into the folder by hand, or one whose index entry was lost).
    bool hasData = false;
    ReportData data;
    QStringList remarks;
    // The digest of the pages as printed (ReportContentDigest); empty in an entry of an earlier
    // version, which kept less than the pages show.
    QString digest;
};

// Whether the report's data from the index draws the very pages of its PDF: the entry is whole
// (not cut short or damaged) and was written with the texts the pages show now.
bool ReproducesItsPdf(const ArchivedReport &report);

// Records a saved report's data in the archive's index, adding it at the end; false when the
// index cannot be written (it is then as it was).
bool RecordArchivedReport(const QString &directory, const QString &fileName, const QDateTime &printed,
                          const ReportData &data, const QStringList &remarks);

// Every PDF of the archive, newest first: the time and registration from the index, or else
// from the file name (and the file's time when its name has none).
QList<ArchivedReport> ListArchivedReports(const QString &directory);

// The name of the index file inside the archive folder.
inline constexpr const char *kReportArchiveIndex = "archiwum.ini";
