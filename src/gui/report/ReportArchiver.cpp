#include "gui/report/ReportArchiver.h"

#include "core/platform/Clock.h"
#include "core/platform/WholeFileWrite.h"
#include "core/report/ReportArchive.h"
#include "core/settings/AppSettings.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/report/ReportPdf.h"

#include <QDir>
#include <QFileInfo>

ReportArchiver::Outcome ReportArchiver::save(LogFiles &files, const QString &directory, const QDateTime &printed,
                                             const ReportData &data, const QStringList &remarks)
{
    const QString shownDirectory = QDir::toNativeSeparators(directory);
    if (directory.isEmpty() || !QDir().mkpath(directory))
        return {{}, tr("Nie można utworzyć katalogu archiwum raportów %1.").arg(shownDirectory)};
    const QByteArray pdf = ReportPdf(data, remarks);
    if (pdf.isEmpty())
        return {{}, tr("Nie można przygotować pliku PDF raportu.")};

    // A report saved meanwhile under the same name keeps it: the next free name is taken.
    const QString name = ReportArchiveFileName(printed, data.RegistrationNo);
    QString target = FreeArchivePath(directory, name);
    WholeFileWrite written = WriteWholeFile(files, target, pdf, false);
    for (int attempt = 0; written == WholeFileWrite::NameTaken && attempt < 3; ++attempt) {
        target = FreeArchivePath(directory, name);
        written = WriteWholeFile(files, target, pdf, false);
    }
    if (written != WholeFileWrite::Written)
        return {{},
                tr("Pliku PDF nie udało się zapisać w całości w katalogu %1 - sprawdź, czy na dysku jest miejsce i czy "
                   "katalog można zapisywać.")
                    .arg(shownDirectory)};
    const QString savedName = QFileInfo(target).fileName();
    if (!RecordArchivedReport(directory, savedName, printed, data, remarks))
        return {savedName,
                tr("Spisu archiwum nie można uaktualnić, więc archiwum pokaże ten raport tylko jako plik PDF.")};
    return {savedName, {}};
}

void ReportArchiver::archivePrinted(Platform &platform, const AppSettings &settings, const ReportData &data,
                                    const QStringList &remarks)
{
    const QString directory = ReportArchiveDirectory(settings.ReportArchive, settings.LogDirectory);
    const Outcome outcome = save(platform.logFiles, directory, platform.clock.localNow(), data, remarks);
    if (outcome.problem.isEmpty())
        return;
    const QString headline = outcome.fileName.isEmpty()
                                 ? tr("Raport wydrukowano, ale nie zapisano go w archiwum.")
                                 : tr("Raport wydrukowano i zapisano w archiwum jako %1.").arg(outcome.fileName);
    platform.dialogs.message(headline + u'\n' + outcome.problem, MessageIcon::Warning, MessageButtons::Ok);
}
