#pragma once

#include "core/report/PrintReport.h"
#include "core/report/ReportCanvas.h"

#include <QPainter>
#include <QPoint>

class QPrinter;

// The report canvas on a printer (or a PDF file): a QPainter in the printer's device pixels,
// with the origin at the top-left corner of the printable area.
class PrinterCanvas final : public ReportCanvas {
public:
    explicit PrinterCanvas(QPrinter &printer);

    bool beginDocument(const QString &title) override;
    void newPage() override;
    void endDocument() override;
    DeviceMetrics metrics() const override;
    void setFont(const ReportFont &font) override;
    void setPenWidth(int pixels) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
    QPoint m_current;
};

// A printer as the report dialog first offers it: A4 upright at the printer's full resolution,
// with the few millimetres of unprintable border a workshop laser printer has.
void PrepareReportPrinter(QPrinter &printer);

// Prints the report on printer; false when the printer (or the PDF file) could not be started.
bool PrintReportOn(QPrinter &printer, const ReportData &report, const QStringList &remarks);
