#include "gui/report/WholeFilePrint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <cstdio>

namespace {

// A PDF file is whole when its last bytes hold the end-of-file marker.
bool wholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

} // namespace

PrintOutcome WholeFilePrint(QPrinter &printer, const std::function<bool(QPrinter &)> &print)
{
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return print(printer) ? PrintOutcome::Printed : PrintOutcome::NotStarted;

    // A printer whose file once failed keeps failing, so each file is written by a fresh one
    // with the chosen printer's page and resolution.
    const QFileInfo info(target);
    const QString part = info.dir().filePath(u'.' + info.fileName() + QStringLiteral(".part"));
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setResolution(printer.resolution());
    file.setPageLayout(printer.pageLayout());
    file.setColorMode(printer.colorMode());
    file.setOutputFileName(part);
    const bool printed = print(file);
    // rename() replaces an older file of that name in one step.
    if (printed && wholePdf(part)
        && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) == 0)
        return PrintOutcome::Printed;
    QFile::remove(part);
    return printed ? PrintOutcome::NotWritten : PrintOutcome::NotStarted;
}
