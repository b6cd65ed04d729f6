#include "gui/report/ReportArchiver.h"

#include "core/platform/Clock.h"
#include "core/report/ReportArchive.h"
#include "core/settings/AppSettings.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/report/PrinterCanvas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

QString ReportArchiver::save(const QString &directory, const QDateTime &printed, const ReportData &data,
                             const QStringList &remarks, QString *fileName)
{
    const QString shownDirectory = QDir::toNativeSeparators(directory);
    if (directory.isEmpty() || !QDir().mkpath(directory))
        return tr("Nie można utworzyć katalogu archiwum raportów %1.").arg(shownDirectory);

    const QString name = ReportArchiveFileName(printed, data.RegistrationNo);
    QString target = FreeArchivePath(directory, name);
    const QString part = target + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        PrepareReportPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        if (!PrintReportOn(printer, data, remarks) || QFileInfo(part).size() == 0) {
            QFile::remove(part);
            return tr("Nie można zapisać raportu w archiwum %1.").arg(shownDirectory);
        }
    }
    // A rename never replaces a file: a report saved meanwhile under the same name keeps it.
    bool renamed = QFile::rename(part, target);
    for (int attempt = 0; !renamed && attempt < 3 && QFileInfo::exists(part); ++attempt) {
        target = FreeArchivePath(directory, name);
        renamed = QFile::rename(part, target);
    }
    if (!renamed) {
        QFile::remove(part);
        return tr("Nie można zapisać raportu w archiwum %1.").arg(shownDirectory);
    }
    const QString savedName = QFileInfo(target).fileName();
    if (fileName != nullptr)
        *fileName = savedName;
    if (!RecordArchivedReport(directory, savedName, printed, data, remarks))
        return tr("Raport zapisano jako %1, ale spisu archiwum nie można uaktualnić.").arg(savedName);
    return {};
}

void ReportArchiver::archivePrinted(Platform &platform, const AppSettings &settings, const ReportData &data,
                                    const QStringList &remarks)
{
    const QString directory = ReportArchiveDirectory(settings.ReportArchive, settings.LogDirectory);
    const QString problem = save(directory, platform.clock.localNow(), data, remarks);
    if (!problem.isEmpty())
        platform.dialogs.message(tr("Raport wydrukowano, ale nie zapisano go w archiwum.") + u'\n' + problem,
                                 MessageIcon::Warning, MessageButtons::Ok);
}
