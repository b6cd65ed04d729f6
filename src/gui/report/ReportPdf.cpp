#include "gui/report/ReportPdf.h"

#include "core/report/PrintReport.h"
#include "gui/report/PrinterCanvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>

namespace {

constexpr int kArchiveResolution = 1200;

} // namespace

QByteArray ReportPdf(const ReportData &report, const QStringList &remarks)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kArchiveResolution);
        writer.setCreator(QCoreApplication::applicationName());
        PrepareReportPrinter(writer);
        PrinterCanvas canvas(writer);
        if (!PrintReport(canvas, report, remarks))
            return {};
    }
    return buffer.data();
}
